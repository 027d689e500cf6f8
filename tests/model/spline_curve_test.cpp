#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "model/CurveFlattening.h"
#include "model/EditState.h"
#include "model/SegmentDistance.h"
#include "model/SorCurve.h"
#include "model/SplineCurve.h"
#include "tests/model/PovListCases.h"

namespace {
#define ROUNDS 200

std::vector<int> PieceSizes(const SplineCurve& curve) {
    std::vector<int> sizes;
    int first = 0;
    for (int end : curve.pieceEnds) {
        sizes.push_back(end - first);
        first = end;
    }
    return sizes;
}

bool Says(const char* text, const char* part) {
    return part == nullptr ? text == nullptr : text != nullptr && std::strstr(text, part);
}

TEST(SplineCurveTest, PrismListsSplitCloseAndFailAsPovRayReadsThem) {
    for (const PrismListCase& c : PrismListCases()) {
        SplineCurve curve = PrismCurve(c.spline, PointsOf(c.letters));
        std::string row = std::to_string(c.spline) + " " + c.letters;
        EXPECT_EQ(PieceSizes(curve), c.piecePoints) << row;
        EXPECT_TRUE(Says(curve.messages.warning, c.warning)) << row;
        EXPECT_TRUE(Says(curve.messages.error, c.error)) << row;
    }
}

TEST(SplineCurveTest, LatheProfilesRunOnFromPointToPoint) {
    struct Row {
        int spline;
        const char* letters;
        std::vector<int> pieces;
    } rows[] = {
        {LinearSpline, "A", {}},         {LinearSpline, "ABCDE", {4}},
        {QuadraticSpline, "AB", {}},     {QuadraticSpline, "ABCDE", {3}},
        {CubicSpline, "ABC", {}},        {CubicSpline, "ABCDE", {2}},
        {BezierSpline, "ABCDDEFG", {2}}, {BezierSpline, "ABCDEFGA", {1, 1}},
        {BezierSpline, "ABCDDE", {1}},
    };
    for (const Row& row : rows) {
        SplineCurve curve = LatheCurve(row.spline, PointsOf(row.letters));
        EXPECT_EQ(PieceSizes(curve), row.pieces) << row.spline << " " << row.letters;
        // Every segment of a piece starts where the one before it ends.
        for (size_t i = 1; i < curve.segments.size(); ++i) {
            bool pieceStart = std::count(curve.pieceEnds.begin(), curve.pieceEnds.end(), i) > 0;
            Point2 end = curve.segments[i - 1].At(1);
            Point2 start = curve.segments[i].At(0);
            EXPECT_TRUE(pieceStart ||
                        (std::fabs(end.x - start.x) < 1e-12 && std::fabs(end.y - start.y) < 1e-12))
                << row.letters << " segment " << i;
        }
    }
}

TEST(SplineCurveTest, SorLeavesOutWhereTheSquaredRadiusDipsBelowZero) {
    std::vector<Point2> points = {{2.4, -2},  {1, -1.9},  {0.1, -0.9},
                                  {0.8, 0.2}, {1.3, 1.2}, {1.3, 2}};
    Polylines lines;
    FlattenCurve(SorCurve(points), {}, lines);
    ASSERT_EQ(lines.ends.size(), 2u);
    // From the second point to the one before last, through the axis on both sides of the gap.
    Point2 first = lines.points.front();
    Point2 last = lines.points.back();
    EXPECT_DOUBLE_EQ(first.x, 1);
    EXPECT_DOUBLE_EQ(first.y, -1.9);
    EXPECT_DOUBLE_EQ(last.x, 1.3);
    EXPECT_DOUBLE_EQ(last.y, 1.2);
    EXPECT_LT(lines.points[lines.ends[0] - 1].x, 1e-6);
    EXPECT_LT(lines.points[lines.ends[0]].x, 1e-6);
}

// Distance from p to the nearest chord of any of the lines.
double DistanceToLines(const Polylines& lines, const Point2& p) {
    double best = HUGE_VAL;
    for (size_t k = 0, first = 0; k < lines.ends.size(); first = lines.ends[k++]) {
        for (size_t i = first; i + 1 < static_cast<size_t>(lines.ends[k]); ++i) {
            best = std::min(best, DistanceToSegment(p, lines.points[i], lines.points[i + 1]));
        }
    }
    return best;
}

bool Inside(const std::optional<ClipBox>& box, const Point2& p) {
    return !box || (p.x >= box->left && p.x <= box->right && p.y >= box->top && p.y <= box->bottom);
}

// Generated lathe and sor profiles of every spline, under generated maps, tolerances and clip
// boxes: every point of the exact curve (inside the box) lies within the tolerance of the
// polylines.
TEST(SplineCurveTest, FlatteningStaysWithinTheTolerance) {
    std::mt19937 random(7);
    auto uniform = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    for (int round = 0; round < ROUNDS; ++round) {
        FlattenOptions options;
        double scale = std::pow(10.0, uniform(0, 2.5));
        options.map = {scale * uniform(-2, 2), 0, 0, scale * uniform(-2, 2), uniform(-300, 300),
                       uniform(-300, 300)};
        if (round % 7 == 0) {  // turned and sheared as well
            options.map.b = scale * uniform(-1, 1);
            options.map.c = scale * uniform(-1, 1);
        }
        options.tolerance = std::pow(10.0, uniform(-1.5, 0.5));
        if (round % 3 == 0) {
            options.clip = ClipBox{-scale, -scale, scale, scale};
        }
        std::vector<Point2> points;
        for (int i = 0, n = 4 + round % 9; i < n; ++i) {
            points.push_back({uniform(0, 2), i + uniform(0, 0.9)});
        }
        std::vector<Point2> exact;
        Polylines lines;
        if (round % 5 < 4) {
            SplineCurve curve = LatheCurve(round % 4, points);
            FlattenCurve(curve, options, lines);
            EXPECT_EQ(lines.ends.size(), curve.pieceEnds.size()) << round;
            for (const SplineSegment& s : curve.segments) {
                for (int i = 0; i <= 400; ++i) {
                    exact.push_back(options.map.Apply(s.At(i / 400.0)));
                }
            }
        } else {
            std::vector<SorSegment> curve = SorCurve(points);
            FlattenCurve(curve, options, lines);
            for (const SorSegment& s : curve) {
                for (int i = 0; i <= 4000; ++i) {
                    if (s.SquareAt(i / 4000.0) >= 0) {
                        exact.push_back(options.map.Apply(s.At(i / 4000.0)));
                    }
                }
            }
        }
        double worst = 0;
        for (const Point2& p : exact) {
            if (Inside(options.clip, p)) {
                worst = std::max(worst, DistanceToLines(lines, p));
            }
        }
        EXPECT_LE(worst, options.tolerance * (1 + 1e-9)) << "round " << round;
    }
}

// Values beyond the numbers, and tolerances of none at all, still give a bounded number of
// points, quickly.
TEST(SplineCurveTest, FlatteningHostileValuesStaysBounded) {
    const double huge = 1e300;
    const double nan = std::nan("");
    std::vector<Point2> lists[] = {
        {{0, 0}, {1, 1}, {nan, 2}, {1, 3}, {0.5, 4}, {1, 5}, {0, 6}, {1, 7}},
        {{huge, 0}, {1, huge}, {huge, 2}, {1, 3}, {-huge, 4}, {1, 5}, {0, 6}, {1, 7}},
        {{0, 0}, {1, 1e-12}, {1, 2e-12}, {1, 3e-12}, {0.5, 4}, {1, 5}, {0, 6}, {1, 7}},
        // Finite but far beyond any view: once halved to the last level all along.
        {{2.5, 0}, {2, 3e30}, {1.4, 1}, {0, 1.5}, {0.6, 1.7}, {0.55, 1.75}},
    };
    for (const std::vector<Point2>& points : lists) {
        for (double tolerance : {0.0, -1.0, nan, 1e-9}) {
            FlattenOptions options;
            options.tolerance = tolerance;
            Polylines lines;
            for (int spline = LinearSpline; spline <= BezierSpline; ++spline) {
                FlattenCurve(LatheCurve(spline, points), options, lines);
            }
            FlattenCurve(SorCurve(points), options, lines);
            EXPECT_LT(lines.points.size(), 200000u);
        }
    }
}

}  // namespace
