#pragma once

#include "toolkit/vCmd.h"

// A single-line text entry. It reads its text when the text changes, then reports 32158; it
// reports 32159 when it loses the focus.
class vTextInCmd : public vCmd {
public:
    // Text read from the window is kept to 129 characters.
    static constexpr int kBufferSize = 130;

    vTextInCmd(vCmdParent* parent, ControlSpec* entry) : vCmd(parent, entry) {}

    void BuildControl() override;
    int ControlValue(int id) const override {
        (void)id;
        return 0;
    }
    void ChangeControl(int value, int aspect) override { ChangeShownState(value, aspect); }
    void OnControlNotify(int id, int code) override;
    void InitText() override;
    bool TakesFocus() const override { return true; }
    bool ReadText(char* buffer, int length) const override;
};
