#include "toolkit/vCmdWindow.h"

#include <algorithm>

#include "toolkit/vApp.h"

std::vector<vCmdWindow*> vCmdWindow::_commandWindows;

vCmdWindow::vCmdWindow(const char* title, int width, int height) : vWindow(title, width, height) {
    _commandWindows.insert(_commandWindows.begin(), this);
}

vCmdWindow::~vCmdWindow() {
    Forget();
}

void vCmdWindow::Forget() {
    _commandWindows.erase(std::remove(_commandWindows.begin(), _commandWindows.end(), this),
                          _commandWindows.end());
}

void vCmdWindow::CloseCmdWindow() {
    if (!IsOpen()) {
        return;
    }
    Forget();
    vWindow::CloseCmdWindow();
    if (_commandWindows.empty() && theApp) {
        theApp->ShowPanesFor(nullptr);
        theApp->InstallFrameMenu();
        theApp->OnLastWindowClosed(this);
    }
}
