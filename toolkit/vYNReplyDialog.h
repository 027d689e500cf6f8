#pragma once

#include "toolkit/vModalDialog.h"

// A question answered Yes, No or Cancel, centred on the frame.
class vYNReplyDialog : public vModalDialog {
public:
    vYNReplyDialog(vBaseWindow* owner, const char* caption) : vModalDialog(owner, caption) {}

    // 1 for Yes, 0 for No, -1 for Cancel, Escape or the close box.
    int AskYesNo(const char* question);
    void OnDialogCommand(int id, int value, int kind) override;
    void OnDialogShown() override;

private:
    bool _added = false;
};
