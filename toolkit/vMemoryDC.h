#pragma once

#include "toolkit/raster/PixelSurface.h"
#include "toolkit/vWinDC.h"

// A drawing context with a pixel surface of its own: for rendering to an image with no window,
// and for tests that look at the pixels.
class vMemoryDC : public vWinDC {
public:
    vMemoryDC(int width, int height);

    const PixelSurface& Pixels() const { return _pixels; }
    // The surface itself, to draw into or resize directly.
    PixelSurface& Pixels() { return _pixels; }
    // The pixel as 0xffRRGGBB, or 0 outside the surface.
    uint32_t PixelAt(int x, int y) const {
        return _pixels.Contains(x, y) ? _pixels.Pixel(x, y) : 0;
    }
    // A new size, erased to the background colour.
    void Resize(int width, int height);

private:
    PixelSurface _pixels;
};
