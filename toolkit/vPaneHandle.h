#pragma once

#include <cstddef>

#include "toolkit/vHandles.h"

// The platform object a window hands a pane it attaches: its child window, or for a menu pane
// the window's own menu. A pane attached to no window gets neither.
struct vPaneHandle {
    vPaneHandle(std::nullptr_t = nullptr) {}
    vPaneHandle(vWindowHandle child) : window(child) {}
    vPaneHandle(vMenuHandle own) : menu(own) {}

    vWindowHandle window = nullptr;
    vMenuHandle menu = nullptr;
};
