#pragma once

#include <functional>
#include <limits>
#include <utility>

#include "model/PrismValues.h"
#include "toolkit/vDialog.h"

// The modeless dialog of a prism's values: spline and sweep type, start and end heights, and
// the open and sturm flags. It keeps its own copy of them; the window hands that copy to the
// canvas at its own commands and fills it after reading a file.
class KryDialog : public vDialog {
public:
    static constexpr const char* kTitle = "         Prizm Values";
    // A height is shown with "% f": a sign, up to 309 integer digits, the point, six decimals
    // and the terminator, whatever double the file held.
    static constexpr int kHeightTextSize = std::numeric_limits<double>::max_exponent10 + 10;

    KryDialog(vBaseWindow* parent, const char* title);

    // Stores the values only; the dialog shows them at its next showing.
    KryDialog& SetPrismValues(double start, double end, int spline, int sweep, int sturm, int open);
    KryDialog& SetPrismValues(const PrismValues& values);
    PrismValues GetPrismValues() const { return PrismValues::Of(*this); }
    // The values the drawing's kind writes: the others are greyed, at once when the dialog is
    // shown. The values themselves are kept.
    void UseValues(const PrismValuesInUse& inUse);
    // Called after OK has taken the values and closed the dialog, so that what shows them
    // can follow at once.
    void OnAccepted(std::function<void()> listener) { _accepted = std::move(listener); }
    void OnDialogCommand(int id, int value, int kind) override;
    void OnDialogShown() override;

    double prismStart = 0.0;
    char startText[kHeightTextSize] = " 0.00";
    double prismEnd = 0.5;
    char endText[kHeightTextSize] = " 0.50";
    int splineType = 0;
    int sweepType = 0;
    int useSturm = 0;
    int isOpen = 0;
    vBaseWindow* parentWindow;

private:
    PrismValuesInUse _inUse;
    std::function<void()> _accepted;

    void ShowHeight(int field, double height, char* text);
    // Reads a height field whole; a value that is not finite is refused with a notice and the
    // height keeps its value.
    void ReadHeight(int field, char* text, double& height, const char* notice);
    void AcceptValues();
    void ShowValuesInUse();
    bool SturmEnabled(int spline) const;
    void Notify(const char* message);
};
