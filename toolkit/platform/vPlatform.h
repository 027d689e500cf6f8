#pragma once

class vClipboardPlatform;
class vControlPlatform;
class vFileChooser;
class vFileWatcher;
class vGlyphOutlines;
class vImageWindowPlatform;
class vMenuPlatform;
class vPictureReader;
class vProcessRunner;
class vTableWindowPlatform;
class vTextPlatform;
class vWindowPlatform;

// Every platform service the toolkit works through, installed as one bundle for the whole run:
// the desktop session installs the real ones at start-up and takes them away at its end. A
// service left null is missing, and the toolkit does without it as it does with no display;
// each service's Current() reads its member of the installed bundle.
struct vPlatform {
    vWindowPlatform* windows = nullptr;
    vTextPlatform* text = nullptr;
    vControlPlatform* controls = nullptr;
    vMenuPlatform* menus = nullptr;
    vFileChooser* fileChooser = nullptr;
    vProcessRunner* processes = nullptr;
    vImageWindowPlatform* imageWindows = nullptr;
    vTableWindowPlatform* tableWindows = nullptr;
    vClipboardPlatform* clipboard = nullptr;
    vPictureReader* pictureReader = nullptr;
    vFileWatcher* fileWatcher = nullptr;
    vGlyphOutlines* glyphs = nullptr;

    static const vPlatform& Get() { return _installed; }
    static void Install(const vPlatform& bundle) { _installed = bundle; }
    static void Uninstall() { _installed = vPlatform(); }

private:
    static vPlatform _installed;
};
