#pragma once

#include "toolkit/platform/qt/QtImageWindow.h"
#include "toolkit/platform/qt/QtMadeWindows.h"
#include "toolkit/platform/vImageWindowPlatform.h"

class QtWindowPlatform;

// Image windows as QtImageWindows over the frame of the window platform, when it has one.
class QtImageWindowPlatform : public vImageWindowPlatform {
public:
    explicit QtImageWindowPlatform(QtWindowPlatform* windows) : _windows(windows) {}

    vImageWindowHandle CreateImageWindow(const char* title,
                                         const std::vector<std::string>& captions, int width,
                                         int height, vImageWindowEvents* events) override;
    bool ShowPicture(vImageWindowHandle window, int place, const char* path) override;
    void ShowCaption(vImageWindowHandle window, int place, const char* caption) override;
    void ShowPixels(vImageWindowHandle window, int place, const PixelSurface& pixels) override;
    void ShowMessages(vImageWindowHandle window, const char* text) override;
    void ShowBusy(vImageWindowHandle window, bool busy) override;
    void SetImageWindowTitle(vImageWindowHandle window, const char* title) override;
    void RaiseImageWindow(vImageWindowHandle window) override;
    void DestroyImageWindow(vImageWindowHandle window) override;

    // The window a handle stands for, while it exists.
    QtImageWindow* WindowOf(vImageWindowHandle window) const { return _made.Find(window); }

private:
    QtWindowPlatform* _windows;
    QtMadeWindows<vImageWindowHandle> _made;
};
