#pragma once

#include <vector>

#include "toolkit/ControlSpec.h"
#include "toolkit/vBaseWindow.h"
#include "toolkit/vCmdParent.h"

class vCmd;

// A named dialog built from a ControlSpec table, shown beside the windows (modeless) and
// reporting every control action to OnDialogCommand. The description is kept for the dialog's
// life and the window is made anew from it, and from the current table, at every showing.
class vDialog : public vBaseWindow, public vCmdParent {
public:
    // Owner is the command window the dialog belongs to.
    vDialog(vBaseWindow* owner, const char* name);
    ~vDialog() override;

    void OpenWindow() override {}
    void PresentWindow() override {}
    virtual void AddControls(ControlSpec* table);
    virtual void AddControlObject(ControlSpec* entry, vCmd* control);
    virtual void CancelDialog();
    virtual void CloseDialog();
    virtual void SetDialogTitle(const char* text);
    virtual void OnDialogCommand(int id, int value, int kind);
    virtual void OnDialogShown() {}
    virtual void ShowDialog(const char* message);
    virtual void ForwardDialogCommand(int id, int value, int kind);
    virtual void ReservedDialogSlot() {}

    void OnControlCommand(int id, int value, int kind) override;
    // Moves the dialog to (x, y) pixels from the top-left of the child windows' area.
    void MoveDialogTo(int x, int y);

    bool IsDisplayed() const { return _displayed; }
    bool IsModal() const { return _modal; }
    int DefaultId() const { return _defaultId; }
    int FirstTextInId() const { return _firstTextInId; }

    // Dialogs with a window on screen.
    static const std::vector<vDialog*>& OpenDialogs() { return _open; }

protected:
    vDialog(vBaseWindow* owner, const char* name, bool modal);
    bool AcceptsInput() const override;
    // Makes the window and runs it: modal dialogs return when they have closed.
    void RunWindow();

private:
    void NoteControl(const ControlSpec& entry);
    void Forget();

    vWindowHandle _owner;
    bool _modal;
    bool _displayed = false;
    int _defaultId = 0;
    int _firstTextInId = 0;

    static inline std::vector<vDialog*> _open;
};
