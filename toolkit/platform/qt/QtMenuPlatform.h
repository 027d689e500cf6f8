#pragma once

#include "toolkit/platform/vMenuPlatform.h"

class QtWindowPlatform;

// Item state of the QMenus made by QtWindowPlatform, whose items carry their id as data.
class QtMenuPlatform : public vMenuPlatform {
public:
    explicit QtMenuPlatform(QtWindowPlatform* windows) : _windows(windows) {}

    void SetMenuItemChecked(vMenuHandle menu, int id, bool on) override;
    void SetMenuItemEnabled(vMenuHandle menu, int id, bool on) override;
    void SetMenuItemText(vMenuHandle menu, int id, const char* text) override;

private:
    template <typename F>
    void ForItems(vMenuHandle menu, int id, F&& f);

    QtWindowPlatform* _windows;
};
