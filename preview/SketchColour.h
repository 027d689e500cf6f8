#pragma once

#include <cstdint>

// A colour of the preview's scenes, in POV-Ray's linear light.
struct SketchColour {
    double red;
    double green;
    double blue;

    static const SketchColour Thing;
    static const SketchColour Grid;
    static const SketchColour Floor;
    static const SketchColour White;

    // As POV-Ray writes it into its pictures, in sRGB.
    uint32_t Encoded() const;
};
