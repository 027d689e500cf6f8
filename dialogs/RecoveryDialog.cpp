#include "dialogs/RecoveryDialog.h"

#include <algorithm>

#include "toolkit/CommandIds.h"

namespace {

enum RecoveryIds {
    Message = 1000,
    FirstBox = 1001,
    OkButton = 1100,
};

constexpr const char* kMessage =
    "Vexlin ended before these drawings were saved. Ticked ones open again, as new drawings; "
    "the others are discarded.";

}  // namespace

// The table is made for the drawings at hand; the dialog keeps it, and the labels it points
// to, for its whole life.
RecoveryDialog::RecoveryDialog(vBaseWindow* parent, const std::vector<std::string>& drawings)
    : vModalDialog(parent, kTitle) {
    const size_t count = std::min(drawings.size(), static_cast<size_t>(kMostDrawings));
    _labels.assign(drawings.begin(), drawings.begin() + static_cast<std::ptrdiff_t>(count));
    // kind, id, value, label, extra, attributes, enabled, insideFrame, rightOf, below, width, tip
    _table.push_back({CtlLabel, Message, 0, kMessage, nullptr, 0, 1, 0, 0, 0, 0, nullptr});
    int above = Message;
    for (size_t i = 0; i < _labels.size(); ++i) {
        const int box = FirstBox + static_cast<int>(i);
        _table.push_back(
            {CtlCheckBox, box, 1, _labels[i].c_str(), nullptr, 0, 1, 0, 0, above, 0, nullptr});
        above = box;
    }
    _table.push_back({CtlButton, IdCancel, IdCancel, " Keep for later ", nullptr, 0, 1, 0, 0, above,
                      0, nullptr});
    _table.push_back({CtlButton, OkButton, IdOk, " OK ", nullptr, AttrDefault, 1, 0, IdCancel,
                      above, 0, nullptr});
    _table.push_back({CtlEnd, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr});
    AddControls(_table.data());
}

void RecoveryDialog::OnDialogCommand(int id, int value, int kind) {
    if (id == OkButton) {
        reopen.clear();
        for (size_t i = 0; i < _labels.size(); ++i) {
            reopen.push_back(GetControlValue(FirstBox + static_cast<int>(i)) != 0);
        }
        id = IdOk;
    }
    vModalDialog::OnDialogCommand(id, value, kind);
}
