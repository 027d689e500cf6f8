#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/ControlSpec.h"
#include "toolkit/vModalDialog.h"

// What the text dialog asks: the text, its font, its size and letter spacing, and where its
// baseline starts, all in file units.
struct TextValues {
    std::string text = "Text";
    std::string family;
    double size = 1;
    double spacing = 0;
    double x = 0;
    double y = 0;
};

// The modal dialog of Edit > Text...: the text, a font from the families given, and its size,
// spacing and placement. While the values change and read well it calls `changed`, so that the
// drawing window can show the text before OK. OK takes them when they read well;
// otherwise the dialog says under the fields what is wanted and stays open as typed.
class TextDialog : public vModalDialog {
public:
    TextDialog(vBaseWindow* parent, std::vector<std::string> families, const TextValues& values);

    void OnDialogCommand(int id, int value, int kind) override;
    void OnDialogShown() override;

    TextValues values;
    // Shows the text; returns why there is none, which the dialog shows under the fields.
    std::function<std::string()> changed;

private:
    // The values as typed, or what is wanted of them ("" when they read well).
    std::string TakeValues();

    std::vector<std::string> _families;
    std::vector<const char*> _familyEntries;
    std::vector<ControlSpec> _table;
};
