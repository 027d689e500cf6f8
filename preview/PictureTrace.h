#pragma once

#include <string>

#include "toolkit/raster/PixelSurface.h"

// The values a picture is traced with.
struct TraceValues {
    // A pixel darker than this (0-255, by its luminance) is ink; transparent pixels never are.
    int threshold = 128;
    // Ink specks of at most this many pixels are left out.
    int despeckle = 2;
    // How round corners become: 0 keeps every corner, 1.334 none.
    double smooth = 1.0;
    // Light pixels are ink instead: a light shape on a dark ground.
    bool invert = false;
};

// The outlines of a picture's ink, as an SVG document whose user units are the picture's
// pixels, or why there are none.
struct TracedPicture {
    std::string svg;
    std::string message;

    bool Ok() const { return message.empty(); }
};

// The picture's ink as a bitmap in the portable bitmap format (binary), 1 for ink.
std::string InkBitmap(const PixelSurface& picture, int threshold, bool invert);

// Traces the picture's ink with the potrace program, run in a private folder of its own. The
// program is a separate one (it is not linked in); without it the message names its package.
TracedPicture TracePicture(const PixelSurface& picture, const TraceValues& values,
                           const std::string& program = "potrace");
