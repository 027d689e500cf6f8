#pragma once

#include <string>
#include <vector>

#include "toolkit/platform/vPlatform.h"
#include "toolkit/raster/PixelSurface.h"
#include "toolkit/vHandles.h"

class vImageWindowEvents;

// A top-level window beside the program's frame that shows pictures side by side, each with its
// caption, a text area under them and a busy indicator. Without a platform installed no window
// is made.
class vImageWindowPlatform {
public:
    virtual ~vImageWindowPlatform() = default;

    // Makes and shows the window with one picture place of width x height pixels per caption,
    // each blank at first. Null when no window can be made.
    virtual vImageWindowHandle CreateImageWindow(const char* title,
                                                 const std::vector<std::string>& captions,
                                                 int width, int height,
                                                 vImageWindowEvents* events) = 0;
    // Shows the PNG file in the place; an empty path blanks it. False, blanking the place, when
    // the file cannot be read as an image.
    virtual bool ShowPicture(vImageWindowHandle window, int place, const char* path) = 0;
    // The caption under a place.
    virtual void ShowCaption(vImageWindowHandle window, int place, const char* caption) = 0;
    // Shows the pixels in the place, enlarged (or reduced) to its size with hard pixel edges.
    virtual void ShowPixels(vImageWindowHandle window, int place, const PixelSurface& pixels) = 0;
    // The text under the pictures; it may hold several lines.
    virtual void ShowMessages(vImageWindowHandle window, const char* text) = 0;
    virtual void ShowBusy(vImageWindowHandle window, bool busy) = 0;
    virtual void SetImageWindowTitle(vImageWindowHandle window, const char* title) = 0;
    // Brings the window in front of the others and gives it the focus.
    virtual void RaiseImageWindow(vImageWindowHandle window) = 0;
    // Closes the window for good; no event arrives from it afterwards.
    virtual void DestroyImageWindow(vImageWindowHandle window) = 0;

    static vImageWindowPlatform* Current() { return vPlatform::Get().imageWindows; }
};
