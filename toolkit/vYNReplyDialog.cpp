#include "toolkit/vYNReplyDialog.h"

#include <algorithm>
#include <iterator>

#include "toolkit/CommandIds.h"
#include "toolkit/raster/StandardIcons.h"
#include "toolkit/vNoticeDialog.h"

namespace {

enum QuestionIds { QuestionIcon = 10, QuestionFrame = 30, QuestionText = 91 };

// Shared by every question: the question entry keeps the last question asked.
ControlSpec questionTable[] = {
    {CtlFrame, QuestionFrame, 0, "", nullptr, AttrNoBorder | AttrTight, 1, 0, 0, 0, 0, nullptr},
    {CtlIconLabel, QuestionIcon, 0, "Pick?", nullptr, 0, 1, QuestionFrame, 0, 0, 0, nullptr},
    {CtlText, QuestionText, 0, "", nullptr, AttrMessage | AttrNoBorder, 1, QuestionFrame,
     QuestionIcon, 0, 0, nullptr},
    {CtlButton, IdYes, IdYes, " Yes ", nullptr, AttrDefault, 1, 0, 0, QuestionFrame, 0, nullptr},
    {CtlButton, IdNo, IdNo, " No ", nullptr, 0, 1, 0, IdYes, QuestionFrame, 0, nullptr},
    {CtlButton, IdCancel, IdCancel, " Cancel ", nullptr, 0, 1, 0, IdNo, QuestionFrame, 0, nullptr},
    {CtlEnd, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
};

}  // namespace

std::array<ControlSpec, vYNReplyDialog::TableEntries> vYNReplyDialog::QuestionLayout() {
    static_assert(sizeof questionTable / sizeof questionTable[0] == TableEntries);
    std::array<ControlSpec, TableEntries> table;
    std::copy(std::begin(questionTable), std::end(questionTable), table.begin());
    return table;
}

int vYNReplyDialog::AskYesNo(const char* question) {
    return AskWithTable(questionTable, _added, question);
}

int vYNReplyDialog::AskWithTable(ControlSpec* table, bool& added, const char* question) {
    table[1].extra = &StandardIcons::Question();
    const int id = ShowTableWithMessage(table, 2, added, question);
    if (id == IdYes) {
        return 1;
    }
    return id == IdNo ? 0 : -1;
}

void vYNReplyDialog::OnDialogCommand(int id, int value, int kind) {
    vModalDialog::OnDialogCommand(id, value, kind);
    if (id == IdYes || id == IdNo) {
        CloseDialog();
    }
}

void vYNReplyDialog::OnDialogShown() {
    CentreOnFrame(*this);
}
