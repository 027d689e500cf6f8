#pragma once

#include <optional>
#include <vector>

#include "model/Point2.h"
#include "model/SorCurve.h"
#include "model/SplineCurve.h"

// From curve units (file units) to the caller's: x and y each scaled and moved on their own,
// a negative scale mirroring. File to model units is {0, 0, 75, -75}; to canvas pixels, the
// view's origin and its pixels per file unit on each axis.
struct AxisMap {
    double originX = 0;
    double originY = 0;
    double scaleX = 1;
    double scaleY = 1;

    Point2 operator()(const Point2& p) const {
        return {originX + scaleX * p.x, originY + scaleY * p.y};
    }
};

// A rectangle in the caller's units.
struct ClipBox {
    double left;
    double top;
    double right;
    double bottom;
};

struct FlattenOptions {
    AxisMap map;
    // Largest distance between the curve and its polylines, in the caller's units; at least
    // 0.001.
    double tolerance = 0.25;
    // Segments wholly outside the box (by more than the tolerance) become one straight line,
    // which stays outside it too: only what is visible costs anything.
    std::optional<ClipBox> clip;
};

// Polylines in the caller's units: line k runs through points[ends[k - 1]] .. points[ends[k] - 1]
// (ends[-1] taken as 0). Kept by the caller and cleared between uses, its storage is reused.
struct Polylines {
    std::vector<Point2> points;
    std::vector<int> ends;

    void Clear() {
        points.clear();
        ends.clear();
    }
};

// Each piece of the curve appended as one polyline.
void FlattenCurve(const SplineCurve& curve, const FlattenOptions& options, Polylines& out);
// The profile appended as polylines: one for each run where the square of the radius stays at
// or above 0; where it dips below, the ray tracer draws nothing and neither does this.
void FlattenCurve(const std::vector<SorSegment>& curve, const FlattenOptions& options,
                  Polylines& out);
