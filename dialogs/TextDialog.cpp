#include "dialogs/TextDialog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "dialogs/ClosingRows.h"
#include "dialogs/TypedNumberField.h"
#include "toolkit/CommandIds.h"

namespace {

enum TextIds {
    TextCaption = 1200,
    TextField = 1201,
    FontCaption = 1202,
    FontList = 1203,
    Problem = 1204,
    ButtonSpacer = 1205,
    OkButton = 1206,
    // Each number's caption, then its field.
    FirstNumber = 1210,
};

constexpr int TextSize = 256;
constexpr int FieldSize = 40;
// Sizes and spacings beyond this many file units are typing mistakes; placements beyond the
// larger one are beyond any drawing.
constexpr double LargestSize = 1000;
constexpr double LargestPlace = 1e6;
// Room for the message under the fields, blank until it is needed.
constexpr char kNoProblem[] =
    "                                                                                      ";

struct NumberField {
    const char* caption;
    double TextValues::*value;
    double low;  // the value must be above it, or at least its negative for a spacing
    double high;
    const char* wanted;

    bool Holds(double number) const {
        return std::isfinite(number) && (low >= 0 ? number > low : number >= low) && number <= high;
    }
};

const NumberField Numbers[] = {
    {"Size in file units:", &TextValues::size, 0, LargestSize,
     "Size: a number above 0, at most 1000."},
    {"Letter spacing in file units:", &TextValues::spacing, -LargestSize, LargestSize,
     "Spacing: a number from -1000 to 1000."},
    {"Baseline starts at x:", &TextValues::x, -LargestPlace, LargestPlace,
     "Baseline start: x must be a number."},
    {"and y:", &TextValues::y, -LargestPlace, LargestPlace, "Baseline start: y must be a number."},
};
constexpr int NumberCount = static_cast<int>(std::size(Numbers));

}  // namespace

TextDialog::TextDialog(vBaseWindow* parent, std::vector<std::string> families,
                       const TextValues& start)
    : vModalDialog(parent, "Text"), values(start), _families(std::move(families)) {
    for (const std::string& family : _families) {
        _familyEntries.push_back(family.c_str());
    }
    _familyEntries.push_back(nullptr);
    // kind, id, value, label, extra, attributes, enabled, insideFrame, rightOf, below, width, tip
    _table.push_back({CtlLabel, TextCaption, 0, "Text:", nullptr, 0, 1, 0, 0, 0, 0, nullptr});
    _table.push_back(
        {CtlTextIn, TextField, 0, "", nullptr, AttrWide, 1, 0, 0, TextCaption, 0, nullptr});
    _table.push_back(
        {CtlLabel, FontCaption, 0, "Font:", nullptr, 0, 1, 0, 0, TextField, 0, nullptr});
    _table.push_back({CtlComboBox, FontList, 0, "", _familyEntries.data(), AttrMessage, 1, 0, 0,
                      FontCaption, 0, nullptr});
    int above = FontList;
    for (int k = 0; k < NumberCount; ++k) {
        const int id = FirstNumber + 2 * k;
        _table.push_back(
            {CtlLabel, id, 0, Numbers[k].caption, nullptr, 0, 1, 0, 0, above, 0, nullptr});
        _table.push_back({CtlTextIn, id + 1, 0, "", nullptr, AttrNarrow, 1, 0, 0, id, 0, nullptr});
        above = id + 1;
    }
    AddClosingRows(_table, Problem, ButtonSpacer, OkButton, above, kNoProblem);
    AddControls(_table.data());
}

void TextDialog::OnDialogShown() {
    SetControlText(TextField, values.text.c_str());
    const auto found = std::find(_families.begin(), _families.end(), values.family);
    SetControlValue(FontList, found == _families.end() ? 0 : int(found - _families.begin()),
                    AspectValue);
    for (int k = 0; k < NumberCount; ++k) {
        char text[FieldSize];
        std::snprintf(text, sizeof text, "%g", values.*Numbers[k].value);
        SetControlText(FirstNumber + 2 * k + 1, text);
    }
}

void TextDialog::OnDialogCommand(int id, int value, int kind) {
    if (id == OkButton) {
        const std::string wanted = TakeValues();
        if (!wanted.empty()) {
            SetControlText(Problem, wanted.c_str());
            return;
        }
        id = IdOk;
    } else if (id == TextField || id == FontList ||
               (id > FirstNumber && id < FirstNumber + 2 * NumberCount)) {
        std::string said = TakeValues();
        if (said.empty() && changed) {
            said = changed();
        }
        SetControlText(Problem, said.empty() ? kNoProblem : said.c_str());
        return;
    }
    vModalDialog::OnDialogCommand(id, value, kind);
}

std::string TextDialog::TakeValues() {
    TextValues typed = values;
    char text[TextSize] = "";
    GetControlText(TextField, text, sizeof text);
    typed.text = text;
    if (typed.text.find_first_not_of(" \t") == std::string::npos) {
        return "Type the text to outline.";
    }
    const int family = GetControlValue(FontList);
    if (family >= 0 && family < static_cast<int>(_families.size())) {
        typed.family = _families[family];
    }
    for (int k = 0; k < NumberCount; ++k) {
        const NumberField& field = Numbers[k];
        const TypedNumberField typedField(FirstNumber + 2 * k + 1, Problem, field.wanted,
                                          [&field](double number) { return field.Holds(number); });
        const std::optional<double> read = typedField.Read(*this);
        if (!read) {
            return field.wanted;
        }
        typed.*field.value = *read;
    }
    values = typed;
    return "";
}
