#pragma once

// What a child window reports to the toolkit. Coordinates are client pixels.
class vWindowEvents {
public:
    enum MouseAction { MousePress, MouseRelease, MouseMove };
    // Buttons are numbered 1 left, 2 middle, 3 right; held buttons are bits, and so are Shift and
    // Ctrl held with them.
    enum HeldButton {
        HeldLeft = 1,
        HeldMiddle = 2,
        HeldRight = 4,
        HeldShift = 8,
        HeldControl = 16
    };
    enum ScrollCode {
        ScrollLineBack,
        ScrollLineForward,
        ScrollPageBack,
        ScrollPageForward,
        ScrollThumbReleased,
        ScrollToStart,
        ScrollToEnd,
        ScrollOther,
    };

    virtual ~vWindowEvents() = default;

    // The client area changed size; the surface must be made anew.
    virtual void ChildResized(int width, int height) = 0;
    // The platform is about to show the surface: the toolkit generates its contents if they are
    // outdated (first show, size change). Repaints of unchanged contents never come here twice.
    virtual void ChildExposed() = 0;
    virtual void ChildFocus(bool gained) = 0;
    // Sent to the child losing activation first, then to the one gaining it. byLeftPress tells
    // that a left press on the child's client area made it active: that press is then the next
    // mouse report. Any other activation (a new window, the window list, a dialog closing, a
    // press on the caption) is not by a left press.
    virtual void ChildActivated(bool active, bool byLeftPress) = 0;
    virtual void ChildCloseRequest() = 0;
    virtual void ChildMouse(MouseAction action, int button, int x, int y, int held) = 0;
    // Key codes and modifiers in the toolkit's terms (characters, 0xFFxx keys; 1 Shift, 4 Ctrl).
    virtual void ChildKey(int key, int modifiers) = 0;
    virtual void ChildScroll(bool horizontal, ScrollCode code, int position) = 0;
    // The mouse wheel turned over the client area: delta in eighths of a degree (120 a notch),
    // positive away from the user or to the right; modifiers as for keys.
    virtual void ChildWheel(int x, int y, int delta, bool sideways, int modifiers) = 0;
    // A file was dropped on the client area; one call per file.
    virtual void ChildFileDropped(const char* path) = 0;
};
