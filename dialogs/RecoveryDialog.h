#pragma once

#include <string>
#include <vector>

#include "toolkit/ControlSpec.h"
#include "toolkit/vModalDialog.h"

// The one question asked at start-up about the drawings that an editor which ended unasked
// kept: one tick box per drawing, ticked to reopen it, left empty to discard it. "Keep for
// later" (or closing the dialog) decides nothing: the copies are offered again next time.
class RecoveryDialog : public vModalDialog {
public:
    static constexpr const char* kTitle = "Recovered drawings";
    // The most drawings one dialog offers; the others wait for the next start.
    static constexpr int kMostDrawings = 8;

    // One line describing each drawing; at most kMostDrawings are taken.
    RecoveryDialog(vBaseWindow* parent, const std::vector<std::string>& drawings);

    void OnDialogCommand(int id, int value, int kind) override;

    // After OK: whether each drawing is to be reopened.
    std::vector<bool> reopen;

private:
    std::vector<std::string> _labels;
    std::vector<ControlSpec> _table;
};
