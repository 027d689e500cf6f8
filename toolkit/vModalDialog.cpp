#include "toolkit/vModalDialog.h"

#include "toolkit/platform/vControlHost.h"

vModalDialog::vModalDialog(vBaseWindow* owner, const char* name) : vDialog(owner, name, true) {}

vModalDialog::~vModalDialog() {
    if (_current == this) {
        RestorePrevious();
    }
}

void vModalDialog::RestorePrevious() {
    _current = _previous;
    _previous = nullptr;
}

void vModalDialog::CloseDialog() {
    const bool wasDisplayed = IsDisplayed();
    vDialog::CloseDialog();
    if (_current == this) {
        RestorePrevious();
    }
    if (wasDisplayed) {
        Host().EndModal(1);
    }
}

void vModalDialog::OnDialogCommand(int id, int value, int kind) {
    vDialog::OnDialogCommand(id, value, kind);
    _lastId = id;
    _lastValue = value;
    _lastKind = kind;
}

int vModalDialog::ShowModal(const char* message, int& value) {
    if (IsDisplayed()) {
        return 0;
    }
    _lastId = 0;
    _lastValue = 0;
    _previous = _current;
    _current = this;
    ShowDialog(message);
    // A dialog that could not be shown never closed: put the previous one back here.
    if (_current == this) {
        RestorePrevious();
    }
    value = _lastValue;
    return _lastId;
}

int vModalDialog::ShowTableWithMessage(ControlSpec* table, int textEntry, bool& added,
                                       const char* message) {
    table[textEntry].label = message;
    if (!added) {
        AddControls(table);
        added = true;
    }
    int value = 0;
    return ShowModal(message, value);
}
