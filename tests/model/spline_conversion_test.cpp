#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "model/CurveFlattening.h"
#include "model/ModelUnits.h"
#include "model/SegmentDistance.h"
#include "model/SplineConversion.h"
#include "model/SplineCurve.h"
#include "model/WrittenPoints.h"

// Converting a drawing's spline keeps the curve POV-Ray draws from the file: sampled from the
// values as written, the converted curve lies on the original (exact conversions) or within
// the deviation the conversion reports, for generated stars and random outlines.
namespace {

// Flattened to a hundredth of a model unit; both curves are compared in model units.
constexpr double Sampling = 0.01;
// 1 px at 1200 x 1200 over the canvas's 300 model units.
constexpr double ExactLimit = 0.25;

std::vector<Point2> Star(int tips, double outer, double inner, Point2 centre) {
    std::vector<Point2> points;
    for (int i = 0; i < 2 * tips; ++i) {
        const double angle = M_PI * i / tips;
        const double radius = i % 2 == 0 ? outer : inner;
        points.push_back(
            {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
    }
    return points;
}

std::vector<Point2> RandomOutline(unsigned seed, int count, Point2 centre) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> radius(20, 90);
    std::vector<Point2> points;
    for (int i = 0; i < count; ++i) {
        const double angle = 2 * M_PI * (i + 0.5 * radius(random) / 90) / count;
        const double r = radius(random);
        points.push_back({centre.x + r * std::cos(angle), centre.y + r * std::sin(angle)});
    }
    return points;
}

// A lathe's profile from the outline: its right half, radius 5 or more.
std::vector<Point2> Profile(const std::vector<Point2>& outline) {
    std::vector<Point2> profile;
    for (const Point2& p : outline) {
        profile.push_back({5 + std::fabs(p.x), p.y});
    }
    return profile;
}

// Each outline a finished set; bezier handles bent off their segments, alternately to each
// side, and every set's control point its last point, as the editor gives them.
Drawing DrawingOf(const std::vector<std::vector<Point2>>& sets, int spline) {
    Drawing drawing;
    drawing.splineType = spline;
    for (const std::vector<Point2>& set : sets) {
        const int first = drawing.pointCount;
        for (const Point2& p : set) {
            drawing.points[drawing.pointCount++] = p;
        }
        drawing.points[drawing.pointCount++] = set.front();
        for (int j = first; j + 1 < drawing.pointCount; ++j) {
            const Point2& a = drawing.points[j];
            const Point2& b = drawing.points[j + 1];
            const double bend = (j % 2 == 0 ? 0.3 : -0.2);
            const Point2 normal{-(b.y - a.y) * bend, (b.x - a.x) * bend};
            drawing.control1[j] = {a.x + (b.x - a.x) / 3 + normal.x,
                                   a.y + (b.y - a.y) / 3 + normal.y};
            drawing.control2[j] = {a.x + 2 * (b.x - a.x) / 3 + normal.x,
                                   a.y + 2 * (b.y - a.y) / 3 + normal.y};
        }
        drawing.control1[first] = set.back();
        drawing.setEnds[++drawing.setCount] = drawing.pointCount;
    }
    return drawing;
}

// POV-Ray's curve of the drawing as written, flattened in model units; and how many pieces.
struct Sampled {
    Polylines lines;
    size_t pieces = 0;
};

Sampled CurveOf(const Drawing& drawing, ShapeKind kind) {
    Sampled sampled;
    FlattenOptions options;
    options.map = {double(ModelUnitsPerFileUnit), 0, 0, -double(ModelUnitsPerFileUnit), 0, 0};
    options.tolerance = Sampling;
    for (const WrittenSet& set : WrittenSets(WrittenPoints(drawing, kind))) {
        const SplineCurve curve = kind == Prism ? PrismCurve(drawing.splineType, set.values)
                                                : LatheCurve(drawing.splineType, set.values);
        sampled.pieces += curve.pieceEnds.size();
        FlattenCurve(curve, options, sampled.lines);
    }
    return sampled;
}

// The farthest any point of `from` lies from the polylines `to`, through a grid of their
// segments.
double Farthest(const Polylines& from, const Polylines& to) {
    constexpr double Cell = 4;
    std::map<std::pair<long, long>, std::vector<std::pair<Point2, Point2>>> grid;
    auto cellOf = [](double v) { return static_cast<long>(std::floor(v / Cell)); };
    int start = 0;
    for (int end : to.ends) {
        for (int i = start; i + 1 < end; ++i) {
            const Point2 a = to.points[i];
            const Point2 b = to.points[i + 1];
            for (long x = cellOf(std::min(a.x, b.x)); x <= cellOf(std::max(a.x, b.x)); ++x) {
                for (long y = cellOf(std::min(a.y, b.y)); y <= cellOf(std::max(a.y, b.y)); ++y) {
                    grid[{x, y}].push_back({a, b});
                }
            }
        }
        start = end;
    }
    double farthest = 0;
    for (const Point2& p : from.points) {
        double nearest = HUGE_VAL;
        for (long ring = 0; ring < 100 && nearest > (ring - 1) * Cell; ++ring) {
            for (long x = cellOf(p.x) - ring; x <= cellOf(p.x) + ring; ++x) {
                for (long y = cellOf(p.y) - ring; y <= cellOf(p.y) + ring; ++y) {
                    if (std::max(std::labs(x - cellOf(p.x)), std::labs(y - cellOf(p.y))) != ring) {
                        continue;
                    }
                    const auto found = grid.find({x, y});
                    for (size_t i = 0; found != grid.end() && i < found->second.size(); ++i) {
                        const auto& [a, b] = found->second[i];
                        nearest = std::min(nearest, DistanceToSegment(p, a, b));
                    }
                }
            }
        }
        farthest = std::max(farthest, nearest);
    }
    return farthest;
}

double Apart(const Sampled& a, const Sampled& b) {
    return std::max(Farthest(a.lines, b.lines), Farthest(b.lines, a.lines));
}

}  // namespace

TEST(SplineConversion, KeepsPovraysCurveExactlyOrWithinTheDeviationItReports) {
    const std::vector<std::vector<Point2>> shapes[] = {
        {Star(5, 80, 35, {0, 0})},
        {RandomOutline(7, 12, {-30, 10}), Star(7, 25, 12, {60, -60})},
    };
    for (const ShapeKind kind : {Prism, Lathe}) {
        for (int source = LinearSpline; source <= BezierSpline; ++source) {
            for (int target = LinearSpline; target <= BezierSpline; ++target) {
                for (const auto& shape : shapes) {
                    std::vector<std::vector<Point2>> sets = shape;
                    if (kind == Lathe) {
                        std::transform(sets.begin(), sets.end(), sets.begin(), Profile);
                    }
                    const Drawing drawing = DrawingOf(sets, source);
                    const SplineConversion converted = ConvertSpline(drawing, kind, target, 0);
                    const std::string name = std::string(kind == Prism ? "prism " : "lathe ") +
                                             SplineName(source) + " to " + SplineName(target);
                    ASSERT_TRUE(converted.ok) << name << ": " << converted.refusal;
                    EXPECT_EQ(converted.exact, target == BezierSpline || target == source) << name;
                    EXPECT_LE(converted.deviation, DefaultTolerance(drawing, kind)) << name;
                    const Sampled before = CurveOf(drawing, kind);
                    const Sampled after = CurveOf(converted.drawing, kind);
                    EXPECT_EQ(after.pieces, before.pieces) << name;
                    const double limit =
                        converted.exact ? ExactLimit
                                        : converted.deviation * ModelUnitsPerFileUnit + Sampling;
                    EXPECT_LE(Apart(before, after), limit) << name;
                }
            }
        }
    }
}

// Past the capacity the conversion is refused and says what it would need; a kind without a
// spline of its own is refused too.
TEST(SplineConversion, RefusesWhatTheDrawingCannotHold) {
    const Drawing big = DrawingOf({RandomOutline(3, 240, {0, 0})}, LinearSpline);
    const Drawing huge = DrawingOf({Star(5, 1e307, 5e306, {0, 0})}, LinearSpline);
    const struct {
        const Drawing& drawing;
        ShapeKind kind;
        int target;
        double tolerance;
        const char* says;
    } cases[] = {
        {big, Prism, CubicSpline, 1e-6, "would need more than"},
        {big, Prism, QuadraticSpline, 1e-4, "would need "},
        {big, Polygon, BezierSpline, 0, "A polygon has no spline"},
        {big, Sor, BezierSpline, 0, "no spline to convert"},
        {huge, Prism, CubicSpline, 0, "a value would not be finite"},
    };
    for (const auto& c : cases) {
        const SplineConversion converted = ConvertSpline(c.drawing, c.kind, c.target, c.tolerance);
        EXPECT_FALSE(converted.ok) << c.says;
        EXPECT_NE(converted.refusal.find(c.says), std::string::npos) << converted.refusal;
        EXPECT_EQ(converted.drawing, c.drawing) << c.says;
    }
}
