#pragma once

#include "toolkit/platform/vPictureReader.h"

// Pictures through QImageReader and the image format plugins installed with Qt (SVG needs Qt's
// SVG plugin). The size is read from the file's header and checked before anything is decoded.
class QtPictureReader : public vPictureReader {
public:
    bool ReadPicture(const char* path, PixelSurface& pixels, std::string& why) override;
};
