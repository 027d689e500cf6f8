#pragma once

#include "toolkit/platform/vPlatform.h"
#include "toolkit/vHandles.h"

class DialogTemplate;
class vControlHost;
class vControlSink;

// Makes real dialogs and panes from descriptions. Without an installed platform (tests without
// a display) the toolkit builds and lays out everything but shows nothing.
class vControlPlatform {
public:
    virtual ~vControlPlatform() = default;

    // A dialog owned by the given window, not yet shown. Null when it cannot be made.
    virtual vControlHost* CreateDialogHost(const DialogTemplate& description, vControlSink* sink,
                                           vWindowHandle owner, bool modal) = 0;
    // A pane stacked in the frame around the child windows' area, shown.
    virtual vControlHost* CreatePaneHost(const DialogTemplate& description, vControlSink* sink) = 0;
    // Places the child windows' area of the frame; panes take the rest.
    virtual void PlaceClientArea(int x, int y, int width, int height) = 0;
    // The frame's client rectangle in pixels, where panes and the child windows' area go.
    virtual void FrameClientSize(int& width, int& height) const = 0;
    // The frame window's outer rectangle in screen pixels.
    virtual void FrameScreenRect(int& x, int& y, int& width, int& height) const = 0;
    virtual bool ClipboardHasText() const = 0;

    static vControlPlatform* Current() { return vPlatform::Get().controls; }
};
