#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "interchange/OutlineAdding.h"
#include "support/OutlineDrawings.h"

namespace {

// A circle of radius 60 about the origin, four bezier quarters, in model units.
Outline Circle() {
    const double r = 60;
    const double k = 0.5523 * r;
    Outline outline;
    Outline::Set circle;
    circle.points = {{r, 0}, {0, r}, {-r, 0}, {0, -r}};
    circle.segments = {{true, {r, k}, {k, r}},
                       {true, {-k, r}, {-r, k}},
                       {true, {-r, -k}, {-k, -r}},
                       {true, {k, -r}, {r, -k}}};
    outline.sets.push_back(circle);
    return outline;
}

// `sets` sets away from the circle, taking `entries` entries in all, with the spline.
Drawing Filled(int sets, int entries, int spline) {
    Drawing drawing;
    drawing.splineType = spline;
    for (int k = 0; k < sets; ++k) {
        std::vector<Point2> points;
        const int n = (k == 0 ? entries - 4 * (sets - 1) : 4) - 1;
        for (int i = 0; i < n; ++i) {
            points.push_back(
                {3 + 0.5 * std::cos(2 * M_PI * i / n), 3 + std::sin(2 * M_PI * i / n)});
        }
        AddSet(drawing, points);
    }
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
        {Prism, Filled(1, 4, LinearSpline), LinearSpline, "straight"},
        {Prism, Filled(1, 4, CubicSpline), CubicSpline, "file units"},
        {Polygon, Filled(1, 4, BezierSpline), BezierSpline, "straight"},
        {Prism, Filled(1, 496, BezierSpline), BezierSpline, "has room for"},
        {Lathe, Drawing(), -1, "profiles"},
        {Prism, Filled(99, 396, LinearSpline), -1, "room for at most 0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.says);
        const SetsResult result = AddOutline(row.drawing, row.kind, Circle(), {});
        if (row.spline < 0) {
            EXPECT_NE(result.message.find(row.says), std::string::npos) << result.message;
            continue;
        }
        ASSERT_TRUE(result.ok) << result.message;
        const Drawing& added = result.drawing;
        EXPECT_EQ(added.setCount, row.drawing.setCount + 1);
        EXPECT_EQ(added.splineType, row.spline);
        const std::string notes = result.notes.empty() ? "" : result.notes[0];
        EXPECT_NE(notes.find(row.says), std::string::npos) << notes;
        // The drawing's own entries stay; every new point lies on the circle, within what
        // fitting and simplifying allow.
        for (int i = 0; i < added.pointCount; ++i) {
            const Point2 p = added.points[i];
            const Point2 own = row.drawing.points[i];
            EXPECT_TRUE(i < row.drawing.pointCount ? p.x == own.x && p.y == own.y
                                                   : std::fabs(std::hypot(p.x, p.y) - 60) < 1.5);
        }
    }
}

}  // namespace
