#include "dialogs/ClosingRows.h"

#include "toolkit/CommandIds.h"

void AddClosingRows(std::vector<ControlSpec>& table, int problem, int spacer, int okButton,
                    int above, const char* blank) {
    // kind, id, value, label, extra, attributes, enabled, insideFrame, rightOf, below, width, tip
    table.push_back({CtlText, problem, 0, "", blank, AttrNoBorder, 1, 0, 0, above, 0, nullptr});
    table.push_back(
        {CtlText, spacer, 0, "", "          ", AttrNoBorder, 1, 0, 0, problem, 0, nullptr});
    table.push_back(
        {CtlButton, IdCancel, IdCancel, " Cancel ", nullptr, 0, 1, 0, spacer, problem, 0, nullptr});
    table.push_back({CtlButton, okButton, IdOk, " OK ", nullptr, AttrDefault, 1, 0, IdCancel,
                     problem, 0, nullptr});
    table.push_back({CtlEnd, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr});
}
