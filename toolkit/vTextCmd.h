#pragma once

#include "toolkit/vCmd.h"

// Read-only text of one or more lines. Lines end at LF or CR; the text given to the window has
// every LF preceded by CR.
class vTextCmd : public vCmd {
public:
    // A message line longer than this is wrapped, so that a notice about a long path or a
    // system error stays narrower than the screen; every shorter message keeps its layout.
    static constexpr size_t MessageColumns = 80;

    vTextCmd(vCmdParent* parent, ControlSpec* entry);

    void BuildControl() override;
    int ControlValue(int id) const override {
        (void)id;
        return 0;
    }
    void ChangeControl(int value, int aspect) override;
    void ChangeText(const char* text) override;
    void SetCaption(const char* text) override;
    void InitText() override;

    // Number of lines and the longest line's length of a text.
    static void Measure(const char* text, int& lines, int& longest);
    // The text with every LF preceded by CR.
    static std::string WithCarriageReturns(const char* text);
};
