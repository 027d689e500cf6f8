#include "dialogs/ImportChoiceDialog.h"

#include <utility>

#include "toolkit/CommandIds.h"

namespace {

enum ChoiceIds {
    Question = 1100,
    ObjectList = 1101,
};

}  // namespace

ImportChoiceDialog::ImportChoiceDialog(vBaseWindow* parent, std::string question,
                                       std::vector<std::string> entries)
    : vModalDialog(parent, kTitle), _question(std::move(question)), _entries(std::move(entries)) {
    for (const std::string& entry : _entries) {
        _list.push_back(entry.c_str());
    }
    _list.push_back(nullptr);
    // The table is the dialog's own: its list is this dialog's entries.
    _table = {{
        // kind, id, value, label, extra, attributes, enabled, insideFrame, rightOf, below,
        // width, tip
        {CtlLabel, Question, 0, _question.c_str(), nullptr, 0, 1, 0, 0, 0, 0, nullptr},
        {CtlComboBox, ObjectList, 0, "", _list.data(), 0, 1, 0, 0, Question, 0, nullptr},
        {CtlButton, IdCancel, IdCancel, " Cancel ", nullptr, 0, 1, 0, 0, ObjectList, 0, nullptr},
        {CtlButton, IdOk, IdOk, " Import ", nullptr, AttrDefault, 1, 0, IdCancel, ObjectList, 0,
         nullptr},
        {CtlEnd, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
    }};
    AddControls(_table.data());
}

int ImportChoiceDialog::Choose() {
    int value = 0;
    if (ShowModal("", value) == 0 || value != IdOk) {
        return -1;
    }
    const int chosen = GetControlValue(ObjectList);
    return chosen >= 0 && chosen < static_cast<int>(_entries.size()) ? chosen : -1;
}
