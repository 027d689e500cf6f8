#include "toolkit/vNoticeDialog.h"

#include "toolkit/CommandIds.h"
#include "toolkit/platform/vControlHost.h"
#include "toolkit/platform/vControlPlatform.h"
#include "toolkit/raster/StandardIcons.h"

namespace {

enum NoticeIds { NoticeIcon = 91, NoticeText = 92, NoticeFrame = 93 };

// Shared by every notice: the message entry keeps the last message shown.
ControlSpec noticeTable[] = {
    {CtlFrame, NoticeFrame, 0, "", nullptr, AttrNoBorder | AttrTight, 1, 0, 0, 0, 0, nullptr},
    {CtlIconLabel, NoticeIcon, 0, "Notice", nullptr, 0, 1, NoticeFrame, 0, 0, 0, nullptr},
    {CtlText, NoticeText, 0, "", nullptr, AttrMessage | AttrNoBorder, 1, NoticeFrame, NoticeIcon, 0,
     0, nullptr},
    {CtlButton, IdOk, IdOk, " OK ", nullptr, AttrDefault, 1, 0, 0, NoticeFrame, 0, nullptr},
    {CtlEnd, 0, 0, nullptr, nullptr, 0, 0, 0, 0, 0, 0, nullptr},
};

}  // namespace

int vNoticeDialog::ShowNotice(const char* message) {
    noticeTable[1].extra = &StandardIcons::Notice();
    return ShowTableWithMessage(noticeTable, 2, _added, message);
}

void vNoticeDialog::OnDialogShown() {
    CentreOnFrame(*this);
}

void CentreOnFrame(vDialog& dialog) {
    vControlPlatform* platform = vControlPlatform::Current();
    if (platform == nullptr) {
        return;
    }
    int frameX = 0;
    int frameY = 0;
    int frameWidth = 0;
    int frameHeight = 0;
    platform->FrameScreenRect(frameX, frameY, frameWidth, frameHeight);
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    dialog.Host().ScreenRect(x, y, width, height);
    // An offset within the frame, or the frame's own edge when the dialog is as large; either
    // is then measured from the child windows' area, as it always was.
    x = width < frameWidth ? (frameWidth - width) / 2 : frameX;
    y = height < frameHeight ? (frameHeight - height) / 2 : frameY;
    dialog.MoveDialogTo(x, y);
}
