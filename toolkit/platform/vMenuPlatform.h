#pragma once

#include "toolkit/platform/vPlatform.h"
#include "toolkit/vHandle.h"

// Changes to items of menus made through vWindowPlatform; items are found by command id.
class vMenuPlatform {
public:
    virtual ~vMenuPlatform() = default;
    virtual void SetMenuItemChecked(vHandle menu, int id, bool on) = 0;
    virtual void SetMenuItemEnabled(vHandle menu, int id, bool on) = 0;
    virtual void SetMenuItemText(vHandle menu, int id, const char* text) = 0;

    static vMenuPlatform* Current() { return vPlatform::Get().menus; }
};
