#include "interchange/OutlineGeometry.h"

#include <algorithm>
#include <cmath>

#include "model/KCanvasPane.h"
#include "model/ReadBack.h"

namespace {

// The canvas shows -150 to 150 model units; a fitted outline keeps a margin inside that.
constexpr double FittedHalfSize = 142.5;
// No curve is split into more straight pieces than this, however large it is.
constexpr int MaxPiecesPerCurve = 256;

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

// Enough equal steps in t for the chords to stay within tolerance of the curve: the distance
// is at most 3/4 of the larger second difference of the control points over the square of
// the step count.
int PiecesFor(const Point2& p0, const Point2& p1, const Point2& p2, const Point2& p3,
              double tolerance) {
    double first = std::hypot(p0.x - 2 * p1.x + p2.x, p0.y - 2 * p1.y + p2.y);
    double second = std::hypot(p1.x - 2 * p2.x + p3.x, p1.y - 2 * p2.y + p3.y);
    double pieces = std::ceil(std::sqrt(0.75 * std::max(first, second) / tolerance));
    return static_cast<int>(std::clamp(pieces, 1.0, static_cast<double>(MaxPiecesPerCurve)));
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

void FlattenCurves(Outline& outline, double tolerance) {
    for (Outline::Set& set : outline.sets) {
        std::vector<Point2> points;
        size_t n = set.points.size();
        for (size_t j = 0; j < n; ++j) {
            const Point2& from = set.points[j];
            const Point2& to = set.points[(j + 1) % n];
            const Outline::Segment& s = set.segments[j];
            points.push_back(from);
            int pieces = s.curved ? PiecesFor(from, s.handle1, s.handle2, to, tolerance) : 1;
            for (int i = 1; i < pieces; ++i) {
                points.push_back(Bezier(from, s.handle1, s.handle2, to, double(i) / pieces));
            }
        }
        set.points = points;
        set.segments.assign(points.size(), Outline::Segment{});
    }
}

Point2 AsWritten(const Point2& point) {
    return {ReadBack(KCanvasPane::FileX(point.x)) * ModelUnitsPerFileUnit,
            ReadBack(KCanvasPane::FileY(point.y)) * -ModelUnitsPerFileUnit};
}

void SnapToWrittenValues(Outline& outline) {
    ForEachCoordinate(outline, [](Point2& p) { p = AsWritten(p); });
}
