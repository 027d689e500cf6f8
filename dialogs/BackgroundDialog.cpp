#include "dialogs/BackgroundDialog.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "dialogs/PictureLabel.h"
#include "dialogs/RadioChoice.h"
#include "model/NumberText.h"
#include "toolkit/CommandIds.h"
#include "toolkit/vNoticeDialog.h"

namespace {

enum BackgroundIds {
    MessageLabel = 400,
    PictureText = 401,
    PictureButton = 402,
    OpacityLabel = 403,
    OpacityField = 404,
    WidthLabel = 405,
    WidthField = 406,
    CentreXLabel = 407,
    CentreXField = 408,
    CentreYLabel = 409,
    CentreYField = 410,
    TurnFrame = 411,
    TurnLabel = 412,
    Turn0 = 413,
    Turn90 = 414,
    Turn180 = 415,
    Turn270 = 416,
    MirrorBox = 417,
    ButtonSpacer = 418,
    OkButton = 419,
};

// Listed by quarter turns.
constexpr int kTurnRadios[] = {Turn0, Turn90, Turn180, Turn270};

constexpr char kButtonSpace[] = "                                   ";

ControlSpec backgroundTable[] = {
    // kind, id, value, label, extra, attributes, enabled, insideFrame, rightOf, below, width, tip
    {CtlLabel, MessageLabel, 0, "", nullptr, AttrMessage, 1, 0, 0, 0, 0, nullptr},
    {CtlText, PictureText, 0, "", kPictureLabelSpace, AttrNoBorder, 1, 0, 0, MessageLabel, 0,
     nullptr},
    {CtlButton, PictureButton, 0, " Picture... ", nullptr, 0, 1, 0, PictureText, MessageLabel, 0,
     "Trace another picture"},
    {CtlLabel, OpacityLabel, 0, " Opacity %  ", nullptr, 0, 1, 0, 0, PictureText, 0, nullptr},
    {CtlTextIn, OpacityField, 0, "", nullptr, 0, 1, 0, OpacityLabel, PictureText, 10, nullptr},
    {CtlLabel, WidthLabel, 0, "   Width   ", nullptr, 0, 1, 0, OpacityField, PictureText, 0,
     nullptr},
    {CtlTextIn, WidthField, 0, "", nullptr, 0, 1, 0, WidthLabel, PictureText, 10,
     "The picture's width in file units"},
    {CtlLabel, CentreXLabel, 0, " Centre x   ", nullptr, 0, 1, 0, 0, OpacityLabel, 0, nullptr},
    {CtlTextIn, CentreXField, 0, "", nullptr, 0, 1, 0, CentreXLabel, OpacityLabel, 10,
     "Where the picture's centre lies, in file units"},
    {CtlLabel, CentreYLabel, 0, "   Centre y", nullptr, 0, 1, 0, CentreXField, OpacityLabel, 0,
     nullptr},
    {CtlTextIn, CentreYField, 0, "", nullptr, 0, 1, 0, CentreYLabel, OpacityLabel, 10, nullptr},
    {CtlFrame, TurnFrame, 0, "", nullptr, 0, 1, 0, 0, CentreXLabel, 0, nullptr},
    {CtlLabel, TurnLabel, 0, " Turned ", nullptr, 0, 1, TurnFrame, 0, 0, 0, nullptr},
    {CtlRadioButton, Turn0, 1, "0", nullptr, 0, 1, TurnFrame, TurnLabel, 0, 0, nullptr},
    {CtlRadioButton, Turn90, 0, "90", nullptr, 0, 1, TurnFrame, Turn0, 0, 0,
     "A quarter turn anticlockwise"},
    {CtlRadioButton, Turn180, 0, "180", nullptr, 0, 1, TurnFrame, Turn90, 0, 0, nullptr},
    {CtlRadioButton, Turn270, 0, "270", nullptr, 0, 1, TurnFrame, Turn180, 0, 0, nullptr},
    {CtlCheckBox, MirrorBox, 0, "Mirrored", nullptr, 0, 1, 0, TurnFrame, CentreXLabel, 0,
     "Left and right swapped, before turning"},
    {CtlBlank, ButtonSpacer, 0, kButtonSpace, nullptr, 0, 1, 0, 0, TurnFrame, 0, nullptr},
    {CtlButton, IdCancel, IdCancel, " Cancel ", nullptr, 0, 1, 0, ButtonSpacer, TurnFrame, 0,
     nullptr},
    {CtlButton, OkButton, IdOk, " OK ", nullptr, AttrDefault, 1, 0, IdCancel, TurnFrame, 0,
     nullptr},
    {CtlEnd, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
};

std::string Shown(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

bool ReadWithin(const char* text, double low, double high, double& value) {
    double read = 0;
    if (!ReadTypedNumber(text, read) || !BackgroundPlacement::Within(read, low, high)) {
        return false;
    }
    value = read;
    return true;
}

}  // namespace

BackgroundDialog::BackgroundDialog(vBaseWindow* parent, Hooks hooks)
    : vModalDialog(parent, kTitle), _hooks(std::move(hooks)) {
    AddControls(backgroundTable);
}

bool BackgroundDialog::Choose(const std::string& pictureName, BackgroundPlacement& placement) {
    _name = pictureName;
    _start = _chosen = placement;
    int value = 0;
    if (ShowModal("", value) == 0 || value != IdOk) {
        return false;
    }
    placement = _chosen;
    return true;
}

void BackgroundDialog::ShowName() {
    SetControlText(PictureText, PictureLabel(_name).c_str());
}

void BackgroundDialog::OnDialogShown() {
    ShowName();
    SetControlText(OpacityField, Shown(_start.opacity * 100).c_str());
    SetControlText(WidthField, Shown(_start.width).c_str());
    SetControlText(CentreXField, Shown(_start.centreX).c_str());
    SetControlText(CentreYField, Shown(_start.centreY).c_str());
    TickChoice(*this, kTurnRadios, _start.quarterTurns);
    SetControlValue(MirrorBox, _start.mirrored ? 1 : 0, AspectValue);
}

bool BackgroundDialog::ReadFields(BackgroundPlacement& placement, std::string& why) {
    char text[64];
    struct {
        int field;
        double low;
        double high;
        double* value;
        const char* refusal;
    } fields[] = {
        {OpacityField, 0, 100, &placement.opacity, "The opacity is a percentage from 0 to 100."},
        {WidthField, BackgroundPlacement::SmallestWidth, BackgroundPlacement::LargestValue,
         &placement.width, "The width is a number of file units from 0.0001 to 1000000."},
        {CentreXField, -BackgroundPlacement::LargestValue, BackgroundPlacement::LargestValue,
         &placement.centreX, "The centre's x is a number of file units within 1000000."},
        {CentreYField, -BackgroundPlacement::LargestValue, BackgroundPlacement::LargestValue,
         &placement.centreY, "The centre's y is a number of file units within 1000000."},
    };
    for (const auto& f : fields) {
        GetControlText(f.field, text, sizeof text);
        if (!ReadWithin(text, f.low, f.high, *f.value)) {
            why = f.refusal;
            return false;
        }
    }
    placement.opacity /= 100;
    placement.quarterTurns = TickedChoice(*this, kTurnRadios, 0);
    placement.mirrored = GetControlValue(MirrorBox) != 0;
    return true;
}

void BackgroundDialog::OnDialogCommand(int id, int value, int kind) {
    BackgroundPlacement placement;
    std::string why;
    switch (id) {
        case PictureButton:
            if (_hooks.choosePicture && _hooks.choosePicture(_name)) {
                ShowName();
            }
            break;
        case IdCancel:
            _hooks.preview(_start);
            break;
        case OkButton:
            if (!ReadFields(placement, why)) {
                Notify(why.c_str());
                return;
            }
            _chosen = placement;
            _hooks.preview(_chosen);
            id = IdOk;
            break;
        default:
            // Every field, radio and the check box: the canvas shows what they read as.
            if (ReadFields(placement, why)) {
                _hooks.preview(placement);
            }
            break;
    }
    vModalDialog::OnDialogCommand(id, value, kind);
}

void BackgroundDialog::Notify(const char* message) {
    vNoticeDialog notice(this, "Notice");
    notice.ShowNotice(message);
}
