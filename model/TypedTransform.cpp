#include "model/TypedTransform.h"

#include <cmath>

#include "model/KCanvasPane.h"
#include "model/ModelUnits.h"

namespace {

constexpr double Pi = 3.141592653589793;

Affine2 Shift(const Point2& by) {
    return {1, 0, 0, 1, by.x, by.y};
}

// The canvas's own turn, read off where it takes the two unit vectors. Whole turns are left
// out so that a large angle keeps its precision.
Affine2 Turn(double degrees) {
    const double theta = std::fmod(degrees, 360) * (Pi / 180);
    double ax = 1;
    double bx = 0;
    double cx = 0;
    double dx = 1;
    KCanvasPane::RotateAboutOrigin(ax, bx, theta);
    KCanvasPane::RotateAboutOrigin(cx, dx, theta);
    return {ax, bx, cx, dx, 0, 0};
}

}  // namespace

Affine2 TypedTransform::Map(const Point2& centre) const {
    const Point2 pivotAt = pivot == Pivot::Centre   ? centre
                           : pivot == Pivot::Origin ? Point2{0, 0}
                                                    : Point2{point.x * ModelUnitsPerFileUnit,
                                                             -point.y * ModelUnitsPerFileUnit};
    const Affine2 mirrored{mirror == Mirror::LeftRight ? -1.0 : 1.0, 0, 0,
                           mirror == Mirror::UpDown ? -1.0 : 1.0,    0, 0};
    const Affine2 scaled{scale.x, 0, 0, scale.y, 0, 0};
    const Point2 moved{move.x * ModelUnitsPerFileUnit, -move.y * ModelUnitsPerFileUnit};
    return Shift(moved) * Shift(pivotAt) * Turn(degrees) * mirrored * scaled *
           Shift({-pivotAt.x, -pivotAt.y});
}
