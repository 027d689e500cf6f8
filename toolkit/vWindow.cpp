#include "toolkit/vWindow.h"

#include <algorithm>
#include <cstring>

#include "toolkit/CommandIds.h"
#include "toolkit/ControlSpec.h"
#include "toolkit/platform/vControlPlatform.h"
#include "toolkit/platform/vWindowPlatform.h"
#include "toolkit/vApp.h"
#include "toolkit/vCanvasPane.h"
#include "toolkit/vPane.h"

std::vector<vWindow*> vWindow::_all;
vWindow* vWindow::_active = nullptr;
vWindow* vWindow::_lastDeactivated = nullptr;
int vWindow::_childCount = 0;

namespace {

int DefaultSize(int wanted, bool horizontal) {
    if (wanted > 0 || !theApp) {
        return wanted > 0 ? wanted : 0;
    }
    return horizontal ? theApp->DefaultWidth() : theApp->DefaultHeight();
}

}  // namespace

vWindow::vWindow(const char* title, int width, int height)
    : vBaseWindow(title), _width(DefaultSize(width, true)), _height(DefaultSize(height, false)) {
    OpenWindow();
    _all.insert(_all.begin(), this);
}

vWindow::~vWindow() {
    if (!_closed) {
        Unlink();
    }
    vWindowPlatform::Current().DestroyMenu(_menu);
}

void vWindow::OpenWindow() {
    if (_created || (theApp && theApp->SingleDocument() && _childCount > 0)) {
        return;
    }
    vWindowPlatform& platform = vWindowPlatform::Current();
    _menu = platform.CreateMenu();
    _surface.Resize(_width, _height);
    _handle = platform.CreateChild(Name(), _width, _height, &_surface, this);
    ++_childCount;
    _created = true;
}

// Takes the window out of the global lists and the platform's client area.
void vWindow::Unlink() {
    _closed = true;
    _all.erase(std::remove(_all.begin(), _all.end(), this), _all.end());
    if (_active == this) {
        _active = nullptr;
    }
    if (_lastDeactivated == this) {
        _lastDeactivated = nullptr;
    }
    if (_created) {
        --_childCount;
        vWindowPlatform::Current().DestroyChild(_handle);
        _handle = nullptr;
    }
}

void vWindow::CloseCmdWindow() {
    if (!_closed) {
        Unlink();
    }
}

void vWindow::SetRequestedSize(int width, int height) {
    _width = width;
    _height = height;
}

void vWindow::OnWindowKey(int key, int modifiers) {
    if (theApp) {
        theApp->OnAppKey(this, key, modifiers);
    }
}

void vWindow::OnWindowFileDropped(const char* path) {
    if (theApp) {
        theApp->OnFileDropped(path);
    }
}

void vWindow::OnMenuCommand(int id) {
    OnWindowCommand(id, id, CtlMenuItem);
}

void vWindow::OnWindowCommand(int id, int value, int kind) {
    if (theApp) {
        theApp->OnAppCommand(this, id, value, kind);
    }
}

void vWindow::AttachPane(vPane* pane) {
    if (!pane) {
        return;
    }
    _panes.insert(_panes.begin(), pane);
    if (pane->PaneKind() != PaneMenu) {
        pane->InitPane(this, _handle);
        return;
    }
    _menuPane = pane;
    pane->InitPane(this, _menu);
    if (_active == this || _active == nullptr) {
        InstallMenu();
    }
}

int vWindow::GetControlValue(int id) {
    for (vPane* pane : _panes) {
        int value = 0;
        if (pane->PaneGetValue(id, value)) {
            return value;
        }
    }
    return 0;
}

int vWindow::GetControlText(int id, char* buffer, int length) {
    if (buffer == nullptr || length <= 0) {
        return 0;
    }
    buffer[0] = '\0';
    for (vPane* pane : _panes) {
        if (pane->PaneGetText(id, buffer, length)) {
            return static_cast<int>(std::strlen(buffer));
        }
    }
    return 0;
}

void vWindow::SetControlValue(int id, int value, int aspect) {
    for (vPane* pane : _panes) {
        pane->PaneSetValue(id, value, aspect);
    }
}

void vWindow::SetControlText(int id, const char* text) {
    for (vPane* pane : _panes) {
        pane->PaneSetText(id, text);
    }
}

void vWindow::SetControlValueAll(int id, int value, int aspect) {
    std::vector<vWindow*> windows = _all;
    for (vWindow* window : windows) {
        window->SetControlValue(id, value, aspect);
    }
}

void vWindow::SetControlTextAll(int id, const char* text) {
    std::vector<vWindow*> windows = _all;
    for (vWindow* window : windows) {
        window->SetControlText(id, text);
    }
}

void vWindow::BringToFront() {
    vWindowPlatform::Current().RaiseChild(_handle);
}

void vWindow::SetWindowTitle(const char* text) {
    SetName(text);
    vWindowPlatform::Current().SetChildTitle(_handle, Name());
}

void vWindow::GetWindowPlacement(int& left, int& top, int& width, int& height) {
    vWindowPlatform::Current().ChildPlacement(_handle, left, top, width, height);
}

void vWindow::MoveWindowTo(int left, int top) {
    vWindowPlatform::Current().MoveChild(_handle, left, top);
}

// A window without a menu pane leaves the frame's own menu in place.
void vWindow::InstallMenu() {
    if (_menuPane) {
        vWindowPlatform::Current().SetFrameMenu(_menu, _windowListIndex);
    } else if (theApp) {
        theApp->InstallFrameMenu();
    }
}

void vWindow::ChildResized(int width, int height) {
    _width = width;
    _height = height;
    _surface.Resize(width, height);
    _contentsOutdated = true;
    if (_canvas) {
        _canvas->SizeChanged(width, height);
    }
}

void vWindow::SurfaceChanged() {
    if (!_updatePending) {
        _updatePending = true;
        vWindowPlatform::Current().UpdateChild(_handle);
    }
}

void vWindow::ChildExposed() {
    _updatePending = false;
    if (_contentsOutdated && _canvas) {
        _contentsOutdated = false;
        _canvas->RepaintArea(0, 0, _surface.Width(), _surface.Height());
    }
}

void vWindow::ChildFocus(bool gained) {
    if (!gained) {
        if (_canvas) {
            _canvas->LostFocus();
        }
        return;
    }
    if (vControlPlatform* controls = vControlPlatform::Current()) {
        SetControlValueAll(IdPaste, controls->ClipboardHasText() ? 1 : 0, AspectEnabled);
    }
    if (_canvas) {
        _canvas->GotFocus();
    }
}

void vWindow::ChildActivated(bool active, bool byLeftPress) {
    if (!active) {
        if (_active == this) {
            _active = nullptr;
            _lastDeactivated = this;
        }
        if (theApp) {
            theApp->InstallFrameMenu();
        }
        return;
    }
    if (theApp && theApp->Quitting()) {
        return;
    }
    // Only the press that switches from another child is swallowed: it lands on a window the
    // user was not yet working in. A window made active any other way takes its first press.
    _justActivated = byLeftPress && _lastDeactivated != nullptr && _lastDeactivated != this;
    _lastDeactivated = nullptr;
    _active = this;
    InstallMenu();
    if (theApp) {
        theApp->ShowPanesFor(this);
    }
    OnWindowActivated();
}

void vWindow::ChildCloseRequest() {
    if (theApp) {
        theApp->CloseAppWindow(this);
    }
}

void vWindow::ChildMouse(MouseAction action, int button, int x, int y, int held) {
    // The activating press comes before any other report; when something else comes first (the
    // press was on a scroll bar), no press is swallowed.
    const bool activatingPress = _justActivated && action == MousePress && button == 1;
    _justActivated = false;
    if (activatingPress) {
        // Its release is swallowed with it, even after an earlier left press that never saw its
        // own release here: that release would otherwise reach the canvas without a press.
        _leftPressed = false;
        return;
    }
    if (!_canvas) {
        return;
    }
    _canvas->SetMouseModifiers(((held & HeldShift) ? ModShift : 0) |
                               ((held & HeldControl) ? ModControl : 0));
    switch (action) {
        case MousePress:
            if (button == 1) {
                _leftPressed = true;
            }
            _canvas->OnMouseDown(x, y, button);
            break;
        case MouseRelease:
            if (button != 1) {
                _canvas->OnMouseUp(x, y, button);
            } else if (_leftPressed) {
                _canvas->OnMouseUp(x, y, 1);
                _leftPressed = false;
            }
            break;
        case MouseMove:
            if (held & HeldLeft) {
                if (_leftPressed) {
                    _canvas->OnMouseMove(x, y, 1);
                } else {
                    _canvas->OnMouseMotion(x, y);
                }
            } else if (held & (HeldMiddle | HeldRight)) {
                _canvas->OnMouseMove(x, y, (held & HeldMiddle) ? 2 : 3);
            } else {
                _canvas->OnMouseMotion(x, y);
            }
            break;
    }
}

void vWindow::HandleKey(int key, int modifiers) {
    if (key == '\t' && (modifiers & ModShift)) {
        key = 0xFF09;
    } else if (key < 32) {
        modifiers &= ModShift;
    }
    int id = _menuPane ? _menuPane->PaneAccelerator(key, modifiers) : 0;
    if (id != 0) {
        OnMenuCommand(id);
    } else {
        OnWindowKey(key, modifiers);
    }
}

void vWindow::ChildWheel(int x, int y, int delta, bool sideways, int modifiers) {
    if (_canvas) {
        _canvas->OnMouseWheel(x, y, delta, sideways, modifiers);
    }
}

void vWindow::ChildScroll(bool horizontal, ScrollCode code, int position) {
    _justActivated = false;
    if (_canvas) {
        _canvas->HandleScroll(horizontal, code, position);
    }
}
