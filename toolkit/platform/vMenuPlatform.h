#pragma once

#include "toolkit/platform/vPlatform.h"
#include "toolkit/vHandles.h"

// Changes to items of menus made through vWindowPlatform; items are found by command id.
class vMenuPlatform {
public:
    virtual ~vMenuPlatform() = default;
    virtual void SetMenuItemChecked(vMenuHandle menu, int id, bool on) = 0;
    virtual void SetMenuItemEnabled(vMenuHandle menu, int id, bool on) = 0;
    virtual void SetMenuItemText(vMenuHandle menu, int id, const char* text) = 0;

    static vMenuPlatform* Current() { return vPlatform::Get().menus; }
};
