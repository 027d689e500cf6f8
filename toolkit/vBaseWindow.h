#pragma once

#include "toolkit/vBaseItem.h"
#include "toolkit/vHandle.h"

// A named item with a platform window.
class vBaseWindow : public vBaseItem {
public:
    explicit vBaseWindow(const char* name) : vBaseItem(name) {}

    vHandle Handle() const { return _handle; }

protected:
    vHandle _handle = nullptr;
};
