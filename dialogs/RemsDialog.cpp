#include "dialogs/RemsDialog.h"

#include <cstdio>
#include <ctime>

#include "toolkit/CommandIds.h"
#include "toolkit/util/Utf8Text.h"

namespace {

enum RemarkIds {
    MessageLabel = 1000,
    Caption1 = 1001,
    Caption2 = 1002,
    Caption3 = 1003,
    Field1 = 1004,
    Field2 = 1005,
    Field3 = 1006,
    Stamp1 = 1007,
    Stamp2 = 1008,
    Stamp3 = 1009,
    NoStamp = 1010,
    ButtonSpacer = 1011,
    OkButton = 1013,
};

constexpr char kHeading[] = "                        Remarks for the current selected file.      ";
static_assert(sizeof kHeading - 1 == 24 + 38 + 6, "24 leading and 6 trailing blanks");
constexpr char kButtonSpace[] = "                  ";
static_assert(sizeof kButtonSpace - 1 == 18, "18 blanks push the buttons right");

// The four radios lie in no frame, so they form one group. Both "No Time/Date" and the third
// " Time/Date" start ticked; ticks are applied newest first, so "No Time/Date" is the one shown.
ControlSpec remarksTable[] = {
    // kind, id, value, label, extra, attributes, enabled, insideFrame, rightOf, below, width, tip
    {CtlLabel, MessageLabel, 0, kHeading, nullptr, AttrMessage, 1, 0, 0, 0, 0, nullptr},
    {CtlRadioButton, NoStamp, 1, "No Time/Date", nullptr, 0, 1, 0, MessageLabel, 0, 0, nullptr},
    {CtlText, Caption1, 0, "", "Remark1...", AttrNoBorder, 1, 0, 0, MessageLabel, 0, nullptr},
    {CtlText, Caption2, 0, "", "Remark2...", AttrNoBorder, 1, 0, 0, Caption1, 0, nullptr},
    {CtlText, Caption3, 0, "", "Remark3...", AttrNoBorder, 1, 0, 0, Caption2, 0, nullptr},
    {CtlTextIn, Field1, 0, "", nullptr, AttrWide, 1, 0, Caption1, MessageLabel, 0, nullptr},
    {CtlTextIn, Field2, 0, "", nullptr, AttrWide, 1, 0, Caption2, Field1, 0, nullptr},
    {CtlTextIn, Field3, 0, "", nullptr, AttrWide, 1, 0, Caption3, Field2, 0, nullptr},
    {CtlRadioButton, Stamp1, 0, " Time/Date", nullptr, 0, 1, 0, Field1, MessageLabel, 0, nullptr},
    {CtlRadioButton, Stamp2, 0, " Time/Date", nullptr, 0, 1, 0, Field2, Stamp1, 0, nullptr},
    {CtlRadioButton, Stamp3, 1, " Time/Date", nullptr, 0, 1, 0, Field3, Stamp2, 0, nullptr},
    {CtlText, ButtonSpacer, 0, "", kButtonSpace, AttrNoBorder, 1, 0, 0, Field3, 0, nullptr},
    {CtlButton, IdCancel, IdCancel, " Cancel ", nullptr, 0, 1, 0, ButtonSpacer, Field3, 0, nullptr},
    {CtlButton, OkButton, IdOk, " OK ", nullptr, AttrDefault, 1, 0, IdCancel, Field3, 0, nullptr},
    {CtlEnd, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
};

constexpr const char* kStampFormat = "// %A  %m/%d/%Y   %I:%M %p";

void CopyLine(char* line, const char* text) {
    CopyUtf8(line, RemsDialog::kRemarkSize, text != nullptr ? text : "");
}

// Makes the line the time stamp, at most 79 characters of it; a locale whose names make the
// stamp longer than any buffer gives "".
void StampLine(char* line, const std::tm& local) {
    char full[256];
    if (std::strftime(full, sizeof full, kStampFormat, &local) == 0) {
        full[0] = '\0';
    }
    CopyUtf8(line, RemsDialog::kTakenLength + 1, full);
}

}  // namespace

RemsDialog::RemsDialog(vBaseWindow* parent, const char* title) : vModalDialog(parent, title) {
    AddControls(remarksTable);
}

void RemsDialog::SetRemarks(const char* line1, const char* line2, const char* line3) {
    CopyLine(remark1, line1);
    CopyLine(remark2, line2);
    CopyLine(remark3, line3);
}

void RemsDialog::OnDialogShown() {
    SetControlText(Field1, remark1);
    SetControlText(Field2, remark2);
    SetControlText(Field3, remark3);
}

void RemsDialog::OnDialogCommand(int id, int value, int kind) {
    if (id == OkButton) {
        AcceptLines();
        id = IdOk;
    }
    vModalDialog::OnDialogCommand(id, value, kind);
}

void RemsDialog::AcceptLines() {
    // One reading of the clock for all three lines.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const struct {
        int radio;
        int field;
        char* line;
    } lines[] = {{Stamp1, Field1, remark1}, {Stamp2, Field2, remark2}, {Stamp3, Field3, remark3}};
    for (const auto& l : lines) {
        if (GetControlValue(l.radio) != 0) {
            StampLine(l.line, local);
        } else {
            GetControlText(l.field, l.line, kTakenLength + 1);
        }
    }
}
