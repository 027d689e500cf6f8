#pragma once

#include "toolkit/vPaneHandle.h"

class vWindow;

enum vPaneKind {
    PaneCanvas = 0,
    PaneMenu = 2,
    PaneCommandBar = 3,
    PaneStatusBar = 6,
    PaneDialog = 7,
};

// Something a window carries: a menu bar, a command bar, a status bar or the canvas.
class vPane {
public:
    explicit vPane(int kind) : _paneKind(kind) {}
    vPane(const vPane&) = delete;
    vPane& operator=(const vPane&) = delete;
    virtual ~vPane() = default;

    virtual void InitPane(vWindow* window, vPaneHandle handle) {
        (void)window;
        (void)handle;
    }
    virtual bool PaneGetValue(int id, int& value) {
        (void)id;
        (void)value;
        return false;
    }
    virtual bool PaneGetText(int id, char* buffer, int length) {
        (void)id;
        (void)buffer;
        (void)length;
        return false;
    }
    virtual void PaneSetValue(int id, int value, int aspect) {
        (void)id;
        (void)value;
        (void)aspect;
    }
    virtual void PaneSetText(int id, const char* text) {
        (void)id;
        (void)text;
    }
    virtual void ShowPane(int on) { (void)on; }
    virtual int PaneKind() const { return _paneKind; }
    // The enabled menu command whose accelerator is this key with exactly these modifiers;
    // 0 when the pane has none.
    virtual int PaneAccelerator(int key, int modifiers) const {
        (void)key;
        (void)modifiers;
        return 0;
    }

private:
    int _paneKind;
};
