#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/ProfileWall.h"
#include "model/SegmentDistance.h"
#include "support/OutlineDrawings.h"

namespace {

// A cup's profile, open: from the axis along the bottom and up the side. A set keeps its
// closing repeat; the wall takes the profile without it.
Drawing Cup(int spline, int kind = Lathe) {
    Drawing drawing;
    drawing.kind = static_cast<ShapeKind>(kind);
    drawing.splineType = spline;
    drawing.isOpen = 1;
    AddSet(drawing, {{0, 0}, {1, 0}, {1, 1.5}});
    return drawing;
}

// The even-odd area of the walled profile, closed.
double WallArea(const Drawing& drawing) {
    Rings rings;
    for (int set = 1; set <= drawing.setCount; ++set) {
        Ring ring;
        for (int i = drawing.setEnds[set - 1]; i + 1 < drawing.setEnds[set]; ++i) {
            ring.push_back(FileOf(drawing.points[i]));
        }
        rings.push_back(ring);
    }
    return EvenOddArea(rings);
}

TEST(ProfileWall, WallsACupOnEitherSide) {
    const double d = 0.1;
    const double lip = M_PI * d * d / 8;
    const struct {
        WallSide side;
        LipShape lip;
        double area;
    } rows[] = {
        {WallSide::Inside, LipShape::Flat, 1 * d + 1.4 * d},
        {WallSide::Inside, LipShape::Round, 1 * d + 1.4 * d + lip},
        // Outside, the corner is rounded: every point is within the thickness of the profile.
        {WallSide::Outside, LipShape::Flat, 1 * d + 1.5 * d + M_PI * d * d / 4},
    };
    for (const auto& row : rows) {
        const SetsResult result =
            WallProfiles(Cup(LinearSpline), Lathe, {}, {d, row.side, row.lip});
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_EQ(result.drawing.isOpen, 0);
        EXPECT_NEAR(WallArea(result.drawing), row.area, 2e-3 * row.area);
        for (int i = 0; i < result.drawing.pointCount; ++i) {
            EXPECT_GE(result.drawing.points[i].x, 0);
        }
    }
}

// A bezier bowl walled inside: along its side, the wall's inner curve keeps the thickness
// within 1 %.
TEST(ProfileWall, BezierWallKeepsItsThickness) {
    const Drawing drawing = BezierBowl();
    const double d = 0.08;
    const SetsResult result = WallProfiles(drawing, Lathe, {}, {d, WallSide::Inside});
    ASSERT_TRUE(result.ok) << result.message;
    const WallDistances distances = MeasureWall(drawing, result.drawing, d, 0.3, 1.4);
    EXPECT_LE(distances.largest, d * 1.01);
    EXPECT_LE(distances.Stray(d), d * 0.01);
    EXPECT_GT(distances.farSide.size(), 10u);
}

TEST(ProfileWall, RefusesWithTheReason) {
    Drawing closedTwo = Cup(LinearSpline);
    AddSet(closedTwo, {{2, 0}, {2.5, 0}, {2.5, 1}});
    const struct {
        Drawing drawing;
        int kind;
        double thickness;
        std::vector<int> sets;
        const char* why;
    } rows[] = {
        {Cup(LinearSpline, Sor), Sor, 0.1, {}, "heights must rise"},
        {Cup(LinearSpline, Prism), Prism, 0.1, {}, "for a lathe"},
        {Cup(CubicSpline), Lathe, 0.1, {}, "cubic spline"},
        {Cup(LinearSpline), Lathe, 0, {}, "above 0"},
        {closedTwo, Lathe, 0.1, {2}, "wall them all"},
        {Cup(LinearSpline), Lathe, 0.1, {3}, "There is no set 3"},
    };
    for (const auto& row : rows) {
        const SetsResult result = WallProfiles(row.drawing, row.kind, row.sets, {row.thickness});
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.message.find(row.why), std::string::npos) << result.message;
    }
}

}  // namespace
