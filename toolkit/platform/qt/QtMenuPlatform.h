#pragma once

#include "toolkit/platform/vMenuPlatform.h"

class QtWindowPlatform;

// Item state of the QMenus made by QtWindowPlatform, whose items carry their id as data.
class QtMenuPlatform : public vMenuPlatform {
public:
    explicit QtMenuPlatform(QtWindowPlatform* windows) : _windows(windows) {}

    void SetMenuItemChecked(vHandle menu, int id, bool on) override;
    void SetMenuItemEnabled(vHandle menu, int id, bool on) override;
    void SetMenuItemText(vHandle menu, int id, const char* text) override;

private:
    template <typename F>
    void ForItems(vHandle menu, int id, F&& f);

    QtWindowPlatform* _windows;
};
