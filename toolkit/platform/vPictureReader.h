#pragma once

#include <string>

#include "toolkit/platform/vPlatform.h"
#include "toolkit/raster/PixelSurface.h"

// Reads picture files (PNG, JPEG, BMP, GIF and SVG, whatever the platform's readers take) into
// pixel surfaces, each pixel 0xAARRGGBB with its own opacity in the top byte. Without a platform
// installed nothing can be read.
class vPictureReader {
public:
    // Pictures are refused before they are decoded when a side or the whole would take more
    // memory than a picture to trace over is worth (256 MB at most).
    static constexpr int MaxSide = 16384;
    static constexpr long long MaxPixels = 64LL * 1024 * 1024;
    // A drawing without a size of its own in pixels (SVG) is rendered this many pixels along
    // its longer side.
    static constexpr int VectorSide = 2048;

    virtual ~vPictureReader() = default;

    // False, with the reason in a sentence and the surface left alone, when the file is missing,
    // unreadable, damaged, too large or no picture.
    virtual bool ReadPicture(const char* path, PixelSurface& pixels, std::string& why) = 0;

    static vPictureReader* Current() { return vPlatform::Get().pictureReader; }
};
