#pragma once

#include <vector>

#include "toolkit/vWindow.h"

// The window class applications derive from. Command windows are also kept in a list of their
// own: when the last one closes, the panes are hidden, the frame's menu returns and the
// application hears of it.
class vCmdWindow : public vWindow {
public:
    vCmdWindow(const char* title, int width = 0, int height = 0);
    ~vCmdWindow() override;

    void CloseCmdWindow() override;

    static int CommandWindowCount() { return static_cast<int>(_commandWindows.size()); }

private:
    void Forget();

    static std::vector<vCmdWindow*> _commandWindows;
};
