#pragma once

#include "toolkit/vModalDialog.h"

// A message with an icon and an OK button, centred on the frame.
class vNoticeDialog : public vModalDialog {
public:
    vNoticeDialog(vBaseWindow* owner, const char* caption) : vModalDialog(owner, caption) {}

    // Shows the message until OK; returns the closing command's id.
    int ShowNotice(const char* message);
    void OnDialogShown() override;

private:
    bool _added = false;
};

// Both standard dialogs place themselves in the middle of the frame.
void CentreOnFrame(vDialog& dialog);
