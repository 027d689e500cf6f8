#pragma once

#include "toolkit/platform/vProcessResult.h"

// What the process runner reports about a program it started.
class vProcessEvents {
public:
    virtual ~vProcessEvents() = default;

    // From the event loop, once per started program that was not cancelled.
    virtual void ProcessFinished(int process, const vProcessResult& result) = 0;
};
