#pragma once

#include <algorithm>
#include <cmath>

#include "model/Point2.h"

// The distance from p to the nearest point of the segment from a to b.
inline double DistanceToSegment(const Point2& p, const Point2& a, const Point2& b) {
    double dx = b.x - a.x;
    double dy = b.y - a.y;
    double length = dx * dx + dy * dy;
    double t =
        length > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}
