#pragma once

#include "toolkit/vCmd.h"

// A push button, an icon button, or a toggle button that flips its value on each click.
class vButtonCmd : public vCmd {
public:
    vButtonCmd(vCmdParent* parent, ControlSpec* entry) : vCmd(parent, entry) {}

    void BuildControl() override;
    void ResetControl() override;
    void ChangeControl(int value, int aspect) override;
    void OnControlNotify(int id, int code) override;
    void DrawControl(vItemPainter& painter) override;
    void InitText() override;

private:
    bool IsToggle() const { return _kind == CtlToggleButton || _kind == CtlToggleIconButton; }
    bool IsOwnerDrawn() const { return _kind != CtlButton; }
};
