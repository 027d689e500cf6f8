#pragma once

#include "toolkit/platform/vWindowEvents.h"
#include "toolkit/vHandles.h"

// The real platform for a whole run: the windowing system's application object and every
// platform the toolkit works through (windows, text, controls, menus, file choosers, programs
// run beside it, picture and table windows, the clipboard, picture files), installed while the
// session lives. The editor's entry point
// makes one around its application object.
class vDesktopSession {
public:
    // argc and argv must outlive the session. Offscreen needs no display: the windows exist
    // and paint, but nothing reaches a screen.
    vDesktopSession(int& argc, char** argv, bool offscreen = false);
    vDesktopSession(const vDesktopSession&) = delete;
    vDesktopSession& operator=(const vDesktopSession&) = delete;
    ~vDesktopSession();

    // For programs that drive the windows themselves, such as benchmarks.
    // A mouse action on a child's client area, delivered to its widget as the windowing system
    // delivers it; held is the vWindowEvents button bits.
    void SendMouse(vWindowHandle child, vWindowEvents::MouseAction action, int button, int x, int y,
                   int held);
    // Handles the events that are waiting: repaints asked for are painted and shown.
    void ProcessEvents();
    // Gives the frame room to show the whole child, placed at the top left of the client area.
    void ShowWhole(vWindowHandle child);
    // How often the child's client area has been painted (shown) so far.
    int PaintCount(vWindowHandle child);

private:
    struct State;
    State* _state;
};
