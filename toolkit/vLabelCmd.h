#pragma once

#include "toolkit/vCmd.h"

// Static text, a blank spacer, or an icon shown as a label.
class vLabelCmd : public vCmd {
public:
    vLabelCmd(vCmdParent* parent, ControlSpec* entry) : vCmd(parent, entry) {}
    // Builds the entry as a label of another kind (a stand-in for an unbuildable entry).
    vLabelCmd(vCmdParent* parent, ControlSpec* entry, int kind) : vCmd(parent, entry) {
        _kind = kind;
    }

    void BuildControl() override;
    int ControlValue(int id) const override {
        (void)id;
        return 0;
    }
    void ChangeControl(int value, int aspect) override { ChangeShownState(value, aspect); }
    void DrawControl(vItemPainter& painter) override;
    void InitText() override;
    bool TakesNoInput(bool inDialog) const override {
        (void)inDialog;
        return _kind == CtlIconLabel;
    }

private:
    void BuildIcon();
};
