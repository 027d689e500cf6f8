#include <cmath>
#include <functional>
#include <memory>

#include "MouseEditingFixture.h"

// The gestures' second path: in a zoomed and moved view every mode works on the exact model
// point under the cursor, uncut, and a press picks only what lies within a few pixels; with
// snap on, what is placed lands on the grid.

namespace {

constexpr double Zoom = 4;
const Point2 Centre{20, -10};

double Length(Point2 p) {
    return std::hypot(p.x, p.y);
}

Point2 Minus(Point2 a, Point2 b) {
    return {a.x - b.x, a.y - b.y};
}

class ViewGestures : public MouseEditingTest {
public:
    using MouseEditingTest::canvas;
    using MouseEditingTest::Click;
    using MouseEditingTest::Drag;
    using MouseEditingTest::Press;
    using MouseEditingTest::Release;
    using MouseEditingTest::Select;

    ViewGestures() {
        AddFinishedSet(canvas, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
        AddFinishedSet(canvas, {{30, -20}, {40, -20}, {35, -12}});
        canvas.SetView({Zoom, Centre});
    }

    // Each case runs on a fixture of its own.
    void TestBody() override {}

    int X(double model) const { return canvas.PixelX(model); }
    int Y(double model) const { return canvas.PixelY(model); }
    // The model point a pixel stands for in this view.
    Point2 At(int x, int y) const { return {canvas.ModelX(x), canvas.ModelY(y)}; }
};

struct ModeCase {
    const char* name;
    int mode;
    // The gesture, in pixels of the view: press, drag to, release there (left button), then a
    // right release at the same place when `right`.
    Point2 press;
    Point2 to;
    bool right;
    std::function<void(ViewGestures&, Point2 cursor)> check;
};

TEST_F(ViewGestures, EveryModeWorksOnTheExactPointUnderTheCursor) {
    const ModeCase cases[] = {
        {"add",
         AddPoint,
         {3.3, 4.7},
         {3.3, 4.7},
         false,
         [](ViewGestures& t, Point2 cursor) {
             EXPECT_EQ(t.canvas.pointCount, 10);
             EXPECT_POINT(t.canvas.points[9], cursor.x, cursor.y);
             EXPECT_NE(cursor.x, std::trunc(cursor.x)) << "not cut to whole units";
         }},
        {"insert",
         InsertPoint,
         {9, 0.5},
         {9, 0.5},
         false,
         [](ViewGestures& t, Point2) {
             EXPECT_EQ(t.canvas.pointCount, 10);
             EXPECT_POINT(t.canvas.points[1], 5, 0);
         }},
        {"move point",
         MovePoint,
         {10.2, 9.9},
         {12.6, 13.1},
         false,
         [](ViewGestures& t, Point2 cursor) {
             Point2 moved = t.canvas.points[2];
             EXPECT_NEAR(moved.x, 10 + cursor.x - t.At(t.X(10.2), t.Y(9.9)).x, 1e-9);
             EXPECT_NE(moved.x, std::trunc(moved.x));
         }},
        {"delete point",
         DeletePoint,
         {10.5, 10.5},
         {10.5, 10.5},
         false,
         [](ViewGestures& t, Point2) {
             EXPECT_EQ(t.canvas.pointCount, 8);
             EXPECT_POINT(t.canvas.points[2], 0, 10);
         }},
        {"move set",
         MoveSet,
         {40, -20},
         {42.5, -18.75},
         false,
         [](ViewGestures& t, Point2 cursor) {
             const Point2 by = Minus(cursor, t.At(t.X(40), t.Y(-20)));
             EXPECT_NEAR(t.canvas.points[5].x, 30 + by.x, 1e-9);
             EXPECT_NEAR(t.canvas.points[8].y, -20 + by.y, 1e-9);
             EXPECT_POINT(t.canvas.points[0], 0, 0);
         }},
        {"delete set",
         DeleteSet,
         {35, -12},
         {35, -12},
         false,
         [](ViewGestures& t, Point2) {
             EXPECT_EQ(t.canvas.setCount, 1);
             EXPECT_EQ(t.canvas.pointCount, 5);
         }},
        {"rotate set",
         RotateSet,
         {10, 10},
         {5, 14},
         false,
         [](ViewGestures& t, Point2 cursor) {
             const Point2 p = Minus(t.canvas.points[2], {5, 5});
             const Point2 c = Minus(cursor, {5, 5});
             EXPECT_NEAR(std::atan2(p.y, p.x), std::atan2(c.y, c.x), 1e-6);
         }},
        {"rotate all",
         RotateAll,
         {10, 10},
         {4, 14},
         false,
         [](ViewGestures& t, Point2 cursor) {
             const Point2 p = t.canvas.points[2];
             EXPECT_NEAR(std::atan2(p.y, p.x), std::atan2(cursor.y, cursor.x), 1e-6);
         }},
        {"move all",
         MoveAll,
         {0, 10},
         {1.3, 12.2},
         false,
         [](ViewGestures& t, Point2 cursor) {
             const Point2 by = Minus(cursor, t.At(t.X(0), t.Y(10)));
             EXPECT_NEAR(t.canvas.points[5].x, 30 + by.x, 1e-9);
             EXPECT_NE(by.x, std::trunc(by.x));
         }},
        {"scale all",
         ScaleAll,
         {10, 10},
         {13.2, 13.2},
         false,
         [](ViewGestures& t, Point2 cursor) {
             EXPECT_NEAR(Length(t.canvas.points[2]), Length(cursor), 1e-4);
         }},
        {"scale set",
         ScaleSet,
         {10, 10},
         {12.1, 12.1},
         false,
         [](ViewGestures& t, Point2 cursor) {
             EXPECT_NEAR(Length(Minus(t.canvas.points[2], {5, 5})), Length(Minus(cursor, {5, 5})),
                         1e-4);
         }},
        {"copy set",
         CopySet,
         {35, -12},
         {5.5, -16.25},
         true,
         [](ViewGestures& t, Point2 cursor) {
             EXPECT_EQ(t.canvas.setCount, 3);
             // The copy of the picked point lands on the cursor.
             EXPECT_NEAR(t.canvas.points[9 + 2].x, cursor.x, 1e-9);
             EXPECT_NEAR(t.canvas.points[9 + 2].y, cursor.y, 1e-9);
         }},
        {"copy all",
         CopyAll,
         {0, 0},
         {-12.25, 20.5},
         true,
         [](ViewGestures& t, Point2 cursor) {
             EXPECT_EQ(t.canvas.setCount, 4);
             EXPECT_NEAR(t.canvas.points[9].x, cursor.x, 1e-9);
         }},
        {"flip set",
         FlipSet,
         {35, -12},
         {35, -12},
         false,
         [](ViewGestures& t, Point2) {
             EXPECT_NEAR(t.canvas.points[7].y, 2 * (-52.0 / 3) + 12, 1e-9);
         }},
        {"control set",
         ControlSet,
         {1, 0},
         {1, 0},
         false,
         [](ViewGestures& t, Point2) {
             // The press chose set 1; the next press grabs its control point and drags it.
             t.Press(t.X(2.6), t.Y(0.2));
             t.Drag(t.X(-3.3), t.Y(-4.4));
             const Point2 to = t.At(t.X(-3.3), t.Y(-4.4));
             EXPECT_POINT(t.canvas.control1[0], to.x, to.y);
         }},
        {"control view",
         ControlView,
         {0, 0},
         {0, 0},
         false,
         [](ViewGestures& t, Point2) { EXPECT_EQ(t.canvas.pointCount, 9); }},
    };
    for (const ModeCase& c : cases) {
        SCOPED_TRACE(c.name);
        ViewGestures t;
        t.canvas.splineType = c.mode == ControlSet ? QuadraticSpline : LinearSpline;
        t.Select(c.mode);
        const int px = t.X(c.press.x);
        const int py = t.Y(c.press.y);
        const int tx = t.X(c.to.x);
        const int ty = t.Y(c.to.y);
        t.Press(px, py);
        t.Drag(tx, ty);
        t.Release(tx, ty);
        if (c.right) {
            t.Release(tx, ty, 3);
        }
        c.check(t, t.At(tx, ty));
    }
}

// In the default view the nearest point within 1000 model units is picked; in any other only
// one within eight pixels.
TEST_F(ViewGestures, PressesPickOnlyWithinEightPixels) {
    const struct {
        double pixelsAway;
        bool picked;
    } cases[] = {{0, true}, {5, true}, {7.5, true}, {9, false}, {40, false}};
    for (const auto& c : cases) {
        ViewGestures t;
        t.Select(MovePoint);
        const int x = t.X(10) + static_cast<int>(c.pixelsAway);
        t.Press(x, t.Y(10));
        t.Drag(x + 20, t.Y(10) + 20);
        EXPECT_EQ(t.canvas.points[2].x != 10, c.picked) << c.pixelsAway << " px";
    }
}

// With snap on every placing gesture lands on the grid (0.25 file units: 18.75 model units),
// near the y axis on x = 0; moves and copies go by whole grid steps.
TEST_F(ViewGestures, SnapPutsEveryPlacedPointOnTheGrid) {
    auto onGrid = [](double v) { return std::fabs(v / 18.75 - std::round(v / 18.75)) < 1e-9; };
    for (bool zoomed : {false, true}) {
        SCOPED_TRACE(zoomed ? "zoom 4 with pan" : "zoom 1");
        auto start = [&](int mode) {
            auto t = std::make_unique<ViewGestures>();
            t->canvas.SetView(zoomed ? CanvasView{Zoom, Centre} : CanvasView{});
            CanvasOptions options;
            options.snapToGrid = true;
            t->canvas.SetOptions(options);
            t->Select(mode);
            return t;
        };
        {
            auto t = start(AddPoint);
            t->Click(t->X(21), t->Y(-14));
            t->Click(t->X(1.2), t->Y(-30));
            EXPECT_POINT(t->canvas.points[9], 18.75, -18.75);
            EXPECT_EQ(t->canvas.points[10].x, 0) << "near the y axis";
        }
        {
            auto t = start(MovePoint);
            t->Press(t->X(10), t->Y(10));
            t->Drag(t->X(16), t->Y(23));
            EXPECT_TRUE(onGrid(t->canvas.points[2].x) && onGrid(t->canvas.points[2].y));
        }
        {
            auto t = start(InsertPoint);
            t->Click(t->X(9), t->Y(0.5));
            // The midpoint (5, 0), snapped.
            EXPECT_POINT(t->canvas.points[1], 0, 0);
        }
        for (int mode : {MoveSet, MoveAll}) {
            auto t = start(mode);
            t->Press(t->X(40), t->Y(-20));
            t->Drag(t->X(61), t->Y(-5));
            EXPECT_POINT(t->canvas.points[5], 30 + 18.75, -20 + 18.75);
        }
        {
            auto t = start(CopySet);
            t->Click(t->X(35), t->Y(-12));
            t->Release(t->X(10), t->Y(-30), 3);
            EXPECT_POINT(t->canvas.points[11], 35 - 18.75, -12 - 18.75);
        }
        {
            auto t = start(ControlSet);
            t->canvas.splineType = QuadraticSpline;
            t->Click(t->X(1), t->Y(0));
            t->Press(t->X(2.5), t->Y(0));
            t->Drag(t->X(17), t->Y(-22));
            EXPECT_POINT(t->canvas.control1[0], 18.75, -18.75);
        }
    }
}

}  // namespace
