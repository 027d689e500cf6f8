#include "dialogs/GridSpacingDialog.h"

#include "dialogs/TypedNumberField.h"
#include "model/CanvasOptions.h"
#include "toolkit/CommandIds.h"

namespace {

enum SpacingIds {
    Caption = 1000,
    SpacingField = 1001,
    ButtonSpacer = 1002,
    OkButton = 1003,
    Problem = 1004,
};

constexpr const char* kBadSpacing = "Not a number from 0.001 to 10: try again.";
// Room for the message under the field, blank until it is needed.
constexpr char kNoProblem[] = "                                          ";
static_assert(sizeof kNoProblem > sizeof "Not a number from 0.001 to 10: try again.");

const TypedNumberField spacingField(SpacingField, Problem, kBadSpacing,
                                    CanvasOptions::ValidSpacing);

ControlSpec spacingTable[] = {
    // kind, id, value, label, extra, attributes, enabled, insideFrame, rightOf, below, width, tip
    {CtlLabel, Caption, 0, "Grid spacing in file units (0.001 to 10):", nullptr, 0, 1, 0, 0, 0, 0,
     nullptr},
    {CtlTextIn, SpacingField, 0, "", nullptr, AttrNarrow, 1, 0, 0, Caption, 0, nullptr},
    {CtlText, Problem, 0, "", kNoProblem, AttrNoBorder, 1, 0, 0, SpacingField, 0, nullptr},
    {CtlText, ButtonSpacer, 0, "", "          ", AttrNoBorder, 1, 0, 0, Problem, 0, nullptr},
    {CtlButton, IdCancel, IdCancel, " Cancel ", nullptr, 0, 1, 0, ButtonSpacer, Problem, 0,
     nullptr},
    {CtlButton, OkButton, IdOk, " OK ", nullptr, AttrDefault, 1, 0, IdCancel, Problem, 0, nullptr},
    {CtlEnd, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
};

}  // namespace

GridSpacingDialog::GridSpacingDialog(vBaseWindow* parent, double spacing)
    : vModalDialog(parent, kTitle), spacing(spacing) {
    AddControls(spacingTable);
}

void GridSpacingDialog::OnDialogShown() {
    spacingField.Show(*this, spacing);
}

void GridSpacingDialog::OnDialogCommand(int id, int value, int kind) {
    if (id == OkButton) {
        if (!spacingField.Take(*this, spacing)) {
            return;
        }
        id = IdOk;
    }
    vModalDialog::OnDialogCommand(id, value, kind);
}
