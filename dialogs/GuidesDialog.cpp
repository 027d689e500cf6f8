#include "dialogs/GuidesDialog.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "model/NumberText.h"
#include "toolkit/CommandIds.h"

namespace {

enum GuidesIds {
    HorizontalLabel = 1400,
    HorizontalField = 1401,
    HorizontalProblem = 1402,
    VerticalLabel = 1403,
    VerticalField = 1404,
    VerticalProblem = 1405,
    ButtonSpacer = 1406,
    OkButton = 1407,
};

// Room for every guide of a direction written at full precision.
constexpr int ListSize = 1024;
constexpr const char* kBadList = "Numbers apart by commas, at most 32 of them: try again.";
// Room for the message under a list, blank until it is needed.
constexpr char kNoProblem[] = "                                                         ";
static_assert(sizeof kNoProblem > sizeof "Numbers apart by commas, at most 32 of them: try again.");

ControlSpec guidesTable[] = {
    // kind, id, value, label, extra, attributes, enabled, insideFrame, rightOf, below, width, tip
    {CtlLabel, HorizontalLabel, 0, "Horizontal guides at y (file units):", nullptr, 0, 1, 0, 0, 0,
     0, nullptr},
    {CtlTextIn, HorizontalField, 0, "", nullptr, AttrWide, 1, 0, 0, HorizontalLabel, 0,
     "For example: -1, 0.5, 2"},
    {CtlText, HorizontalProblem, 0, "", kNoProblem, AttrNoBorder, 1, 0, 0, HorizontalField, 0,
     nullptr},
    {CtlLabel, VerticalLabel, 0, "Vertical guides at x (file units):", nullptr, 0, 1, 0, 0,
     HorizontalProblem, 0, nullptr},
    {CtlTextIn, VerticalField, 0, "", nullptr, AttrWide, 1, 0, 0, VerticalLabel, 0, nullptr},
    {CtlText, VerticalProblem, 0, "", kNoProblem, AttrNoBorder, 1, 0, 0, VerticalField, 0, nullptr},
    {CtlBlank, ButtonSpacer, 0, "                              ", nullptr, 0, 1, 0, 0,
     VerticalProblem, 0, nullptr},
    {CtlButton, IdCancel, IdCancel, " Cancel ", nullptr, 0, 1, 0, ButtonSpacer, VerticalProblem, 0,
     nullptr},
    {CtlButton, OkButton, IdOk, " OK ", nullptr, AttrDefault, 1, 0, IdCancel, VerticalProblem, 0,
     nullptr},
    {CtlEnd, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
};

std::string ListText(const std::vector<double>& positions) {
    std::string text;
    for (const double position : positions) {
        text += (text.empty() ? "" : ", ") + ShortestText(position);
    }
    return text;
}

// The numbers of the text, apart by commas or blanks; none when a word is no finite number or
// there are too many.
std::optional<std::vector<double>> ReadList(const std::string& text) {
    std::vector<double> positions;
    size_t at = 0;
    while ((at = text.find_first_not_of(", \t", at)) != std::string::npos) {
        const size_t end = std::min(text.find_first_of(", \t", at), text.size());
        double position = 0;
        if (!ReadNumber(text.substr(at, end - at).c_str(), position) ||
            positions.size() >= GuideLines::MostPerDirection) {
            return std::nullopt;
        }
        positions.push_back(position);
        at = end;
    }
    return positions;
}

}  // namespace

GuidesDialog::GuidesDialog(vBaseWindow* parent, const GuideLines& guides)
    : vModalDialog(parent, kTitle), guides(guides) {
    AddControls(guidesTable);
}

void GuidesDialog::OnDialogShown() {
    SetControlText(HorizontalField, ListText(guides.horizontal).c_str());
    SetControlText(VerticalField, ListText(guides.vertical).c_str());
    SetControlText(HorizontalProblem, "");
    SetControlText(VerticalProblem, "");
}

std::optional<GuideLines> GuidesDialog::ReadLists(bool tell) {
    GuideLines read;
    const struct {
        int field;
        int problem;
        std::vector<double>& positions;
    } lists[] = {
        {HorizontalField, HorizontalProblem, read.horizontal},
        {VerticalField, VerticalProblem, read.vertical},
    };
    bool good = true;
    for (const auto& list : lists) {
        std::string text(ListSize, '\0');
        GetControlText(list.field, text.data(), ListSize);
        text.resize(std::strlen(text.c_str()));
        const std::optional<std::vector<double>> positions = ReadList(text);
        if (tell) {
            SetControlText(list.problem, positions ? "" : kBadList);
        }
        good = good && positions.has_value();
        list.positions = positions.value_or(std::vector<double>{});
    }
    return good ? std::optional<GuideLines>(read) : std::nullopt;
}

void GuidesDialog::OnDialogCommand(int id, int value, int kind) {
    if (id == OkButton) {
        const std::optional<GuideLines> read = ReadLists(true);
        if (!read) {
            return;
        }
        guides = *read;
        id = IdOk;
    } else if (id == HorizontalField || id == VerticalField) {
        const std::optional<GuideLines> read = ReadLists(false);
        if (read && changed) {
            changed(*read);
        }
        return;
    }
    vModalDialog::OnDialogCommand(id, value, kind);
}
