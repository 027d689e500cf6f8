#include "interchange/OutlineGeometry.h"

#include <algorithm>
#include <cmath>

#include "model/KCanvasPane.h"
#include "model/ReadBack.h"

namespace {

// The canvas shows -150 to 150 model units; a fitted outline keeps a margin inside that.
constexpr double FittedHalfSize = 142.5;

// Calls visit with every coordinate that shapes the outline.
template <typename OutlineType, typename Visit>
void ForEachCoordinate(OutlineType& outline, Visit visit) {
    for (auto& set : outline.sets) {
        for (auto& point : set.points) {
            visit(point);
        }
        for (auto& segment : set.segments) {
            if (segment.curved) {
                visit(segment.handle1);
                visit(segment.handle2);
            }
        }
        if (set.hasControl) {
            visit(set.control);
        }
        if (set.trailing) {
            visit(*set.trailing);
        }
    }
}

Point2 Bezier(const Point2& p0, const Point2& p1, const Point2& p2, const Point2& p3, double t) {
    double s = 1 - t;
    double a = s * s * s;
    double b = 3 * s * s * t;
    double c = 3 * s * t * t;
    double d = t * t * t;
    return {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y};
}

// The chords of n equal steps in t stay within 3/4 of the larger second difference of the
// control points over n squared of the curve: the square root of that bound's numerator is what
// a curve needs of steps times the square root of the tolerance.
double Bend(const Point2& p0, const Point2& p1, const Point2& p2, const Point2& p3) {
    double first = std::hypot(p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y);
    double second = std::hypot(p1.x - 2 * p2.x + p3.x, p1.y - 2 * p2.y + p3.y);
    return std::sqrt(0.75 * std::max(first, second));
}

// Calls visit with each curved segment's four points.
template <typename Visit>
void ForEachCurve(const Outline& outline, Visit visit) {
    for (const Outline::Set& set : outline.sets) {
        size_t n = set.points.size();
        for (size_t j = 0; j < set.segments.size(); ++j) {
            const Outline::Segment& s = set.segments[j];
            if (s.curved) {
                visit(set.points[j], s.handle1, s.handle2, set.points[(j + 1) % n]);
            }
        }
    }
}

// The tolerance, no finer than the one asked for, at which the curves' pieces keep within the
// budget; every curve takes one piece besides.
double ToleranceWithin(const Outline& outline, double tolerance, size_t budget) {
    double bends = 0;
    ForEachCurve(outline, [&](const Point2& p0, const Point2& p1, const Point2& p2,
                              const Point2& p3) { bends += Bend(p0, p1, p2, p3); });
    double needed = bends / static_cast<double>(std::max<size_t>(budget, 1));
    return std::max(tolerance, needed * needed);
}

}  // namespace

bool AllFinite(const Outline& outline) {
    bool finite = true;
    ForEachCoordinate(outline, [&](const Point2& p) {
        finite = finite && std::isfinite(p.x) && std::isfinite(p.y);
    });
    return finite;
}

double LargestCoordinate(const Outline& outline) {
    double largest = 0;
    ForEachCoordinate(outline, [&](const Point2& p) {
        largest = std::max({largest, std::fabs(p.x), std::fabs(p.y)});
    });
    return largest;
}

void FitIntoCanvas(Outline& outline) {
    Point2 low{HUGE_VAL, HUGE_VAL};
    Point2 high{-HUGE_VAL, -HUGE_VAL};
    ForEachCoordinate(outline, [&](const Point2& p) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    });
    if (low.x > high.x) {
        return;
    }
    Point2 centre{(low.x + high.x) / 2, (low.y + high.y) / 2};
    double half = std::max(high.x - low.x, high.y - low.y) / 2;
    double scale = half > 0 ? FittedHalfSize / half : 1;
    ForEachCoordinate(outline, [&](Point2& p) {
        p = {(p.x - centre.x) * scale, (p.y - centre.y) * scale};
    });
}

void FitProfilesIntoCanvas(Outline& outline) {
    double widest = 0;
    double low = HUGE_VAL;
    double high = -HUGE_VAL;
    ForEachCoordinate(outline, [&](const Point2& p) {
        widest = std::max(widest, std::fabs(p.x));
        low = std::min(low, p.y);
        high = std::max(high, p.y);
    });
    if (low > high) {
        return;
    }
    double centre = (low + high) / 2;
    double half = std::max(widest, (high - low) / 2);
    double scale = half > 0 ? FittedHalfSize / half : 1;
    ForEachCoordinate(outline, [&](Point2& p) { p = {p.x * scale, (p.y - centre) * scale}; });
}

double FlattenCurves(Outline& outline, double tolerance, size_t budget) {
    tolerance = ToleranceWithin(outline, tolerance, budget);
    for (Outline::Set& set : outline.sets) {
        if (!set.HasCurves()) {
            set.segments.clear();
            continue;
        }
        std::vector<Point2> points;
        size_t n = set.points.size();
        for (size_t j = 0; j < n; ++j) {
            const Point2& from = set.points[j];
            const Point2& to = set.points[(j + 1) % n];
            const Outline::Segment& s = set.segments[j];
            points.push_back(from);
            double pieces =
                s.curved ? std::ceil(Bend(from, s.handle1, s.handle2, to) / std::sqrt(tolerance))
                         : 1;
            for (double i = 1; i < pieces; ++i) {
                points.push_back(Bezier(from, s.handle1, s.handle2, to, i / pieces));
            }
        }
        set.points = std::move(points);
        set.segments.clear();
    }
    return tolerance;
}

Point2 AsWritten(const Point2& point) {
    return {ReadBack(KCanvasPane::FileX(point.x)) * ModelUnitsPerFileUnit,
            ReadBack(KCanvasPane::FileY(point.y)) * -ModelUnitsPerFileUnit};
}

void SnapToWrittenValues(Outline& outline) {
    ForEachCoordinate(outline, [](Point2& p) { p = AsWritten(p); });
}

void MapOutline(Outline& outline, const Affine2& map) {
    for (Outline::Set& set : outline.sets) {
        for (Point2& point : set.points) {
            point = map.Apply(point);
        }
        for (Outline::Segment& segment : set.segments) {
            segment.handle1 = map.Apply(segment.handle1);
            segment.handle2 = map.Apply(segment.handle2);
        }
        set.control = map.Apply(set.control);
    }
}
