#pragma once

#include <optional>
#include <vector>

#include "model/Affine2.h"
#include "model/Point2.h"
#include "model/SorCurve.h"
#include "model/SplineCurve.h"

// A rectangle in the caller's units, left below right and top below bottom.
struct ClipBox {
    double left;
    double top;
    double right;
    double bottom;
};

struct FlattenOptions {
    // From curve units (file units) to the caller's: file to model units is {75, 0, 0, -75},
    // to canvas pixels the view's scale per file unit on each axis and its origin.
    Affine2 map;
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
