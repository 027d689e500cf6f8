#include "toolkit/vApp.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "toolkit/CommandIds.h"
#include "toolkit/platform/vWindowPlatform.h"
#include "toolkit/util/ProgramPaths.h"
#include "toolkit/vAppWinInfo.h"
#include "toolkit/vArgumentList.h"
#include "toolkit/vCmdWindow.h"
#include "toolkit/vEndSignals.h"
#include "toolkit/vPane.h"
#include "toolkit/vWorkTimer.h"

vApp* theApp = nullptr;

namespace {

constexpr int MinimumDefaultSize = 50;

}  // namespace

vApp::vApp(const char* name, int singleDocument, int width, int height)
    : vBaseWindow(name),
      _singleDocument(singleDocument),
      _defaultWidth(width),
      _defaultHeight(height) {
    theApp = this;
}

vApp::~vApp() {
    TearDown();
    if (theApp == this) {
        theApp = nullptr;
    }
}

void vApp::Warning(const char* text) {
    vWindowPlatform::Current().WarningBox("Zel", text);
}

void vApp::OnAppCommand(vWindow*, int id, int, int) {
    if (id == IdAppExit) {
        QuitApp();
    }
}

void vApp::OnLastWindowClosed(vWindow* window) {
    Defer(window);
    if (!_quitting) {
        vWindowPlatform::Current().ExitEventLoop(0);
    }
}

int vApp::CloseAppWindow(vWindow* window) {
    if (!window) {
        return 0;
    }
    window->CloseCmdWindow();
    RemoveWindow(window);
    Defer(window);
    return 1;
}

int vApp::DiscardAppWindow(vWindow* window) {
    return vApp::CloseAppWindow(window);
}

void vApp::QuitApp() {
    if (_quitting) {
        return;
    }
    StopWorkTimer();
    _quitting = true;
    while (!_windows.empty()) {
        WindowNode first = _windows.front();
        int result = first.info ? CloseAppWindow(first.window) : DiscardAppWindow(first.window);
        if (result == 0) {
            _quitting = false;
            return;
        }
        // An override that accepted without taking the window off the list would be offered
        // the same window for ever.
        if (!_windows.empty() && _windows.front().window == first.window) {
            RemoveWindow(first.window);
            Defer(first.window);
        }
    }
    _quitting = false;
    vWindowPlatform::Current().ExitEventLoop(0);
}

void vApp::OnAppKey(vWindow*, int, int) {}

vWindow* vApp::NewAppWindow(vWindow* window, const char* title, int width, int height,
                            vAppWinInfo* info) {
    if (!window) {
        window = new vCmdWindow(title, width, height);
    }
    if (!info) {
        info = new vAppWinInfo(title, 0);
    }
    _windows.push_front({window, info});
    return window;
}

vWindow* vApp::RegisterAppWindow(vWindow* window) {
    if (window) {
        _windows.push_front({window, nullptr});
    }
    return window;
}

void vApp::OnFileDropped(const char*) {}

void vApp::OnWorkTick() {}

void vApp::OnEndSignal(int) {
    vWindowPlatform::Current().ExitEventLoop(0);
}

void vApp::EndSignalArrived(int) {
    for (int signal = vEndSignals::Take(); signal != 0; signal = vEndSignals::Take()) {
        if (theApp != nullptr) {
            theApp->OnEndSignal(signal);
        }
    }
}

// The windowing system may end the program with exit() from inside the event loop when its
// connection breaks. The windows still open would then be torn down by the static
// application object's destructor, after the platform has gone, and crash on the way: the
// program keeps what it must and ends here instead.
void vApp::ExitedInEventLoop() {
    if (theApp == nullptr || !theApp->_inEventLoop) {
        return;
    }
    theApp->_inEventLoop = false;
    theApp->OnPlatformLost();
    std::fflush(nullptr);
    _exit(1);
}

void vApp::WatchForTheEnd() {
    static bool registered = false;
    if (!registered) {
        registered = std::atexit(&vApp::ExitedInEventLoop) == 0;
    }
    if (vEndSignals::Install()) {
        vWindowPlatform::Current().WatchDescriptor(vEndSignals::ReadEnd(), &vApp::EndSignalArrived);
    }
}

vWindow* vApp::WindowAt(int index) const {
    for (const WindowNode& node : _windows) {
        if (index-- == 0) {
            return node.window;
        }
    }
    return nullptr;
}

vAppWinInfo* vApp::InfoOf(const vWindow* window) const {
    for (const WindowNode& node : _windows) {
        if (node.window == window) {
            return node.info;
        }
    }
    return nullptr;
}

bool vApp::IsDeferred(const vWindow* window) const {
    return std::find(_deferred.begin(), _deferred.end(), window) != _deferred.end();
}

void vApp::RemoveWindow(vWindow* window) {
    for (auto it = _windows.begin(); it != _windows.end(); ++it) {
        if (it->window == window) {
            delete it->info;
            _windows.erase(it);
            return;
        }
    }
}

void vApp::Defer(vWindow* window) {
    if (window && !IsDeferred(window)) {
        _deferred.push_back(window);
    }
}

void vApp::StartWorkTimer(int milliseconds) {
    if (!_workTimer) {
        _workTimer = new vWorkTimer();
    }
    _workTimer->StartTimer(milliseconds);
}

void vApp::StopWorkTimer() {
    delete _workTimer;
    _workTimer = nullptr;
}

void vApp::RegisterPane(vPane* pane) {
    if (pane && std::find(_panes.begin(), _panes.end(), pane) == _panes.end()) {
        _panes.insert(_panes.begin(), pane);
    }
}

void vApp::UnregisterPane(vPane* pane) {
    _panes.erase(std::remove(_panes.begin(), _panes.end(), pane), _panes.end());
}

// Whatever panes appear or vanish, the child windows' area takes the room that is left.
void vApp::ShowPanesFor(vWindow* active) {
    if (paneActivation) {
        paneActivation(active);
    }
    LayoutFrame();
}

void vApp::LayoutFrame() {
    if (paneLayout) {
        paneLayout();
    }
}

void vApp::InstallFrameMenu() {
    vWindowPlatform::Current().SetFrameMenu(_frameMenu, 0);
}

void vApp::FrameCommand(int id) {
    vWindowPlatform& platform = vWindowPlatform::Current();
    switch (id) {
        case IdCascade:
            platform.ArrangeChildren(vWindowPlatform::ArrangeCascade);
            return;
        case IdTile:
            platform.ArrangeChildren(vWindowPlatform::ArrangeTile);
            return;
        case IdArrange:
            platform.ArrangeChildren(vWindowPlatform::ArrangeIcons);
            return;
        case IdFrameNew:
            OnAppCommand(nullptr, IdAppNew, 0, 0);
            return;
        case IdFrameOpen:
            OnAppCommand(nullptr, IdAppOpen, 0, 0);
            return;
        case IdFrameExit:
            OnAppCommand(nullptr, IdAppExit, 0, 0);
            return;
        default:
            break;
    }
    if (id < IdFirstChild && vWindow::ActiveWindow()) {
        vWindow::ActiveWindow()->OnMenuCommand(id);
    }
}

void vApp::FrameCloseRequest() {
    QuitApp();
}

void vApp::FrameResized() {
    LayoutFrame();
}

void vApp::FrameFileDropped(const char* path) {
    OnFileDropped(path);
}

void vApp::BuildFrameMenu() {
    vWindowPlatform& platform = vWindowPlatform::Current();
    _fileMenu = platform.CreateMenu();
    platform.AppendMenuItem(_fileMenu, IdFrameNew, "&New");
    platform.AppendMenuItem(_fileMenu, IdFrameOpen, "&Open");
    platform.AppendMenuSeparator(_fileMenu);
    platform.AppendMenuItem(_fileMenu, IdFrameExit, "E&xit");
    _frameMenu = platform.CreateMenu();
    platform.AppendSubmenu(_frameMenu, _fileMenu, "&File");
}

void vApp::MakeSharedObjects() {
    vWindowPlatform& platform = vWindowPlatform::Current();
    auto colour = [&platform](vWindowPlatform::SystemColour which) {
        uint32_t packed = platform.SystemColor(which);
        return vColor(packed >> 16 & 0xff, packed >> 8 & 0xff, packed & 0xff);
    };
    vColor face = colour(vWindowPlatform::ColourButtonFace);
    vColor highlight = colour(vWindowPlatform::ColourButtonHighlight);
    _shadowPen.SetColor(colour(vWindowPlatform::ColourButtonShadow));
    _highlightPen.SetColor(highlight == face ? vColor(255, 255, 255) : highlight);
    _faceBrush.SetColor(face);
}

void vApp::PrepareArguments(vArgumentList& arguments, int argc, char** argv) {
    arguments.SetFromArgv(argc, argv);
    // The program is named by its full path, whatever name it was started by.
    arguments.SetProgramPath(ProgramPaths::Executable());
    arguments.RemoveDebugOption();
}

int vApp::OnCommandLine(int, char**) {
    return ContinueStart;
}

int vApp::AnswerCommandLine(int argc, char** argv) {
    vArgumentList arguments;
    PrepareArguments(arguments, argc, argv);
    const int dropped = argc - 1 - vArgumentList::MaxArguments;
    if (dropped > 0) {
        std::fprintf(stderr, "%s: only the first %d arguments are taken; %d more are left out\n",
                     argv[0], vArgumentList::MaxArguments, dropped);
    }
    return OnCommandLine(arguments.Argc(), arguments.Argv());
}

int vApp::Run(int argc, char** argv, vAppStartFunction start) {
    vArgumentList arguments;
    PrepareArguments(arguments, argc, argv);
    vWindowPlatform& platform = vWindowPlatform::Current();
    BuildFrameMenu();
    bool defaultSize = _defaultWidth > 0 && _defaultHeight > 0;
    _frameWidth = defaultSize ? _defaultWidth + 20 : 0;
    _frameHeight = defaultSize ? _defaultHeight + 20 : 0;
    if (!platform.CreateFrame(Name(), _frameWidth, _frameHeight, this)) {
        TearDown();
        return 1;
    }
    InstallFrameMenu();
    if (!defaultSize) {
        platform.FrameSize(_frameWidth, _frameHeight);
        _defaultHeight = std::max(MinimumDefaultSize, _frameHeight - 200);
        _defaultWidth = std::max(MinimumDefaultSize, _frameWidth - 50);
    }
    MakeSharedObjects();
    platform.ShowFrame();
    _initialised = true;
    WatchForTheEnd();
    _inEventLoop = true;
    int code = start ? start(arguments.Argc(), arguments.Argv()) : 0;
    if (code == 0) {
        code = platform.RunEventLoop();
    }
    _inEventLoop = false;
    TearDown();
    return code;
}

void vApp::RestoreFrame() {
    vWindowPlatform::Current().RestoreFrame();
}

// After the event loop: the windows, the work timer, the frame's menu and the frame.
void vApp::TearDown() {
    StopWorkTimer();
    // Windows still open when the loop ended (it can be ended without quitting) go too.
    std::vector<vWindow*> doomed;
    doomed.swap(_deferred);
    for (WindowNode& node : _windows) {
        if (std::find(doomed.begin(), doomed.end(), node.window) == doomed.end()) {
            doomed.push_back(node.window);
        }
        delete node.info;
    }
    _windows.clear();
    for (vWindow* window : doomed) {
        delete window;
    }
    vWindowPlatform& platform = vWindowPlatform::Current();
    if (_frameMenu) {
        platform.SetFrameMenu(nullptr, -1);
        platform.DestroyMenu(_fileMenu);
        platform.DestroyMenu(_frameMenu);
        platform.DestroyFrame();
    }
    _fileMenu = _frameMenu = nullptr;
    _initialised = false;
}
