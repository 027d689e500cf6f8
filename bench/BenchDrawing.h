#pragma once

#include <cmath>

#include "model/KCanvasPane.h"
#include "toolkit/raster/PixelSurface.h"

// The drawing the drag benchmarks work on: all 500 entries, as 50 closed sets of nine points
// (and their closing repeats) with bezier handles, on a grid of seven columns around the origin.
inline void FillFiftySets(KCanvasPane& canvas) {
    for (int set = 0; set < 50; ++set) {
        const double cx = (set % 7 - 3) * 35.0;
        const double cy = (set / 7 - 3) * 35.0;
        const int first = canvas.pointCount;
        for (int i = 0; i < 9; ++i) {
            const double angle = i * 2 * 3.141592653589793 / 9;
            canvas.points[canvas.pointCount++] = {cx + 12 * std::sin(angle),
                                                  cy + 12 * std::cos(angle)};
        }
        canvas.points[canvas.pointCount] = canvas.points[first];
        canvas.InitBezierHandles();
        ++canvas.pointCount;
        canvas.setEnds[++canvas.setCount] = canvas.pointCount;
    }
}

// The pixel a model position is drawn at.
inline int PixelX(const KCanvasPane& canvas, double x) {
    return static_cast<int>(x * canvas.scaleX + canvas.originX);
}
inline int PixelY(const KCanvasPane& canvas, double y) {
    return static_cast<int>(y * canvas.scaleY + canvas.originY);
}

// A photograph-like picture to trace, as large as a camera's: no two neighbours alike.
inline PixelSurface Photo() {
    PixelSurface photo(3000, 2000);
    for (int y = 0; y < photo.Height(); ++y) {
        for (int x = 0; x < photo.Width(); ++x) {
            photo.At(x, y) = PixelSurface::FromRgb(x / 12, y / 8, (x ^ y) & 0xff);
        }
    }
    return photo;
}
