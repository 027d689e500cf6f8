#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "model/SetOperations.h"
#include "support/OutlineDrawings.h"
#include "support/TestRandom.h"

namespace {

Drawing LinearPrism() {
    Drawing drawing;
    drawing.kind = Prism;
    drawing.splineType = LinearSpline;
    return drawing;
}

// The area the drawing's finished sets fill together, as the ray tracer fills them.
double FilledArea(const Drawing& drawing, int kind) {
    std::vector<int> all;
    for (int set = 1; set <= drawing.setCount; ++set) {
        all.push_back(set);
    }
    Rings rings;
    for (const Rings& set : FlattenedSets(drawing, kind, all).regions) {
        rings.insert(rings.end(), set.begin(), set.end());
    }
    return EvenOddArea(rings);
}

double Overlap(double a0, double a1, double b0, double b1) {
    return std::max(0.0, std::min(a1, b1) - std::max(a0, b0));
}

// Two rectangles on a quarter-unit lattice: the result's area is what the rectangles' areas say,
// and every corner of it is one of their coordinates exactly.
TEST(SetOperations, CombinesRectanglesExactly) {
    TestRandom random(34);
    for (int run = 0; run < 40; ++run) {
        double c[8];
        for (double& value : c) {
            value = random.Between(-6, 6) / 4.0;
        }
        const double ax0 = std::min(c[0], c[1]), ax1 = std::max(c[0], c[1]) + 0.25;
        const double ay0 = std::min(c[2], c[3]), ay1 = std::max(c[2], c[3]) + 0.25;
        const double bx0 = std::min(c[4], c[5]), bx1 = std::max(c[4], c[5]) + 0.25;
        const double by0 = std::min(c[6], c[7]), by1 = std::max(c[6], c[7]) + 0.25;
        Drawing drawing = LinearPrism();
        AddRectangle(drawing, ax0, ay0, ax1, ay1);
        AddRectangle(drawing, bx0, by0, bx1, by1);
        const double a = (ax1 - ax0) * (ay1 - ay0);
        const double b = (bx1 - bx0) * (by1 - by0);
        const double both = Overlap(ax0, ax1, bx0, bx1) * Overlap(ay0, ay1, by0, by1);
        const std::map<RegionOperation, double> expected{{RegionOperation::Union, a + b - both},
                                                         {RegionOperation::Difference, a - both},
                                                         {RegionOperation::Intersection, both},
                                                         {RegionOperation::Xor, a + b - 2 * both}};
        for (const auto& [operation, area] : expected) {
            const SetsResult result = CombineSets(drawing, Prism, {}, operation);
            ASSERT_EQ(result.ok, area > 0) << run << " " << result.message;
            if (!result.ok) {
                continue;
            }
            EXPECT_NEAR(FilledArea(result.drawing, Prism), area, 1e-9) << run;
            for (int i = 0; i < result.drawing.pointCount; ++i) {
                const Point2 p = FileOf(result.drawing.points[i]);
                for (double v : {p.x, p.y}) {
                    EXPECT_NEAR(v * 4, std::round(v * 4), 1e-6) << run;
                }
            }
        }
    }
}

// Bezier circles of radius 1, their centres 1 apart: the lens and the rest, with curves fitted
// back as bezier segments.
TEST(SetOperations, CombinesCurvesWithinTheirFit) {
    Drawing drawing = LinearPrism();
    drawing.splineType = BezierSpline;
    AddWavyOutline(drawing, {-0.5, 0}, 1, 17, 0);
    AddWavyOutline(drawing, {0.5, 0}, 1, 17, 0);
    const double lens = 2 * std::acos(0.5) - 0.5 * std::sqrt(3.0);
    const struct {
        RegionOperation operation;
        double area;
    } rows[] = {{RegionOperation::Union, 2 * M_PI - lens},
                {RegionOperation::Difference, M_PI - lens},
                {RegionOperation::Intersection, lens},
                {RegionOperation::Xor, 2 * M_PI - 2 * lens}};
    for (const auto& row : rows) {
        const SetsResult result = CombineSets(drawing, Prism, {}, row.operation);
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_NEAR(FilledArea(result.drawing, Prism), row.area, 2e-3 * row.area);
        EXPECT_GT(result.deviation, 0);
        EXPECT_LT(result.deviation, 1e-3);
    }
}

TEST(SetOperations, OffsetsTheEvenOddRegion) {
    const auto square = [](double left, double bottom, double side) {
        return std::vector<double>{left, bottom, left + side, bottom + side};
    };
    const struct {
        std::vector<std::vector<double>> rectangles;
        double by;
        OffsetJoin join;
        double area;
        const char* note;
    } rows[] = {
        {{square(0, 0, 2)}, 0.5, OffsetJoin::Miter, 9, nullptr},
        {{square(0, 0, 2)}, 0.5, OffsetJoin::Round, 8 + M_PI / 4, nullptr},
        {{square(0, 0, 2)}, -0.5, OffsetJoin::Round, 1, nullptr},
        // A square inside another is a hole: it shrinks as the outline grows.
        {{square(0, 0, 2), square(0.5, 0.5, 1)}, 0.25, OffsetJoin::Miter, 6.25 - 0.25, nullptr},
        {{square(0, 0, 2), square(0.8, 0.8, 0.4)}, 0.3, OffsetJoin::Miter, 6.76, "1 hole closed"},
        {{square(0, 0, 2), square(3, 0, 0.4)}, -0.3, OffsetJoin::Miter, 1.96, "1 part vanished"},
    };
    for (const auto& row : rows) {
        Drawing drawing = LinearPrism();
        for (const auto& r : row.rectangles) {
            AddRectangle(drawing, r[0], r[1], r[2], r[3]);
        }
        const SetsResult result = OffsetSets(drawing, Prism, {}, row.by, row.join);
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_NEAR(FilledArea(result.drawing, Prism), row.area, 1e-3 * row.area) << row.area;
        ASSERT_EQ(result.notes.size(), row.note ? 1u : 0u) << row.area;
        if (row.note) {
            EXPECT_NE(result.notes[0].find(row.note), std::string::npos) << result.notes[0];
        }
    }
}

// A comb of teeth standing on a bar, the teeth `count` in four units; across, when `across`.
void AddComb(Drawing& drawing, int count, bool across) {
    std::vector<Point2> points{{0, -0.2}, {4, -0.2}, {4, 0}};
    for (int i = count - 1; i >= 0; --i) {
        const double x = i * 4.0 / count;
        const double w = 2.0 / count;
        points.insert(points.end(), {{x + w, 0}, {x + w, 4}, {x, 4}, {x, 0}});
    }
    if (across) {
        for (Point2& p : points) {
            std::swap(p.x, p.y);
        }
    }
    AddSet(drawing, points);
}

TEST(SetOperations, RefusesWithTheReason) {
    const auto rectangles = [](int spline) {
        Drawing drawing = LinearPrism();
        drawing.splineType = spline;
        AddRectangle(drawing, 0, 0, 1, 1);
        AddRectangle(drawing, 2, 0, 3, 1);
        return drawing;
    };
    Drawing combs = LinearPrism();
    AddComb(combs, 30, false);
    AddComb(combs, 30, true);
    const struct {
        Drawing drawing;
        int kind;
        std::vector<int> sets;
        RegionOperation operation;
        const char* why;
    } rows[] = {
        {rectangles(LinearSpline), Lathe, {}, RegionOperation::Union, "profiles"},
        {rectangles(LinearSpline), Prism, {1, 5}, RegionOperation::Union, "There is no set 5"},
        {rectangles(LinearSpline), Prism, {}, RegionOperation::Intersection, "empty"},
        {combs, Prism, {}, RegionOperation::Intersection, "The result needs"},
    };
    for (const auto& row : rows) {
        const SetsResult result = CombineSets(row.drawing, row.kind, row.sets, row.operation);
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.message.find(row.why), std::string::npos) << result.message;
    }
    const SetsResult gone =
        OffsetSets(rectangles(LinearSpline), Prism, {}, -0.6, OffsetJoin::Round);
    EXPECT_NE(gone.message.find("Nothing is left"), std::string::npos) << gone.message;
}

// A result made of bezier sets goes into the drawing in its spline: an empty prism becomes a
// bezier one, other splines get the shape-keeping conversion, a polygon flattened sets; the
// area filled stays that of the sets.
TEST(SetOperations, PlacesBezierSetsInTheDrawingsSpline) {
    Drawing wavy;
    wavy.splineType = BezierSpline;
    AddWavyOutline(wavy, {5, 5}, 2, 25);
    const double wavyArea = FilledArea(wavy, Prism);
    const auto holding = [](int spline, bool rectangle) {
        Drawing drawing = LinearPrism();
        drawing.splineType = spline;
        if (rectangle) {
            AddRectangle(drawing, 0, 0, 1, 1);
        }
        return drawing;
    };
    const struct {
        Drawing drawing;
        int kind;
        int spline;  // of the result
        bool note;   // the conversion tells its deviation
    } rows[] = {
        {holding(LinearSpline, false), Prism, BezierSpline, false},
        {holding(BezierSpline, true), Prism, BezierSpline, false},
        {holding(LinearSpline, true), Prism, LinearSpline, true},
        {holding(QuadraticSpline, true), Prism, QuadraticSpline, true},
        {holding(CubicSpline, true), Prism, CubicSpline, true},
        {holding(LinearSpline, true), Polygon, LinearSpline, true},
    };
    for (const auto& row : rows) {
        const SetsResult result = PlaceBezierSets(row.drawing, row.kind, {}, wavy);
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_EQ(result.drawing.splineType, row.spline);
        EXPECT_EQ(result.drawing.setCount, row.drawing.setCount + 1);
        EXPECT_EQ(!result.notes.empty(), row.note) << row.spline;
        const double before = row.drawing.setCount > 0 ? FilledArea(row.drawing, row.kind) : 0;
        EXPECT_NEAR(FilledArea(result.drawing, row.kind) - before, wavyArea, 0.01 * wavyArea)
            << row.spline;
    }
    Drawing full = holding(BezierSpline, false);
    for (int k = 0; k < 20; ++k) {
        AddWavyOutline(full, {k * 5.0, 0}, 2, 24);
    }
    EXPECT_NE(PlaceBezierSets(full, Prism, {}, wavy).message.find("needs 505 entries"),
              std::string::npos);
    // Combined, a cubic prism's sets stay cubic.
    Drawing cubic = holding(CubicSpline, true);
    AddRectangle(cubic, 0.5, 0.5, 1.5, 1.5);
    const SetsResult united = CombineSets(cubic, Prism, {}, RegionOperation::Union);
    ASSERT_TRUE(united.ok) << united.message;
    EXPECT_EQ(united.drawing.splineType, CubicSpline);
    EXPECT_EQ(united.drawing.setCount, 1);
}

}  // namespace
