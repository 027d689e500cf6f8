#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dialogs/TypedNumberField.h"
#include "toolkit/ControlSpec.h"
#include "toolkit/vModalDialog.h"

// The modal dialog of an operation on the drawing that takes a distance in file units and up
// to two choices, each from a drop-down list. While the values change it calls `changed`, so
// that the drawing window can show their result before OK. OK takes the typed
// distance when it is a number in range; otherwise the dialog says under the field what is
// wanted and stays open with the text as typed.
class DistanceDialog : public vModalDialog {
public:
    struct Choice {
        const char* caption;
        // The entries, ended by nullptr.
        std::vector<const char*> entries;
    };

    // `aboveZero`: the distance must be more than 0, else any finite number.
    DistanceDialog(vBaseWindow* parent, const char* title, const char* caption, double distance,
                   bool aboveZero, std::vector<Choice> choices);

    void OnDialogCommand(int id, int value, int kind) override;
    void OnDialogShown() override;

    double distance;
    // The entry chosen in each list, 0 to begin with.
    int chosen[2] = {0, 0};
    // Shows the values' result; what it returns (why there is none) is not shown here.
    std::function<std::string()> changed;

private:
    void TakeChoices();

    TypedNumberField _field;
    std::vector<Choice> _choices;
    std::vector<ControlSpec> _table;
};
