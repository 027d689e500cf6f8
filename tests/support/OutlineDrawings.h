#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/Drawing.h"
#include "model/Point2.h"
#include "model/SegmentDistance.h"
#include "model/SetOutlines.h"

// Drawings for the outline operations, given in file units (y up).

// Appends a closed set through the points; with handles (two per point, for the segment that
// leaves it) its segments are bezier curves, without them straight.
inline void AddSet(Drawing& drawing, const std::vector<Point2>& points,
                   const std::vector<Point2>& handles = {}) {
    const int first = drawing.pointCount;
    const int n = static_cast<int>(points.size());
    for (int i = 0; i <= n; ++i) {
        const Point2 p = points[i % n];
        const Point2 next = points[(i + 1) % n];
        const int j = first + i;
        drawing.points[j] = ModelOf(p);
        const bool curved = i < n && !handles.empty();
        drawing.control1[j] = ModelOf(
            curved ? handles[2 * i] : Point2{p.x + (next.x - p.x) / 3, p.y + (next.y - p.y) / 3});
        drawing.control2[j] =
            ModelOf(curved ? handles[2 * i + 1]
                           : Point2{p.x + 2 * (next.x - p.x) / 3, p.y + 2 * (next.y - p.y) / 3});
    }
    drawing.pointCount = first + n + 1;
    drawing.setEnds[++drawing.setCount] = drawing.pointCount;
}

inline void AddRectangle(Drawing& drawing, double left, double bottom, double right, double top) {
    AddSet(drawing, {{left, bottom}, {right, bottom}, {right, top}, {left, top}});
}

// A wavy closed bezier outline of `entries` entries (its points and its closing repeat) round
// the centre: radius r (1 + a sin(k t)), each segment's handles on the curve's tangents.
inline void AddWavyOutline(Drawing& drawing, Point2 centre, double r, int entries, double a = 0.08,
                           int k = 7) {
    const int n = entries - 1;
    const double step = 2 * M_PI / n;
    std::vector<Point2> points;
    std::vector<Point2> tangents;
    for (int i = 0; i < n; ++i) {
        const double t = i * step;
        const double radius = r * (1 + a * std::sin(k * t));
        const double slope = r * a * k * std::cos(k * t);
        points.push_back({centre.x + radius * std::cos(t), centre.y + radius * std::sin(t)});
        tangents.push_back({slope * std::cos(t) - radius * std::sin(t),
                            slope * std::sin(t) + radius * std::cos(t)});
    }
    std::vector<Point2> handles;
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        handles.push_back(
            {points[i].x + tangents[i].x * step / 3, points[i].y + tangents[i].y * step / 3});
        handles.push_back(
            {points[j].x - tangents[j].x * step / 3, points[j].y - tangents[j].y * step / 3});
    }
    AddSet(drawing, points, handles);
}

// The point at t of the bezier segment p[0] .. p[3].
inline Point2 BezierAt(const Point2 (&p)[4], double t) {
    const double s = 1 - t;
    const double w[] = {s * s * s, 3 * s * s * t, 3 * s * t * t, t * t * t};
    return {w[0] * p[0].x + w[1] * p[1].x + w[2] * p[2].x + w[3] * p[3].x,
            w[0] * p[0].y + w[1] * p[1].y + w[2] * p[2].y + w[3] * p[3].y};
}

// The bezier segments of a set, its closing one included when `closing`, each cut into equal
// steps of its parameter, in file units; the last point is left out.
inline std::vector<Point2> BezierSamples(const Drawing& drawing, int set, int steps,
                                         bool closing = true) {
    std::vector<Point2> samples;
    const int end = drawing.setEnds[set] - (closing ? 1 : 2);
    for (int j = drawing.setEnds[set - 1]; j < end; ++j) {
        const Point2 p[4] = {FileOf(drawing.points[j]), FileOf(drawing.control1[j]),
                             FileOf(drawing.control2[j]), FileOf(drawing.points[j + 1])};
        for (int i = 0; i < steps; ++i) {
            samples.push_back(BezierAt(p, static_cast<double>(i) / steps));
        }
    }
    return samples;
}

// How far a wall lies from the open bezier profile it was made from (set 1 of each): every
// sample's distance from the profile, and those of the samples more than half the thickness
// from it between the heights low and high (file units), the wall's far side.
struct WallDistances {
    double largest = 0;
    std::vector<double> farSide;

    // The farthest the far side strays from the thickness.
    double Stray(double thickness) const {
        double stray = 0;
        for (double distance : farSide) {
            stray = std::max(stray, std::fabs(distance - thickness));
        }
        return stray;
    }
};
inline WallDistances MeasureWall(const Drawing& profile, const Drawing& walled, double thickness,
                                 double low, double high) {
    std::vector<Point2> line = BezierSamples(profile, 1, 200, false);
    line.push_back(FileOf(profile.points[profile.setEnds[1] - 2]));
    WallDistances distances;
    for (const Point2& q : BezierSamples(walled, 1, 8)) {
        double nearest = HUGE_VAL;
        for (size_t i = 0; i + 1 < line.size(); ++i) {
            nearest = std::min(nearest, DistanceToSegment(q, line[i], line[i + 1]));
        }
        distances.largest = std::max(distances.largest, nearest);
        if (nearest > thickness / 2 && q.y > low && q.y < high) {
            distances.farSide.push_back(nearest);
        }
    }
    return distances;
}

// A bowl's open bezier profile, from the axis up to its rim at (1.3, 1.6).
inline Drawing BezierBowl() {
    Drawing bowl;
    bowl.kind = Lathe;
    bowl.splineType = BezierSpline;
    bowl.isOpen = 1;
    AddSet(bowl, {{0, 0}, {1, 0.3}, {1.3, 1.6}},
           {{0.5, 0}, {0.9, 0.1}, {1.1, 0.5}, {1.2, 1.1}, {1.3, 1.6}, {1.3, 1.6}});
    return bowl;
}
