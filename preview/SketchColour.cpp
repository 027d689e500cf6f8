#include "preview/SketchColour.h"

#include <algorithm>
#include <cmath>

#include "toolkit/raster/PixelSurface.h"

const SketchColour SketchColour::Thing{0.95, 0.16, 0.02};
const SketchColour SketchColour::Grid{0.72, 0.72, 0.79};
const SketchColour SketchColour::Floor{0.92, 0.92, 0.95};
const SketchColour SketchColour::White{1, 1, 1};

uint32_t SketchColour::Encoded() const {
    auto channel = [](double v) {
        v = v > 0 ? std::min(v, 1.0) : 0.0;
        v = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
        return static_cast<unsigned int>(std::lround(v * 255));
    };
    return PixelSurface::FromRgb(channel(red), channel(green), channel(blue));
}
