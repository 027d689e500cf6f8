#pragma once

#include "toolkit/vModalDialog.h"

// The modal dialog of the three remark lines that head a saved drawing. OK takes each line from
// its field, or replaces it with the local time when that line's " Time/Date" is ticked.
class RemsDialog : public vModalDialog {
public:
    static constexpr const char* kTitle = "    Remarks";
    static constexpr int kRemarkSize = 90;
    // At most this many characters are taken from a field or a time stamp.
    static constexpr int kTakenLength = 79;

    RemsDialog(vBaseWindow* parent, const char* title);

    void SetRemarks(const char* line1, const char* line2, const char* line3);
    void OnDialogCommand(int id, int value, int kind) override;
    void OnDialogShown() override;

    // Each line carries its own "//": an empty line stays empty.
    char remark1[kRemarkSize] = "//";
    char remark2[kRemarkSize] = "//";
    char remark3[kRemarkSize] = "//";

private:
    void AcceptLines();
};
