#include "toolkit/vCommandPane.h"

#include "toolkit/platform/vControlHost.h"
#include "toolkit/platform/vControlPlatform.h"
#include "toolkit/platform/vItemPainter.h"
#include "toolkit/vApp.h"
#include "toolkit/vCmd.h"
#include "toolkit/vWindow.h"

namespace {
constexpr unsigned kPaneStyle = DialogChild | DialogVisible | DialogClipSiblings | DialogSetFont;
}

vCommandPane::vCommandPane(ControlSpec* commandBar)
    : vPane(PaneCommandBar), vCmdParent(RoleCommandBar, PaneCommandBar), _table(commandBar) {}

vCommandPane::vCommandPane(const StatusFieldSpec* fields)
    : vPane(PaneStatusBar), vCmdParent(RoleStatusBar, PaneStatusBar), _table(nullptr) {
    for (const StatusFieldSpec* field = fields; field != nullptr && field->text != nullptr;
         ++field) {
        _statusTexts.emplace_back(field->text);
    }
    size_t index = 0;
    for (const StatusFieldSpec* field = fields; field != nullptr && field->text != nullptr;
         ++field, ++index) {
        _statusEntries.push_back({CtlBoxedLabel, field->id, 0, _statusTexts[index].c_str(), nullptr,
                                  field->attributes, field->enabled & 1, 0, 0, 0, field->width,
                                  nullptr});
    }
    _statusEntries.push_back({});
    _table = _statusEntries.data();
}

vCommandPane::~vCommandPane() {
    if (theApp != nullptr) {
        theApp->UnregisterPane(this);
    }
}

void vCommandPane::InitPane(vWindow* window, vPaneHandle handle) {
    (void)handle;
    _window = window;
    if (!StartTemplate(kPaneStyle, 0, 0, "")) {
        return;
    }
    AddControlTable(_table);
    if (vControlPlatform* platform = vControlPlatform::Current()) {
        AttachHost(platform->CreatePaneHost(Template(), this));
    }
    Template().Free();
    InitControls();
    _active = true;
    _height = Host().ClientHeight();
    if (theApp != nullptr) {
        InstallFrameHooks();
        theApp->RegisterPane(this);
        theApp->ShowPanesFor(window);
    }
}

void vCommandPane::InstallFrameHooks() {
    if (theApp->paneActivation) {
        return;
    }
    theApp->paneActivation = [](vWindow* active) {
        for (vPane* pane : theApp->Panes()) {
            if (auto* command = dynamic_cast<vCommandPane*>(pane)) {
                command->FollowActivation(active);
            }
        }
    };
    theApp->paneLayout = [] {
        if (vControlPlatform* platform = vControlPlatform::Current()) {
            int width = 0;
            int height = 0;
            platform->FrameClientSize(width, height);
            int top = 0;
            int bottom = height;
            LayoutPanes(theApp->Panes(), width, top, bottom);
            platform->PlaceClientArea(0, top, width, bottom > top ? bottom - top : 0);
        }
    };
}

void vCommandPane::LayoutPanes(const std::vector<vPane*>& panes, int width, int& top, int& bottom) {
    for (vPane* pane : panes) {
        if (auto* command = dynamic_cast<vCommandPane*>(pane)) {
            command->TakePlace(width, top, bottom);
        }
    }
}

void vCommandPane::FollowActivation(const vWindow* active) {
    _active = active != nullptr && active == _window;
    Host().SetPaneVisible(_active && _visible);
}

void vCommandPane::TakePlace(int width, int& top, int& bottom) {
    if (!_active || !_visible || !HasHost() || !Host().PaneVisible()) {
        return;
    }
    if (Role() == RoleStatusBar) {
        bottom -= _height;
        _position = bottom;
    } else {
        _position = top;
        top += _height;
    }
    Host().PlacePane(0, _position, width, _height);
}

bool vCommandPane::PaneGetValue(int id, int& value) {
    if (FindControl(id) == nullptr) {
        return false;
    }
    value = GetControlValue(id);
    return true;
}

bool vCommandPane::PaneGetText(int id, char* buffer, int length) {
    if (FindControl(id) == nullptr) {
        return false;
    }
    GetControlText(id, buffer, length);
    return true;
}

void vCommandPane::PaneSetValue(int id, int value, int aspect) {
    SetControlValue(id, value, aspect);
}

void vCommandPane::PaneSetText(int id, const char* text) {
    SetControlText(id, text);
}

void vCommandPane::ShowPane(int on) {
    _visible = on != 0;
    Host().SetPaneVisible(_active && _visible);
    if (theApp != nullptr) {
        theApp->LayoutFrame();
    }
}

void vCommandPane::ForwardPaneCommand(int id, int value, int kind) {
    if (_window != nullptr) {
        _window->OnWindowCommand(id, value, kind);
    }
}

void vCommandPane::OnControlCommand(int id, int value, int kind) {
    ForwardPaneCommand(id, value, kind);
    // Lists report only selections, after which the focus goes back as after a click; typing
    // in a text entry goes on.
    if (kind != CtlTextIn) {
        Host().ReturnFocus();
    }
}

void vCommandPane::OnWindowPaint(vItemPainter& painter) {
    const int w = painter.Width();
    const int h = painter.Height();
    if (Role() == RoleStatusBar) {
        painter.Line(0, 0, w, 0, ShadeShadow);
        painter.Line(0, 1, w, 1, ShadeHighlight);
        const int left = 10;
        const int right = w - 10;
        const int top = 3;
        const int bottom = h - 3;
        painter.Line(left, bottom, left, top, ShadeShadow);
        painter.Line(left, top, right, top, ShadeShadow);
        painter.Line(right, top, right, bottom, ShadeHighlight);
        painter.Line(right, bottom, left, bottom, ShadeHighlight);
        return;
    }
    painter.Line(0, 0, w, 0, ShadeHighlight);
    const int edge = h - painter.BorderHeight();
    painter.Line(0, edge, w, edge, ShadeShadow);
}
