#pragma once

#include "toolkit/vModalDialog.h"

// The modal dialog of Edit > Convert spline: the spline to convert to, whether to keep the
// curve's shape, and the tolerance of a conversion that cannot keep it exactly, in file units.
// OK takes a tolerance that is a number above 0; otherwise the dialog says under the field what
// is wanted and stays open with the text as typed.
class ConvertSplineDialog : public vModalDialog {
public:
    static constexpr const char* kTitle = "Convert spline";

    ConvertSplineDialog(vBaseWindow* parent, int spline, double tolerance);

    void OnDialogCommand(int id, int value, int kind) override;
    void OnDialogShown() override;

    int spline;
    bool keepShape = true;
    double tolerance;
};
