#include "dialogs/KryDialog.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "dialogs/RadioChoice.h"
#include "toolkit/CommandIds.h"
#include "toolkit/vNoticeDialog.h"

namespace {

enum PrismIds {
    MessageLabel = 200,
    HeightFrame = 201,
    HeightLabel = 202,
    StartField = 203,
    EndField = 205,
    StartLabel = 208,
    EndLabel = 209,
    SweepFrame = 210,
    SweepLabel = 211,
    LinearSplineRadio = 212,
    QuadraticRadio = 213,
    CubicRadio = 214,
    BezierRadio = 215,
    SplineFrame = 216,
    SplineLabel = 217,
    LinearSweepRadio = 218,
    ConicRadio = 219,
    CancelButton = 220,
    OkButton = 221,
    SturmBox = 222,
    OpenBox = 223,
    ButtonSpacer = 224,
};

// Listed by spline type and by sweep type.
constexpr int kSplineRadios[] = {LinearSplineRadio, QuadraticRadio, CubicRadio, BezierRadio};
constexpr int kSweepRadios[] = {LinearSweepRadio, ConicRadio};

constexpr char kHeightCaption[] = "            WIDTH   ";
static_assert(sizeof kHeightCaption - 1 == 12 + 5 + 3, "12 blanks, WIDTH, 3 blanks");
constexpr char kButtonSpace[] = "                             ";
static_assert(sizeof kButtonSpace - 1 == 29, "29 blanks push the buttons right");

// Shown at every showing from this table, so "Strum" starts greyed each time.
ControlSpec prismTable[] = {
    // kind, id, value, label, extra, attributes, enabled, insideFrame, rightOf, below, width, tip
    {CtlLabel, MessageLabel, 0, "", nullptr, AttrMessage, 1, 0, 0, 0, 0, nullptr},
    {CtlFrame, SplineFrame, 0, "", nullptr, 0, 1, 0, 0, MessageLabel, 0, nullptr},
    {CtlLabel, SplineLabel, 0, "   SPLINES", nullptr, 0, 1, SplineFrame, 0, 0, 0, nullptr},
    {CtlRadioButton, LinearSplineRadio, 1, "Linear", nullptr, 0, 1, SplineFrame, 0, SplineLabel, 0,
     nullptr},
    {CtlRadioButton, QuadraticRadio, 0, "Quadratic", nullptr, 0, 1, SplineFrame, 0,
     LinearSplineRadio, 0, nullptr},
    {CtlRadioButton, CubicRadio, 0, "Cubic", nullptr, 0, 1, SplineFrame, 0, QuadraticRadio, 0,
     nullptr},
    {CtlRadioButton, BezierRadio, 0, "Bezier", nullptr, 0, 1, SplineFrame, 0, CubicRadio, 0,
     nullptr},
    {CtlFrame, HeightFrame, 0, "", nullptr, 0, 1, 0, SplineFrame, MessageLabel, 0, nullptr},
    {CtlLabel, HeightLabel, 0, kHeightCaption, nullptr, 0, 1, HeightFrame, 0, 0, 0, nullptr},
    {CtlLabel, StartLabel, 0, " Start", nullptr, 0, 1, HeightFrame, 0, HeightLabel, 0, nullptr},
    {CtlTextIn, StartField, 0, "", nullptr, 0, 1, HeightFrame, StartLabel, HeightLabel, 9, nullptr},
    {CtlLabel, EndLabel, 0, "  End", nullptr, 0, 1, HeightFrame, 0, StartLabel, 0, nullptr},
    {CtlTextIn, EndField, 0, "", nullptr, 0, 1, HeightFrame, EndLabel, StartField, 9, nullptr},
    {CtlCheckBox, OpenBox, 0, "Open", nullptr, 0, 1, 0, HeightFrame, QuadraticRadio, 0, nullptr},
    {CtlCheckBox, SturmBox, 0, "Strum", nullptr, 0, 0, 0, HeightFrame, CubicRadio, 0, nullptr},
    {CtlFrame, SweepFrame, 0, "", nullptr, 0, 1, 0, HeightFrame, MessageLabel, 0, nullptr},
    {CtlLabel, SweepLabel, 0, "  SWEEPS", nullptr, 0, 1, SweepFrame, 0, 0, 0, nullptr},
    {CtlRadioButton, LinearSweepRadio, 1, "Linear", nullptr, 0, 1, SweepFrame, 0, SweepLabel, 0,
     nullptr},
    {CtlRadioButton, ConicRadio, 0, "Conic", nullptr, 0, 1, SweepFrame, 0, LinearSweepRadio, 0,
     nullptr},
    {CtlBlank, ButtonSpacer, 0, kButtonSpace, nullptr, 0, 1, 0, 0, SplineFrame, 0, nullptr},
    {CtlButton, CancelButton, IdCancel, " Cancel ", nullptr, 0, 1, 0, ButtonSpacer, SplineFrame, 0,
     nullptr},
    {CtlButton, OkButton, IdOk, " OK ", nullptr, AttrDefault, 1, 0, CancelButton, SplineFrame, 0,
     nullptr},
    {CtlEnd, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
};

// Where the dialog opens, in pixels from the top-left of the child windows' area.
constexpr int kShownX = 200;
constexpr int kShownY = 10;

constexpr const char* kSwapNotice = " START higher than END\n\n Automaticly Swaped!";
constexpr const char* kBadStartNotice = " START is not a finite number\n\n Previous value kept!";
constexpr const char* kBadEndNotice = " END is not a finite number\n\n Previous value kept!";

bool SturmApplies(int spline) {
    return spline == 2 || spline == 3;
}

constexpr int kHeightFields[] = {StartField, EndField};

}  // namespace

KryDialog::KryDialog(vBaseWindow* parent, const char* title)
    : vDialog(parent, title), parentWindow(parent) {
    AddControls(prismTable);
    SetPrismValues(PrismValues{});
}

KryDialog& KryDialog::SetPrismValues(double start, double end, int spline, int sweep, int sturm,
                                     int open) {
    return SetPrismValues(PrismValues{start, end, spline, sweep, sturm, open});
}

KryDialog& KryDialog::SetPrismValues(const PrismValues& values) {
    values.StoreInto(*this);
    return *this;
}

void KryDialog::ShowHeight(int field, double height, char* text) {
    std::snprintf(text, kHeightTextSize, "% f", height);
    SetControlText(field, text);
}

void KryDialog::OnDialogShown() {
    MoveDialogTo(kShownX, kShownY);
    ShowHeight(StartField, prismStart, startText);
    ShowHeight(EndField, prismEnd, endText);
    TickChoice(*this, kSplineRadios, splineType);
    if (SturmApplies(splineType)) {
        SetControlValue(SturmBox, 1, AspectEnabled);
    }
    TickChoice(*this, kSweepRadios, sweepType);
    SetControlValue(SturmBox, useSturm != 0 ? 1 : 0, AspectValue);
    SetControlValue(OpenBox, isOpen != 0 ? 1 : 0, AspectValue);
    if (_inUse != PrismValuesInUse{}) {
        ShowValuesInUse();
    }
}

void KryDialog::UseValues(const PrismValuesInUse& inUse) {
    if (inUse == _inUse) {
        return;
    }
    _inUse = inUse;
    if (IsDisplayed()) {
        ShowValuesInUse();
    }
}

bool KryDialog::SturmEnabled(int spline) const {
    return _inUse.sturmWithEverySpline || SturmApplies(spline);
}

void KryDialog::ShowValuesInUse() {
    auto enable = [this](const int* ids, size_t count, bool enabled) {
        for (size_t i = 0; i < count; ++i) {
            SetControlValue(ids[i], enabled ? 1 : 0, AspectEnabled);
        }
    };
    enable(kSplineRadios, std::size(kSplineRadios), _inUse.spline);
    enable(kSweepRadios, std::size(kSweepRadios), _inUse.sweep);
    enable(kHeightFields, std::size(kHeightFields), _inUse.heights);
    SetControlValue(SturmBox, SturmEnabled(TickedChoice(*this, kSplineRadios, splineType)) ? 1 : 0,
                    AspectEnabled);
}

void KryDialog::OnDialogCommand(int id, int value, int kind) {
    switch (id) {
        case LinearSplineRadio:
        case QuadraticRadio:
            // The tick stays: a prism writes it only for cubic and bezier splines.
            SetControlValue(SturmBox, SturmEnabled(id == QuadraticRadio ? 1 : 0) ? 1 : 0,
                            AspectEnabled);
            break;
        case CubicRadio:
        case BezierRadio:
            SetControlValue(SturmBox, 1, AspectEnabled);
            break;
        case CancelButton:
            CloseDialog();
            break;
        case OkButton:
            AcceptValues();
            CloseDialog();
            if (_accepted) {
                _accepted();
            }
            break;
        default:
            break;
    }
    vDialog::OnDialogCommand(id, value, kind);
}

void KryDialog::ReadHeight(int field, char* text, double& height, const char* notice) {
    // The whole text: a height the dialog showed itself must come back unchanged.
    GetControlText(field, text, kHeightTextSize);
    const double read = std::strtod(text, nullptr);
    if (std::isfinite(read)) {
        height = read;
    } else {
        Notify(notice);
    }
}

void KryDialog::AcceptValues() {
    ReadHeight(StartField, startText, prismStart, kBadStartNotice);
    ReadHeight(EndField, endText, prismEnd, kBadEndNotice);
    if (prismStart > prismEnd) {
        const double start = prismStart;
        prismStart = prismEnd;
        prismEnd = start;
        Notify(kSwapNotice);
    }
    sweepType = TickedChoice(*this, kSweepRadios, sweepType);
    splineType = TickedChoice(*this, kSplineRadios, splineType);
    useSturm = GetControlValue(SturmBox);
    isOpen = GetControlValue(OpenBox);
}

void KryDialog::Notify(const char* message) {
    vNoticeDialog notice(parentWindow, "Notice");
    notice.ShowNotice(message);
}
