#include "toolkit/vDialog.h"

#include <algorithm>

#include "toolkit/CommandIds.h"
#include "toolkit/platform/vControlHost.h"
#include "toolkit/platform/vControlPlatform.h"
#include "toolkit/vCmd.h"
#include "toolkit/vModalDialog.h"
#include "toolkit/vPane.h"

namespace {
constexpr unsigned kDialogStyle = DialogPopup | DialogVisible | DialogCaption | DialogSetFont;
constexpr int kDialogX = 10;
constexpr int kDialogY = 25;

// Typing goes into the first field the user can type into, in table order, whichever control
// took the focus while the controls were made; a dialog without one keeps that.
void FocusFirstField(const std::vector<vCmd*>& controls, vControlHost& host) {
    for (const vCmd* control : controls) {
        if (control->Kind() == CtlTextIn && control->Enabled() &&
            (control->Attributes() & AttrHidden) == 0) {
            host.FocusItem(control->Item());
            return;
        }
    }
}

}  // namespace

vDialog::vDialog(vBaseWindow* owner, const char* name) : vDialog(owner, name, false) {}

vDialog::vDialog(vBaseWindow* owner, const char* name, bool modal)
    : vBaseWindow(name),
      vCmdParent(RoleDialog, PaneDialog),
      _owner(owner != nullptr ? owner->Handle() : nullptr),
      _modal(modal) {
    StartTemplate(kDialogStyle | (modal ? DialogModalFrame : 0u), kDialogX, kDialogY, Name());
}

vDialog::~vDialog() {
    Forget();
}

void vDialog::Forget() {
    _open.erase(std::remove(_open.begin(), _open.end(), this), _open.end());
}

void vDialog::NoteControl(const ControlSpec& entry) {
    if ((entry.attributes & AttrDefault) != 0) {
        _defaultId = entry.id;
    }
    if (entry.kind == CtlTextIn && _firstTextInId == 0) {
        _firstTextInId = entry.id;
    }
}

void vDialog::AddControls(ControlSpec* table) {
    if (!Template().Started()) {
        return;
    }
    for (ControlSpec* entry = table; entry != nullptr && entry->kind != CtlEnd; ++entry) {
        AddControl(entry);
        NoteControl(*entry);
    }
    FinishTemplate();
}

void vDialog::AddControlObject(ControlSpec* entry, vCmd* control) {
    AdoptControl(control);
    NoteControl(*entry);
}

void vDialog::ShowDialog(const char* message) {
    if (_displayed) {
        return;
    }
    if (message != nullptr && message[0] != '\0') {
        // The table keeps the message: a later showing without one shows it again.
        for (vCmd* control : Controls()) {
            if ((control->Attributes() & AttrMessage) != 0) {
                control->SetCaption(message);
                control->Entry()->label = message;
            }
        }
    }
    for (vCmd* control : Controls()) {
        control->RememberValue();
    }
    _displayed = true;
    RunWindow();
}

void vDialog::RunWindow() {
    vControlPlatform* platform = vControlPlatform::Current();
    if (platform != nullptr) {
        vControlHost* host = platform->CreateDialogHost(Template(), this, _owner, _modal);
        if (host == nullptr) {
            _displayed = false;
            return;
        }
        AttachHost(host);
    }
    _open.push_back(this);
    Host().SetCaption(Name());
    InitControls();
    OnDialogShown();
    FocusFirstField(Controls(), Host());
    if (!_modal) {
        Host().ShowWindow();
        return;
    }
    Host().RunModal();
    _displayed = false;
    Forget();
    DestroyHost();
}

void vDialog::CancelDialog() {
    const std::vector<vCmd*>& controls = Controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        (*it)->ResetControl();
    }
    CloseDialog();
}

void vDialog::CloseDialog() {
    _displayed = false;
    if (!_modal) {
        // A modal window goes when its loop has returned.
        DestroyHost();
        Forget();
    }
}

void vDialog::SetDialogTitle(const char* text) {
    Host().SetCaption(text);
}

void vDialog::MoveDialogTo(int x, int y) {
    Host().MoveTo(x, y);
}

void vDialog::OnDialogCommand(int id, int value, int kind) {
    (void)value;
    (void)kind;
    if (id == IdCancel) {
        CancelDialog();
    } else if (id == IdDone || id == IdOk) {
        CloseDialog();
    }
}

void vDialog::ForwardDialogCommand(int id, int value, int kind) {
    OnDialogCommand(id, value, kind);
}

void vDialog::OnControlCommand(int id, int value, int kind) {
    ForwardDialogCommand(id, value, kind);
}

bool vDialog::AcceptsInput() const {
    const vModalDialog* modal = vModalDialog::Current();
    return modal == nullptr || modal == this;
}
