#pragma once

#include <string>

#include "toolkit/raster/PixelSurface.h"

// Where the preview shows its pictures, messages and whether it is busy.
class PreviewDisplay {
public:
    virtual ~PreviewDisplay() = default;

    // The PNG for one view; an empty path blanks the view.
    virtual void ShowPicture(int view, const std::string& path) = 0;
    // The caption of one view.
    virtual void ShowCaption(int view, const std::string& caption) = 0;
    // A quick picture for one view until its PNG comes, smaller than the view: shown enlarged.
    virtual void ShowSketch(int view, const PixelSurface& picture) = 0;
    virtual void ShowMessages(const std::string& text) = 0;
    virtual void ShowBusy(bool busy) = 0;
};
