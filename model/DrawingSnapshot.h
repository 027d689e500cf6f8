#pragma once

#include <array>

#include "model/KCanvasPane.h"

// The whole drawing as the user sees and saves it: points, handles, set ends, prism values and
// remarks. Not the edit mode, the gesture state or the canvas size. The arrays are copied whole,
// entries past the point count included, because the writer reads some of them (the control
// point of an empty or open set); about 25 KB at capacity.
struct DrawingSnapshot {
    int pointCount = 0;
    int setCount = 0;
    std::array<Point2, MaxPoints> points{};
    std::array<Point2, MaxPoints> control1{};
    std::array<Point2, MaxPoints> control2{};
    std::array<int, SetEndEntries> setEnds{};
    std::array<std::array<char, RemarkSize>, 3> remarks{};
    PrismValues prism{};

    static DrawingSnapshot Of(const KCanvasPane& canvas);
    void RestoreInto(KCanvasPane& canvas) const;
    bool operator==(const DrawingSnapshot& other) const;
    bool operator!=(const DrawingSnapshot& other) const { return !(*this == other); }
};
