#include "dialogs/DistanceDialog.h"

#include "dialogs/ClosingRows.h"
#include "dialogs/TypedNumberField.h"
#include "toolkit/CommandIds.h"

namespace {

enum DistanceIds {
    Caption = 1200,
    DistanceField = 1201,
    ButtonSpacer = 1202,
    OkButton = 1203,
    Problem = 1204,
    // Each choice's caption, then its list.
    FirstChoice = 1210,
};

constexpr const char* kNotANumber = "Not a number: try again.";
constexpr const char* kNotAboveZero = "Not a number above 0: try again.";
// Room for the message under the field, blank until it is needed.
constexpr char kNoProblem[] = "                                          ";

}  // namespace

DistanceDialog::DistanceDialog(vBaseWindow* parent, const char* title, const char* caption,
                               double distance, bool aboveZero, std::vector<Choice> choices)
    : vModalDialog(parent, title),
      distance(distance),
      _field(DistanceField, Problem, aboveZero ? kNotAboveZero : kNotANumber,
             aboveZero ? TypedNumberField::AboveZero : nullptr),
      _choices(std::move(choices)) {
    // kind, id, value, label, extra, attributes, enabled, insideFrame, rightOf, below, width, tip
    _table.push_back({CtlLabel, Caption, 0, caption, nullptr, 0, 1, 0, 0, 0, 0, nullptr});
    _table.push_back(
        {CtlTextIn, DistanceField, 0, "", nullptr, AttrNarrow, 1, 0, 0, Caption, 0, nullptr});
    int above = DistanceField;
    for (size_t k = 0; k < _choices.size() && k < 2; ++k) {
        const int id = FirstChoice + 2 * static_cast<int>(k);
        _table.push_back(
            {CtlLabel, id, 0, _choices[k].caption, nullptr, 0, 1, 0, 0, above, 0, nullptr});
        _table.push_back({CtlComboBox, id + 1, 0, "", _choices[k].entries.data(), AttrMessage, 1, 0,
                          0, id, 0, nullptr});
        above = id + 1;
    }
    AddClosingRows(_table, Problem, ButtonSpacer, OkButton, above, kNoProblem);
    AddControls(_table.data());
}

void DistanceDialog::OnDialogShown() {
    _field.Show(*this, distance);
}

void DistanceDialog::OnDialogCommand(int id, int value, int kind) {
    if (id == OkButton) {
        TakeChoices();
        if (!_field.Take(*this, distance)) {
            return;
        }
        id = IdOk;
    } else if (id == DistanceField || (id > FirstChoice && id < FirstChoice + 4)) {
        const std::optional<double> typed = _field.Read(*this);
        if (typed && changed) {
            TakeChoices();
            distance = *typed;
            changed();
        }
        return;
    }
    vModalDialog::OnDialogCommand(id, value, kind);
}

void DistanceDialog::TakeChoices() {
    for (size_t k = 0; k < _choices.size() && k < 2; ++k) {
        const int entry = GetControlValue(FirstChoice + 2 * static_cast<int>(k) + 1);
        chosen[k] = entry >= 0 ? entry : 0;
    }
}
