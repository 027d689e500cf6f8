#pragma once

#include "toolkit/vCmd.h"

// A check box: each click toggles it and reports the new state.
class vCheckBoxCmd : public vCmd {
public:
    vCheckBoxCmd(vCmdParent* parent, ControlSpec* entry) : vCmd(parent, entry) {}

    void BuildControl() override;
    void ResetControl() override;
    void ChangeControl(int value, int aspect) override;
    void OnControlNotify(int id, int code) override;
    void InitText() override;
    void InitValue() override;

protected:
    // Shared by radio buttons: caption width, three units of room and the box.
    void BuildCheckable(unsigned kindStyle);
    void TakeValue(int value);
};
