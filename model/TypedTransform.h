#pragma once

#include "model/Affine2.h"
#include "model/Point2.h"

// A transform given in numbers: scaled, mirrored and turned about a pivot, then moved. The
// numbers are file units (y upwards) and degrees anticlockwise, as the user types them.
struct TypedTransform {
    enum class Mirror { None, LeftRight, UpDown };
    enum class Pivot { Centre, Origin, Point };

    Point2 move{0, 0};
    double degrees = 0;
    Point2 scale{1, 1};
    Mirror mirror = Mirror::None;
    Pivot pivot = Pivot::Centre;
    // The pivot of Pivot::Point.
    Point2 point{0, 0};

    // The map in model units; `centre` (model units) is the pivot of Pivot::Centre.
    Affine2 Map(const Point2& centre) const;
};
