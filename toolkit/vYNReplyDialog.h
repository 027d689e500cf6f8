#pragma once

#include <array>

#include "toolkit/vModalDialog.h"

// A question answered Yes, No or Cancel, centred on the frame.
class vYNReplyDialog : public vModalDialog {
public:
    vYNReplyDialog(vBaseWindow* owner, const char* caption) : vModalDialog(owner, caption) {}

    // 1 for Yes, 0 for No, -1 for Cancel, Escape or the close box.
    int AskYesNo(const char* question);
    void OnDialogCommand(int id, int value, int kind) override;
    void OnDialogShown() override;

protected:
    static constexpr int TableEntries = 7;
    enum TableEntry { YesEntry = 3, NoEntry = 4, CancelEntry = 5 };
    // A copy of the question's table, for a question with answers of its own.
    static std::array<ControlSpec, TableEntries> QuestionLayout();
    // Asks with a table laid out as the yes-or-no question's, its icon and its answers' ids.
    int AskWithTable(ControlSpec* table, bool& added, const char* question);

private:
    bool _added = false;
};
