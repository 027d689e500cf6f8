#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "model/KCanvasPane.h"
#include "model/SelectionEditing.h"
#include "model/TypedTransform.h"
#include "model/model_test_helpers.h"
#include "support/TestRandom.h"

// A typed transform does what the canvas's own transforms do, on the whole drawing or on the
// chosen points.
namespace {

using Mirror = TypedTransform::Mirror;
using Pivot = TypedTransform::Pivot;

// Finished sets of random points with random handles.
void RandomSets(KCanvasPane& canvas, TestRandom& random) {
    for (int set = random.Between(1, 3); set > 0; --set) {
        const int first = canvas.pointCount;
        AddFinishedSet(canvas, {{random.Uniform(-150, 150), random.Uniform(-150, 150)},
                                {random.Uniform(-150, 150), random.Uniform(-150, 150)},
                                {random.Uniform(-150, 150), random.Uniform(-150, 150)}});
        for (int i = first; i < canvas.pointCount; ++i) {
            canvas.control1[i] = {random.Uniform(-150, 150), random.Uniform(-150, 150)};
            canvas.control2[i] = {random.Uniform(-150, 150), random.Uniform(-150, 150)};
        }
    }
}

bool SameEntries(const Drawing& a, const Drawing& b) {
    const auto near = [](const Point2& p, const Point2& q) {
        return std::fabs(p.x - q.x) < 1e-6 && std::fabs(p.y - q.y) < 1e-6;
    };
    for (int i = 0; i < a.pointCount; ++i) {
        if (!near(a.points[i], b.points[i]) || !near(a.control1[i], b.control1[i]) ||
            !near(a.control2[i], b.control2[i])) {
            return false;
        }
    }
    return a.pointCount == b.pointCount;
}

TypedTransform Typed(Point2 move, double degrees, Point2 scale, Mirror mirror, Pivot pivot,
                     Point2 point) {
    TypedTransform typed;
    typed.move = move;
    typed.degrees = degrees;
    typed.scale = scale;
    typed.mirror = mirror;
    typed.pivot = pivot;
    typed.point = point;
    return typed;
}

}  // namespace

// With nothing chosen, each typed transform moves every entry, handles included, as the
// canvas's transform of the same kind does (file units: y upwards, 75 model units each).
TEST(TypedTransform, TheWholeDrawingGoesAsTheCanvasTransformsTakeIt) {
    const struct {
        const char* name;
        TypedTransform typed;
        std::function<void(KCanvasPane&)> reference;
    } rows[] = {
        {"move", Typed({1.5, 2}, 0, {1, 1}, Mirror::None, Pivot::Origin, {}), [](KCanvasPane&) {}},
        {"turn about the origin", Typed({0, 0}, 30, {1, 1}, Mirror::None, Pivot::Origin, {}),
         [](KCanvasPane& c) { c.RotateRange(0, -1, 30, 0, 0); }},
        {"turn about a point", Typed({0, 0}, -100, {1, 1}, Mirror::None, Pivot::Point, {1, 2}),
         [](KCanvasPane& c) { c.RotateRange(0, -1, -100, 75, -150); }},
        {"scale about a point", Typed({0, 0}, 0, {0.5, 0.5}, Mirror::None, Pivot::Point, {1, 2}),
         [](KCanvasPane& c) {
             c.anchorX = 75, c.anchorY = -150;
             c.ScaleRange(0, c.pointCount, 0.5f, 1);
         }},
        {"mirror left-right", Typed({0, 0}, 0, {1, 1}, Mirror::LeftRight, Pivot::Point, {-1, 0}),
         [](KCanvasPane& c) {
             c.MirrorAll(true, {-75, 0});
         }},
        {"mirror up-down", Typed({0, 0}, 0, {1, 1}, Mirror::UpDown, Pivot::Origin, {}),
         [](KCanvasPane& c) { c.FlipAllVertical(); }},
    };
    TestRandom random(33);
    for (int trial = 0; trial < 40; ++trial) {
        KCanvasPane canvas(nullptr);
        RandomSets(canvas, random);
        for (const auto& row : rows) {
            SCOPED_TRACE(row.name);
            KCanvasPane expected(nullptr);
            expected.SetModel(canvas.Model());
            row.reference(expected);
            if (row.typed.move.x != 0) {
                for (Point2* array : {expected.points, expected.control1, expected.control2}) {
                    for (int i = 0; i < expected.pointCount; ++i) {
                        array[i] = {array[i].x + 112.5, array[i].y - 150};
                    }
                }
            }
            Drawing typed = canvas.Model();
            ASSERT_TRUE(ApplyTypedTransform(typed, {}, row.typed, true));
            EXPECT_TRUE(SameEntries(typed, expected.Model()));
        }
    }
}

// The chosen points turn about their own centre and take their closing repeat and handles
// with them; everything else stays. A result that would not be finite changes nothing.
TEST(TypedTransform, ChosenPointsTurnAboutTheirCentreAndRefusalsChangeNothing) {
    KCanvasPane canvas(nullptr);
    AddFinishedSet(canvas, {{0, 0}, {40, 0}, {40, 40}, {0, 40}});
    AddFinishedSet(canvas, {{100, 0}, {120, 0}, {120, 20}});
    const Drawing before = canvas.Model();
    Selection square;
    for (int i = 0; i < 4; ++i) {
        square.Add({i, EntryPart::Point});
    }
    EXPECT_EQ(CentreOf(before, square).x, 20);
    EXPECT_EQ(CentreOf(before, square).y, 20);
    Selection handle;
    handle.Add({0, EntryPart::Control1});
    EXPECT_EQ(CentreOf(before, handle).x, before.control1[0].x) << "a handle alone";
    Drawing turned = before;
    ASSERT_TRUE(ApplyTypedTransform(
        turned, square, Typed({0, 0}, 90, {1, 1}, Mirror::None, Pivot::Centre, {}), true));
    // A quarter turn anticlockwise about (20, 20): model x' = y, y' = 40 - x (model y runs down).
    // The closing repeat's own handle entries belong to no segment.
    for (int i = 0; i < 5; ++i) {
        for (const auto array : {&Drawing::points, &Drawing::control1, &Drawing::control2}) {
            if (i == 4 && array != &Drawing::points) {
                continue;
            }
            EXPECT_NEAR((turned.*array)[i].x, (before.*array)[i].y, 1e-9) << i;
            EXPECT_NEAR((turned.*array)[i].y, 40 - (before.*array)[i].x, 1e-9) << i;
        }
    }
    for (int i = 5; i < before.pointCount; ++i) {
        EXPECT_EQ(turned.points[i].x, before.points[i].x);
        EXPECT_EQ(turned.control2[i].y, before.control2[i].y);
    }
    for (const Selection& chosen : {Selection{}, square}) {
        Drawing refused = before;
        EXPECT_FALSE(ApplyTypedTransform(
            refused, chosen, Typed({0, 0}, 0, {1e308, 1}, Mirror::None, Pivot::Point, {9, 9}),
            true));
        EXPECT_TRUE(SameEntries(refused, before));
    }
}
