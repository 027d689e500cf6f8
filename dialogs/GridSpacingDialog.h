#pragma once

#include "toolkit/vModalDialog.h"

// The modal dialog of the snap grid's spacing, in file units. OK takes the typed spacing when it
// is a number within the options' range; otherwise the dialog says under the field what is
// wanted and stays open with the text as typed.
class GridSpacingDialog : public vModalDialog {
public:
    static constexpr const char* kTitle = "Grid spacing";

    GridSpacingDialog(vBaseWindow* parent, double spacing);

    void OnDialogCommand(int id, int value, int kind) override;
    void OnDialogShown() override;

    double spacing;
};
