#pragma once

#include <cmath>

#include "model/Affine2.h"

// Where a picture to trace lies under a drawing, in file units: its centre, the width its pixels
// span, turned anticlockwise by quarter turns after an optional mirror (left and right swapped),
// and how strongly it shows over the canvas's white. Plain C++ over a header, so that the
// dialog that sets it may use it.
struct BackgroundPlacement {
    // Smaller or larger widths or offsets are no picture anyone could trace at any zoom.
    static constexpr double SmallestWidth = 1e-4;
    static constexpr double LargestValue = 1e6;

    double opacity = 0.4;
    double width = 4;  // the canvas at zoom 1 spans four file units
    double centreX = 0;
    double centreY = 0;
    int quarterTurns = 0;  // 0 .. 3
    bool mirrored = false;

    // Finite values in their ranges.
    bool Valid() const {
        return Within(opacity, 0, 1) && Within(width, SmallestWidth, LargestValue) &&
               Within(centreX, -LargestValue, LargestValue) &&
               Within(centreY, -LargestValue, LargestValue) && quarterTurns >= 0 &&
               quarterTurns <= 3;
    }
    static bool Within(double value, double low, double high) {
        return std::isfinite(value) && value >= low && value <= high;
    }
    // Where a picture of that many pixels lands: picture coordinates (x right, y down, the
    // picture spanning 0 .. width and 0 .. height) to model units.
    Affine2 PictureToModel(int pictureWidth, int pictureHeight) const;

    bool operator==(const BackgroundPlacement& other) const {
        return opacity == other.opacity && width == other.width && centreX == other.centreX &&
               centreY == other.centreY && quarterTurns == other.quarterTurns &&
               mirrored == other.mirrored;
    }
    bool operator!=(const BackgroundPlacement& other) const { return !(*this == other); }
};
