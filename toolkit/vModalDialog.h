#pragma once

#include "toolkit/vDialog.h"

// A dialog that blocks until a closing command and returns that command's id to the caller.
// While one is open, other dialogs ignore their controls.
class vModalDialog : public vDialog {
public:
    vModalDialog(vBaseWindow* owner, const char* name);
    ~vModalDialog() override;

    void CloseDialog() override;
    void OnDialogCommand(int id, int value, int kind) override;
    // Runs the dialog; returns the closing command's id and stores its value.
    virtual int ShowModal(const char* message, int& value);

    // The modal dialog now open, or null.
    static vModalDialog* Current() { return _current; }

protected:
    // For dialogs built from one shared table: the message goes into the table's text entry
    // (which keeps it afterwards), the table is added on the first showing only, and the dialog
    // runs. Returns the closing command's id.
    int ShowTableWithMessage(ControlSpec* table, int textEntry, bool& added, const char* message);

private:
    void RestorePrevious();

    vModalDialog* _previous = nullptr;
    int _lastId = 0;
    int _lastValue = 0;
    int _lastKind = 0;

    static inline vModalDialog* _current = nullptr;
};
