#include "toolkit/vChoiceDialog.h"

#include "toolkit/CommandIds.h"

vChoiceDialog::vChoiceDialog(vBaseWindow* owner, const char* caption, const char* first,
                             const char* middle, const char* last)
    : vYNReplyDialog(owner, caption), _table(QuestionLayout()) {
    _table[YesEntry].label = first;
    _table[NoEntry].label = middle;
    _table[CancelEntry].label = last;
    // Two answers: the last one stands right of the first.
    if (middle == nullptr) {
        _table[CancelEntry].rightOf = IdYes;
        _table[NoEntry] = _table[CancelEntry];
        _table[CancelEntry] = _table[TableEntries - 1];
    }
}

int vChoiceDialog::Ask(const char* question) {
    return AskWithTable(_table.data(), _added, question);
}
