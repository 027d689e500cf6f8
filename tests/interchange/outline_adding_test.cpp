#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "interchange/OutlineAdding.h"
#include "support/OutlineDrawings.h"

namespace {

// A circle of four bezier quarters, radius r about (cx, cy), in model units.
Outline Circle(double cx, double cy, double r) {
    const double k = 0.5523 * r;
    Outline outline;
    Outline::Set set;
    set.points = {{cx + r, cy}, {cx, cy + r}, {cx - r, cy}, {cx, cy - r}};
    set.segments = {{true, {cx + r, cy + k}, {cx + k, cy + r}},
                    {true, {cx - k, cy + r}, {cx - r, cy + k}},
                    {true, {cx - r, cy - k}, {cx - k, cy - r}},
                    {true, {cx + k, cy - r}, {cx + r, cy - k}}};
    outline.sets.push_back(set);
    return outline;
}

// Sets of three points each, taking `entries` entries in all.
Drawing Triangles(int entries) {
    Drawing drawing;
    for (int k = 0; k < entries / 4; ++k) {
        AddSet(drawing, {{0, 0}, {0.1, 0}, {0, 0.1}});
    }
    return drawing;
}

// One set of `entries` entries on a small circle away from the outline.
Drawing OneLargeSet(int entries) {
    Drawing drawing;
    std::vector<Point2> points;
    for (int i = 0; i + 1 < entries; ++i) {
        const double a = 2 * M_PI * i / (entries - 1);
        points.push_back({3 + 0.5 * std::cos(a), 3 + 0.5 * std::sin(a)});
    }
    AddSet(drawing, points);
    return drawing;
}

Drawing OfSpline(Drawing drawing, int spline) {
    drawing.splineType = spline;
    return drawing;
}

// The outline comes after the drawing's own sets in the drawing's one spline: its own into an
// empty prism, converted (with a note) into one with sets, flattened into a polygon, simplified
// to the room left; where it cannot go the drawing is refused with the reason.
TEST(OutlineAdding, TakesTheDrawingsSplineAndRoom) {
    const struct {
        int kind;
        Drawing drawing;
        int spline;        // the result's; -1: refused
        const char* says;  // in the first note, or the refusal
    } rows[] = {
        {Prism, Drawing(), BezierSpline, ""},
        {Prism, OfSpline(Triangles(4), LinearSpline), LinearSpline, "straight"},
        {Prism, OfSpline(Triangles(4), CubicSpline), CubicSpline, "file units"},
        {Polygon, Triangles(4), LinearSpline, "straight"},
        {Prism, OfSpline(OneLargeSet(496), BezierSpline), BezierSpline, "has room for"},
        {Lathe, Drawing(), -1, "profiles"},
        {Prism, Triangles(396), -1, "room for at most 0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.says);
        const SetsResult result = AddOutline(row.drawing, row.kind, Circle(0, 0, 60), {});
        if (row.spline < 0) {
            EXPECT_FALSE(result.ok);
            EXPECT_NE(result.message.find(row.says), std::string::npos) << result.message;
            continue;
        }
        ASSERT_TRUE(result.ok) << result.message;
        const Drawing& added = result.drawing;
        EXPECT_EQ(added.setCount, row.drawing.setCount + 1);
        EXPECT_EQ(added.splineType, row.kind == Prism ? row.spline : row.drawing.splineType);
        const std::string notes = result.notes.empty() ? "" : result.notes[0];
        EXPECT_NE(notes.find(row.says), std::string::npos) << notes;
        for (int i = 0; i < row.drawing.pointCount; ++i) {
            EXPECT_TRUE(added.points[i].x == row.drawing.points[i].x &&
                        added.points[i].y == row.drawing.points[i].y);
        }
        // Every new point lies on the circle, within what fitting and simplifying allow.
        for (int i = row.drawing.pointCount; i < added.pointCount; ++i) {
            EXPECT_NEAR(std::hypot(added.points[i].x, added.points[i].y), 60, 1.5) << i;
        }
    }
}

}  // namespace
