#include "model/DrawingHandles.h"

#include <algorithm>

namespace {

bool AllZero(const Point2& a, const Point2& b) {
    return a.x == 0 && a.y == 0 && b.x == 0 && b.y == 0;
}

}  // namespace

// Weighted sums rather than (3 * point + next) / 4: the same values, and no overflow for the
// largest coordinates a drawing may hold.
void DefaultHandles(const Point2& point, const Point2& next, Point2& first, Point2& second) {
    first = {point.x * 0.75 + next.x * 0.25, point.y * 0.75 + next.y * 0.25};
    second = {first.x * 0.5 + next.x * 0.5, first.y * 0.5 + next.y * 0.5};
}

void FillDefaultHandles(Drawing& drawing) {
    const int count = std::clamp(drawing.pointCount, 0, MaxPoints);
    for (int j = 0; j < count; ++j) {
        Point2& first = drawing.control1[j];
        Point2& second = drawing.control2[j];
        if (drawing.splineType != LinearSpline && !AllZero(first, second)) {
            continue;
        }
        // The last table entry has no successor; its handles then rest on the point itself.
        const Point2& point = drawing.points[j];
        DefaultHandles(point, j + 1 < MaxPoints ? drawing.points[j + 1] : point, first, second);
    }
}

void InitBezierHandles(Drawing& drawing) {
    // The closing point is read at points[pointCount], which must lie inside the arrays.
    if (drawing.pointCount >= MaxPoints) {
        return;
    }
    for (int i = drawing.setEnds[drawing.setCount]; i < drawing.pointCount; ++i) {
        DefaultHandles(drawing.points[i], drawing.points[i + 1], drawing.control1[i],
                       drawing.control2[i]);
    }
}
