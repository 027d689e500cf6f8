#pragma once

#include "toolkit/vCmd.h"

// An owner-drawn label in a sunken box: the fields of a status bar.
class vBoxedLabelCmd : public vCmd {
public:
    // The caption buffer holds 79 characters; a longer caption is shown as "????????".
    static constexpr int kBufferSize = 80;

    vBoxedLabelCmd(vCmdParent* parent, ControlSpec* entry);

    void BuildControl() override;
    int ControlValue(int id) const override {
        (void)id;
        return 0;
    }
    void ChangeControl(int value, int aspect) override { ChangeShownState(value, aspect); }
    void ChangeText(const char* text) override;
    void SetCaption(const char* text) override;
    void DrawControl(vItemPainter& painter) override;
    void InitText() override;

private:
    // A caption cut by its box shows whole in the box's tooltip; a whole one leaves the table's.
    void FollowCutText();

    std::string _tooltip;
};
