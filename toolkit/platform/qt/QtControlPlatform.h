#pragma once

#include "toolkit/platform/vControlPlatform.h"

// Dialogs and panes as Qt widgets over the frame of QtWindowPlatform.
class QtControlPlatform : public vControlPlatform {
public:
    vControlHost* CreateDialogHost(const DialogTemplate& description, vControlSink* sink,
                                   vWindowHandle owner, bool modal) override;
    vControlHost* CreatePaneHost(const DialogTemplate& description, vControlSink* sink) override;
    void PlaceClientArea(int x, int y, int width, int height) override;
    void FrameClientSize(int& width, int& height) const override;
    void FrameScreenRect(int& x, int& y, int& width, int& height) const override;
    bool ClipboardHasText() const override;
};
