#pragma once

#include <vector>

#include "toolkit/platform/vWindowEvents.h"
#include "toolkit/raster/PixelSurface.h"
#include "toolkit/vBaseWindow.h"

class vCanvasPane;
class vPane;

// A child window in the frame's client area. It carries panes (menu bar, command bar, canvas,
// status bar), owns the pixel surface its canvas draws into and turns the platform's events into
// the canvas's hooks and the window's commands.
class vWindow : public vBaseWindow, private vWindowEvents {
public:
    // Width and height are the client size wanted; 0 takes the application's default.
    vWindow(const char* title, int width = 0, int height = 0);
    ~vWindow() override;

    void OpenWindow() override;
    void PresentWindow() override {}
    virtual void OnWindowKey(int key, int modifiers);
    virtual void OnMenuCommand(int id);
    virtual void OnWindowCommand(int id, int value, int kind);
    virtual void OnWindowWorkTick() {}
    virtual void AttachPane(vPane* pane);
    virtual int GetControlValue(int id);
    virtual int GetControlText(int id, char* buffer, int length);
    virtual void BringToFront();
    virtual void SetControlValue(int id, int value, int aspect);
    virtual void SetControlText(int id, const char* text);
    virtual void SetControlValueAll(int id, int value, int aspect);
    virtual void SetControlTextAll(int id, const char* text);
    virtual void SetWindowTitle(const char* text);
    virtual void ReservedWindowSlot() {}
    virtual void GetWindowPlacement(int& left, int& top, int& width, int& height);
    virtual void MoveWindowTo(int left, int top);
    virtual void CloseCmdWindow();
    // Beside the hooks above: the window has become the active child. The base does nothing.
    virtual void OnWindowActivated() {}
    // A file dropped on the window; the base hands it to the application's OnFileDropped.
    virtual void OnWindowFileDropped(const char* path);

    // The client size asked for, kept in step with the real one.
    int RequestedWidth() const { return _width; }
    int RequestedHeight() const { return _height; }
    void SetRequestedSize(int width, int height);
    // The window's own menu bar, made empty when the window opens and filled by a menu pane.
    // The window destroys it; a menu pane destroys only the drop-downs it made.
    vMenuHandle Menu() const { return _menu; }
    vPane* MenuPane() const { return _menuPane; }
    vCanvasPane* Canvas() const { return _canvas; }
    void SetCanvas(vCanvasPane* canvas) { _canvas = canvas; }
    // The drop-down of the window's menu that lists the child windows.
    void SetWindowListIndex(int index) { _windowListIndex = index; }
    const std::vector<vPane*>& Panes() const { return _panes; }
    PixelSurface& Surface() { return _surface; }
    // A key as if pressed in the window: a menu accelerator's command, else OnWindowKey. For
    // windows of the program's own that act for this one (a table beside it).
    void HandleKey(int key, int modifiers);
    // The surface was drawn on outside a paint: the platform is asked once to show it again.
    void SurfaceChanged();
    bool IsOpen() const { return !_closed; }
    // The next report is the left press that switched to this window from another, which only
    // activates it.
    bool JustActivated() const { return _justActivated; }

    // Every open window, newest first, and the active one.
    static const std::vector<vWindow*>& AllWindows() { return _all; }
    static vWindow* ActiveWindow() { return _active; }
    static int ChildCount() { return _childCount; }

private:
    void ChildResized(int width, int height) override;
    void ChildExposed() override;
    void ChildFocus(bool gained) override;
    void ChildActivated(bool active, bool byLeftPress) override;
    void ChildCloseRequest() override;
    void ChildMouse(MouseAction action, int button, int x, int y, int held) override;
    void ChildKey(int key, int modifiers) override { HandleKey(key, modifiers); }
    void ChildScroll(bool horizontal, ScrollCode code, int position) override;
    void ChildWheel(int x, int y, int delta, bool sideways, int modifiers) override;
    void ChildFileDropped(const char* path) override { OnWindowFileDropped(path); }

    void InstallMenu();
    void Unlink();

    int _width;
    int _height;
    vMenuHandle _menu = nullptr;
    int _windowListIndex = -1;
    vPane* _menuPane = nullptr;
    vCanvasPane* _canvas = nullptr;
    std::vector<vPane*> _panes;
    PixelSurface _surface;
    bool _contentsOutdated = true;
    bool _updatePending = false;
    bool _leftPressed = false;
    bool _justActivated = false;
    bool _created = false;
    bool _closed = false;

    static std::vector<vWindow*> _all;
    static vWindow* _active;
    static vWindow* _lastDeactivated;
    static int _childCount;
};
