#pragma once

#include "toolkit/vCmd.h"

// A rectangle that groups the controls placed inside it and grows to enclose them. A toggle
// frame's value shows or hides everything inside it.
class vFrameCmd : public vCmd {
public:
    vFrameCmd(vCmdParent* parent, ControlSpec* entry) : vCmd(parent, entry) {}

    void BuildControl() override;
    int ControlValue(int id) const override;
    void ChangeControl(int value, int aspect) override;
    void DrawControl(vItemPainter& painter) override;
    bool TakesNoInput(bool inDialog) const override { return _kind == CtlFrame || inDialog; }
};
