#include "dialogs/ConvertSplineDialog.h"

#include "dialogs/TypedNumberField.h"
#include "toolkit/CommandIds.h"

namespace {

enum ConvertIds {
    SplineCaption = 1200,
    SplineList = 1201,
    KeepBox = 1202,
    ToleranceCaption = 1203,
    ToleranceField = 1204,
    Problem = 1205,
    ButtonSpacer = 1206,
    OkButton = 1207,
};

constexpr const char* kBadTolerance = "Not a number above 0: try again.";
// Room for the message under the field, blank until it is needed.
constexpr char kNoProblem[] = "                                  ";
static_assert(sizeof kNoProblem > sizeof "Not a number above 0: try again.");

// In the order of the spline types' values.
const char* splineNames[] = {"linear", "quadratic", "cubic", "bezier", nullptr};
constexpr int SplineCount = 4;

const TypedNumberField toleranceField(ToleranceField, Problem, kBadTolerance,
                                      TypedNumberField::AboveZero);

ControlSpec convertTable[] = {
    // kind, id, value, label, extra, attributes, enabled, insideFrame, rightOf, below, width, tip
    {CtlLabel, SplineCaption, 0, "Convert to:", nullptr, 0, 1, 0, 0, 0, 0, nullptr},
    {CtlComboBox, SplineList, 0, "", splineNames, 0, 1, 0, SplineCaption, 0, 0, nullptr},
    {CtlCheckBox, KeepBox, 1, "Keep the shape", nullptr, 0, 1, 0, 0, SplineList, 0, nullptr},
    {CtlLabel, ToleranceCaption, 0, "Tolerance in file units:", nullptr, 0, 1, 0, 0, KeepBox, 0,
     nullptr},
    {CtlTextIn, ToleranceField, 0, "", nullptr, AttrNarrow, 1, 0, 0, ToleranceCaption, 0, nullptr},
    {CtlText, Problem, 0, "", kNoProblem, AttrNoBorder, 1, 0, 0, ToleranceField, 0, nullptr},
    {CtlText, ButtonSpacer, 0, "", "        ", AttrNoBorder, 1, 0, 0, Problem, 0, nullptr},
    {CtlButton, IdCancel, IdCancel, " Cancel ", nullptr, 0, 1, 0, ButtonSpacer, Problem, 0,
     nullptr},
    {CtlButton, OkButton, IdOk, " OK ", nullptr, AttrDefault, 1, 0, IdCancel, Problem, 0, nullptr},
    {CtlEnd, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
};

}  // namespace

ConvertSplineDialog::ConvertSplineDialog(vBaseWindow* parent, int spline, double tolerance)
    : vModalDialog(parent, kTitle), spline(spline), tolerance(tolerance) {
    AddControls(convertTable);
}

void ConvertSplineDialog::OnDialogShown() {
    SetControlValue(SplineList, spline, AspectValue);
    SetControlValue(KeepBox, keepShape ? 1 : 0, AspectValue);
    toleranceField.Show(*this, tolerance, "%.3g");
}

void ConvertSplineDialog::OnDialogCommand(int id, int value, int kind) {
    if (id == OkButton) {
        if (!toleranceField.Take(*this, tolerance)) {
            return;
        }
        const int chosen = GetControlValue(SplineList);
        spline = chosen >= 0 && chosen < SplineCount ? chosen : spline;
        keepShape = GetControlValue(KeepBox) != 0;
        id = IdOk;
    }
    vModalDialog::OnDialogCommand(id, value, kind);
}
