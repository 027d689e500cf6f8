#pragma once

#include <functional>
#include <string>

#include "toolkit/platform/vPlatform.h"

// Tells when a file on disk changes, is replaced or goes, whoever changed it. The news comes
// later, from the event loop, and may come more than once for one change, or for a change the
// program made itself: a listener looks at the file again before it believes it. Without a
// platform installed nothing is watched.
class vFileWatcher {
public:
    virtual ~vFileWatcher() = default;

    // Watches the file at path and calls `changed` after each change; returns the watch's
    // number, never 0, or 0 when the file cannot be watched.
    virtual int Watch(const std::string& path, std::function<void()> changed) = 0;
    // Stops the watch with that number; 0 and a number already stopped are let be.
    virtual void Unwatch(int watch) = 0;

    static vFileWatcher* Current() { return vPlatform::Get().fileWatcher; }
};
