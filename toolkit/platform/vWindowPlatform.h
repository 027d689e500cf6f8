#pragma once

#include <cstdint>

#include "toolkit/platform/vPlatform.h"
#include "toolkit/raster/PixelSurface.h"
#include "toolkit/vHandles.h"

class vFrameEvents;
class vWindowEvents;

// What the toolkit needs from the windowing system for its frame, child windows, menus, event
// loop and timers. Every call of the base does nothing, so the toolkit's own logic runs without a
// display; a real platform (or a test's fake) is installed over it.
class vWindowPlatform {
public:
    enum Arrangement { ArrangeCascade, ArrangeTile, ArrangeIcons };
    enum SystemColour { ColourButtonFace, ColourButtonShadow, ColourButtonHighlight };
    using TimerCallback = void (*)(int id);

    virtual ~vWindowPlatform() = default;

    // The frame: a top-level window with a menu bar over an area holding the child windows.
    // A width or height of 0 lets the platform choose. False when the frame cannot be made.
    virtual bool CreateFrame(const char* caption, int width, int height, vFrameEvents* events);
    virtual void FrameSize(int& width, int& height);
    // Shows the frame maximised, as it starts. A platform may put it on the screen only once the
    // event loop runs, in the state it has by then.
    virtual void ShowFrame() {}
    // Gives a maximised frame its normal size and place again.
    virtual void RestoreFrame() {}
    virtual void DestroyFrame() {}
    virtual void ArrangeChildren(Arrangement how) { (void)how; }

    // Menus. A menu bar and its drop-downs are all menus; the frame shows one menu bar at a time,
    // and the drop-down at windowListIndex (-1 none) also lists the child windows.
    virtual vMenuHandle CreateMenu() { return nullptr; }
    virtual void AppendMenuItem(vMenuHandle menu, int id, const char* label);
    virtual void AppendMenuSeparator(vMenuHandle menu) { (void)menu; }
    virtual void AppendSubmenu(vMenuHandle menu, vMenuHandle submenu, const char* label);
    virtual void DestroyMenu(vMenuHandle menu) { (void)menu; }
    virtual void SetFrameMenu(vMenuHandle menuBar, int windowListIndex);

    // Child windows. Each shows the pixel surface given at creation, which the toolkit owns and
    // draws into; the events reach the toolkit until the child is destroyed.
    virtual vWindowHandle CreateChild(const char* title, int clientWidth, int clientHeight,
                                      PixelSurface* surface, vWindowEvents* events);
    virtual void DestroyChild(vWindowHandle child) { (void)child; }
    virtual void SetChildTitle(vWindowHandle child, const char* title);
    virtual void RaiseChild(vWindowHandle child) { (void)child; }
    // Restores (true) or minimises (false) the child.
    virtual void ShowChild(vWindowHandle child, bool restore);
    // Position relative to the client area and outer size.
    virtual void ChildPlacement(vWindowHandle child, int& left, int& top, int& width, int& height);
    virtual void MoveChild(vWindowHandle child, int left, int top);
    // The surface changed outside a paint: show it again soon.
    virtual void UpdateChild(vWindowHandle child) { (void)child; }
    virtual void SetChildScrollBar(vWindowHandle child, bool horizontal, bool visible, int shown,
                                   int position);

    // Event loop, timers and messages.
    virtual int RunEventLoop() { return 0; }
    virtual void ExitEventLoop(int code) { (void)code; }
    // Returns a nonzero timer id, or 0 when no timer can be made.
    virtual int StartTimer(int milliseconds, TimerCallback callback);
    virtual void StopTimer(int id) { (void)id; }
    // Calls back from the event loop whenever the descriptor has bytes to read, for as long as
    // the platform lives. False when the platform cannot watch it.
    virtual bool WatchDescriptor(int fd, TimerCallback callback);
    virtual void WarningBox(const char* caption, const char* text);
    // Shows a help document at its contents page in a help window that stays open beside the
    // program; the owner is the window that asked. False when the document cannot be shown.
    virtual bool ShowHelp(vWindowHandle owner, const char* path);
    // Packed 0xRRGGBB colours of the desktop theme.
    virtual uint32_t SystemColor(SystemColour which);

    // The installed bundle's window platform, or the do-nothing one when it has none.
    static vWindowPlatform& Current() {
        vWindowPlatform* installed = vPlatform::Get().windows;
        return installed != nullptr ? *installed : _none;
    }

private:
    static vWindowPlatform _none;
};
