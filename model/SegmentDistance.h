#pragma once

#include <algorithm>
#include <cmath>

#include "model/Point2.h"

// The point of the segment from a to b nearest to p.
inline Point2 NearestOnSegment(const Point2& p, const Point2& a, const Point2& b) {
    double dx = b.x - a.x;
    double dy = b.y - a.y;
    double length = dx * dx + dy * dy;
    double t =
        length > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0) : 0.0;
    return {a.x + t * dx, a.y + t * dy};
}

// The distance from p to the nearest point of the segment from a to b.
inline double DistanceToSegment(const Point2& p, const Point2& a, const Point2& b) {
    const Point2 q = NearestOnSegment(p, a, b);
    return std::hypot(p.x - q.x, p.y - q.y);
}

// Its square, which compares the same and costs far less where only the farthest is wanted.
inline double SquaredDistanceToSegment(const Point2& p, const Point2& a, const Point2& b) {
    const Point2 q = NearestOnSegment(p, a, b);
    return (p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y);
}
