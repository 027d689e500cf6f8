#pragma once

#include "toolkit/vBaseItem.h"
#include "toolkit/vHandles.h"

// A named item with a platform window.
class vBaseWindow : public vBaseItem {
public:
    explicit vBaseWindow(const char* name) : vBaseItem(name) {}

    vWindowHandle Handle() const { return _handle; }

protected:
    vWindowHandle _handle = nullptr;
};
