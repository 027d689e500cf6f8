#include "dialogs/TraceDialog.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

#include "dialogs/PictureLabel.h"
#include "dialogs/TypedNumberField.h"
#include "toolkit/CommandIds.h"
#include "toolkit/vNoticeDialog.h"

namespace {

enum TraceIds {
    MessageLabel = 1300,
    PictureText = 1301,
    PictureButton = 1302,
    ThresholdLabel = 1303,
    ThresholdField = 1304,
    DespeckleLabel = 1305,
    DespeckleField = 1306,
    SmoothLabel = 1307,
    SmoothField = 1308,
    InvertBox = 1309,
    Outcome = 1310,
    ButtonSpacer = 1311,
    OkButton = 1312,
};

// Room for what the latest trace gave, blank until a trace reports.
constexpr char kOutcomeSpace[] =
    "                                                                        ";
constexpr const char* kTracing = "Tracing...";
constexpr char kButtonSpace[] = "                                   ";

ControlSpec traceTable[] = {
    // kind, id, value, label, extra, attributes, enabled, insideFrame, rightOf, below, width, tip
    {CtlLabel, MessageLabel, 0, "", nullptr, AttrMessage, 1, 0, 0, 0, 0, nullptr},
    {CtlText, PictureText, 0, "", kPictureLabelSpace, AttrNoBorder, 1, 0, 0, MessageLabel, 0,
     nullptr},
    {CtlButton, PictureButton, 0, " Picture... ", nullptr, 0, 1, 0, PictureText, MessageLabel, 0,
     "Trace another picture: it becomes the background"},
    {CtlLabel, ThresholdLabel, 0, " Threshold  ", nullptr, 0, 1, 0, 0, PictureText, 0, nullptr},
    {CtlTextIn, ThresholdField, 0, "", nullptr, 0, 1, 0, ThresholdLabel, PictureText, 10,
     "A pixel darker than this (0 to 256) is ink"},
    {CtlLabel, DespeckleLabel, 0, "   Despeckle", nullptr, 0, 1, 0, ThresholdField, PictureText, 0,
     nullptr},
    {CtlTextIn, DespeckleField, 0, "", nullptr, 0, 1, 0, DespeckleLabel, PictureText, 10,
     "Specks of ink of at most this many pixels are left out"},
    {CtlLabel, SmoothLabel, 0, " Smooth     ", nullptr, 0, 1, 0, 0, ThresholdLabel, 0, nullptr},
    {CtlTextIn, SmoothField, 0, "", nullptr, 0, 1, 0, SmoothLabel, ThresholdLabel, 10,
     "0 keeps every corner, 1.334 makes every corner round"},
    {CtlCheckBox, InvertBox, 0, "Light is ink", nullptr, 0, 1, 0, SmoothField, ThresholdLabel, 0,
     "Trace light shapes on a dark ground"},
    {CtlText, Outcome, 0, "", kOutcomeSpace, AttrNoBorder, 1, 0, 0, SmoothLabel, 0, nullptr},
    {CtlBlank, ButtonSpacer, 0, kButtonSpace, nullptr, 0, 1, 0, 0, Outcome, 0, nullptr},
    {CtlButton, IdCancel, IdCancel, " Cancel ", nullptr, 0, 1, 0, ButtonSpacer, Outcome, 0,
     nullptr},
    {CtlButton, OkButton, IdOk, " OK ", nullptr, AttrDefault, 1, 0, IdCancel, Outcome, 0, nullptr},
    {CtlEnd, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
};

std::string Shown(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

}  // namespace

TraceDialog::TraceDialog(vBaseWindow* parent, Hooks hooks)
    : vModalDialog(parent, kTitle), _hooks(std::move(hooks)) {
    AddControls(traceTable);
}

bool TraceDialog::Choose(const std::string& pictureName, TraceValues& values) {
    _name = pictureName;
    _chosen = values;
    int value = 0;
    if (ShowModal("", value) == 0 || value != IdOk) {
        return false;
    }
    values = _chosen;
    return true;
}

void TraceDialog::ShowName() {
    SetControlText(PictureText, PictureLabel(_name).c_str());
}

void TraceDialog::ShowOutcome(const std::string& text) {
    // A trace of the last good values does not hide what is wrong with the fields now.
    TraceValues values;
    std::string why;
    if (ReadFields(values, why)) {
        SetControlText(Outcome, text.c_str());
    }
}

void TraceDialog::OnDialogShown() {
    ShowName();
    SetControlText(ThresholdField, Shown(_chosen.threshold).c_str());
    SetControlText(DespeckleField, Shown(_chosen.despeckle).c_str());
    SetControlText(SmoothField, Shown(_chosen.smooth).c_str());
    SetControlValue(InvertBox, _chosen.invert ? 1 : 0, AspectValue);
    ShowOutcome(kTracing);
    if (_hooks.changed) {
        _hooks.changed(_chosen);
    }
}

bool TraceDialog::ReadFields(TraceValues& values, std::string& why) {
    double read[3] = {};
    const struct {
        int field;
        double largest;
        bool whole;
        const char* refusal;
    } fields[] = {
        {ThresholdField, TraceValues::LargestThreshold, true,
         "The threshold is a whole number from 0 to 256."},
        {DespeckleField, TraceValues::LargestDespeckle, true,
         "Despeckle is a whole number of pixels from 0 to 1000000."},
        {SmoothField, TraceValues::LargestSmooth, false, "Smooth is a number from 0 to 1.334."},
    };
    for (int k = 0; k < 3; ++k) {
        const auto& field = fields[k];
        // From 0 to the largest, a whole number where asked for.
        const auto within = [&field](double number) {
            return number >= 0 && number <= field.largest &&
                   (!field.whole || number == std::floor(number));
        };
        const std::optional<double> typed =
            TypedNumberField(field.field, Outcome, field.refusal, within).Read(*this);
        if (!typed) {
            why = field.refusal;
            return false;
        }
        read[k] = *typed;
    }
    values.threshold = static_cast<int>(read[0]);
    values.despeckle = static_cast<int>(read[1]);
    values.smooth = read[2];
    values.invert = GetControlValue(InvertBox) != 0;
    return true;
}

void TraceDialog::Changed() {
    TraceValues values;
    std::string why;
    if (!ReadFields(values, why)) {
        SetControlText(Outcome, why.c_str());
        return;
    }
    ShowOutcome(kTracing);
    if (_hooks.changed) {
        _hooks.changed(values);
    }
}

void TraceDialog::OnDialogCommand(int id, int value, int kind) {
    TraceValues values;
    std::string why;
    switch (id) {
        case PictureButton:
            if (_hooks.choosePicture && _hooks.choosePicture(_name)) {
                ShowName();
                Changed();
            }
            break;
        case OkButton:
            if (!ReadFields(values, why)) {
                vNoticeDialog notice(this, "Notice");
                notice.ShowNotice(why.c_str());
                return;
            }
            _chosen = values;
            id = IdOk;
            break;
        case IdCancel:
            break;
        default:
            // Every field and the check box: the trace follows what they read as.
            Changed();
            break;
    }
    vModalDialog::OnDialogCommand(id, value, kind);
}
