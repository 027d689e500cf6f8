#include <cmath>

#include "MouseEditingFixture.h"

// Rotate, scale and flip drags and presses, with the guides drawn after each drag step.

namespace {

constexpr double Near = 1e-9;

#define EXPECT_POINT_NEAR(actual, ex, ey)         \
    do {                                          \
        Point2 q_ = (actual);                     \
        EXPECT_NEAR(q_.x, (ex), Near) << #actual; \
        EXPECT_NEAR(q_.y, (ey), Near) << #actual; \
    } while (0)

using Calls = std::vector<std::string>;

}  // namespace

TEST_F(MouseEditingTest, RotateAllTurnsThePickedPointTowardsTheCursor) {
    AddFinishedSet(canvas, {{0, -50}, {40, -50}, {0, -20}});
    Select(RotateAll);
    Press(Px(0), Px(-50));
    dc->Clear();
    Drag(Px(50), Px(0));
    EXPECT_POINT_NEAR(canvas.points[0], 50, 0);
    EXPECT_POINT_NEAR(canvas.points[1], 50, 40);
    EXPECT_POINT_NEAR(canvas.points[2], 20, 0);
    EXPECT_POINT_NEAR(canvas.control1[0], 50, 10);
    EXPECT_EQ(FirstCall(), "Redraw(1,1)");
    EXPECT_EQ(Tail(4), (Calls{"UsePen(123,122,220,1,10)", "PaintLine(150,150,200,150)",
                              "PaintLine(143,150,157,150)", "PaintLine(150,157,150,143)"}));
    EXPECT_EQ(dc->Count("UseBrush("), 0);
}

TEST_F(MouseEditingTest, RotateSetTurnsAboutTheSetCentre) {
    AddFinishedSet(canvas, {{10, 10}, {30, 10}, {30, 30}, {10, 30}});
    AddFinishedSet(canvas, {{-80, -80}, {-40, -80}, {-40, -40}});
    ModelSnapshot before(canvas);
    Select(RotateSet);
    Press(Px(31), Px(9));
    dc->Clear();
    Drag(Px(10), Px(10));
    EXPECT_POINT_NEAR(canvas.points[1], 10, 10);
    EXPECT_POINT_NEAR(canvas.points[0], 10, 30);
    EXPECT_POINT_NEAR(canvas.points[4], 10, 30);
    for (int i = 5; i < canvas.pointCount; ++i) {
        EXPECT_POINT(canvas.points[i], before.points[i].x, before.points[i].y);
    }
    EXPECT_EQ(FirstCall(), "Redraw(1,1)");
    EXPECT_EQ(Tail(4), (Calls{"UsePen(122,220,123,1,10)", "PaintLine(170,170,160,160)",
                              "PaintLine(163,170,177,170)", "PaintLine(170,177,170,163)"}));
}

TEST_F(MouseEditingTest, RotateSetOnAnOpenPointTurnsNothing) {
    AddFinishedSet(canvas, {{10, 10}, {30, 10}, {30, 30}});
    AddOpenPoints(canvas, {{60, 60}, {90, 60}});
    ModelSnapshot before(canvas);
    Select(RotateSet);
    Press(Px(90), Px(60));
    Drag(Px(-90), Px(-60));
    EXPECT_TRUE(before.Matches(canvas));
}

TEST_F(MouseEditingTest, ScaleAllUsesTheTruncatedRadiusOfThePickedPoint) {
    AddFinishedSet(canvas, {{3.5, 4.5}, {40, 4.5}, {3.5, 40}});
    ModelSnapshot before(canvas);
    Select(ScaleAll);
    Press(Px(4), Px(4));
    dc->Clear();
    Drag(Px(6), Px(8));
    for (int i = 0; i < canvas.pointCount; ++i) {
        EXPECT_POINT(canvas.points[i], before.points[i].x * 2, before.points[i].y * 2);
        EXPECT_POINT(canvas.control2[i], before.control2[i].x * 2, before.control2[i].y * 2);
    }
    EXPECT_EQ(FirstCall(), "Redraw(1,1)");
    EXPECT_EQ(Tail(7),
              (Calls{"UsePen(220,122,123,1,10)", "UseBrush(0,0,0,2)", "PaintLine(150,150,156,158)",
                     "PaintLine(143,150,157,150)", "PaintLine(150,157,150,143)",
                     "PaintEllipse(140,140,20,20)", "UseBrush(0,0,0,1)"}));
}

TEST_F(MouseEditingTest, ScaleFactorIsSinglePrecision) {
    AddFinishedSet(canvas, {{3, 0}, {3, 30}, {-20, 30}});
    Select(ScaleAll);
    Press(Px(3), Px(0));
    Drag(Px(10), Px(0));
    double factor = static_cast<float>(10.0 / 3);
    EXPECT_DOUBLE_EQ(canvas.points[0].x, 3 * factor);
    EXPECT_NE(canvas.points[0].x, 10.0);
}

TEST_F(MouseEditingTest, ScalingFromThePickedCentreChangesNothing) {
    // A picked point less than one unit from the origin, and a picked point at its set centre.
    AddFinishedSet(canvas, {{0.6, 0.3}, {40, 0}, {0, 40}});
    AddFinishedSet(canvas, {{-90, -60}, {-70, -60}, {-80, -60}});
    ModelSnapshot before(canvas);
    Select(ScaleAll);
    Press(Px(0), Px(0));
    Drag(Px(40), Px(40));
    EXPECT_TRUE(before.Matches(canvas));
    Select(ScaleSet);
    Press(Px(-80), Px(-60));
    Drag(Px(40), Px(40));
    EXPECT_TRUE(before.Matches(canvas));
    EXPECT_TRUE(std::isfinite(canvas.points[5].x));
}

TEST_F(MouseEditingTest, ScaleSetScalesAboutTheSetCentre) {
    AddFinishedSet(canvas, {{10, 10}, {30, 10}, {30, 30}, {10, 30}});
    AddOpenPoints(canvas, {{90, 90}});
    ModelSnapshot before(canvas);
    Select(ScaleSet);
    Press(Px(30), Px(10));
    // The cursor on the centre gives factor 0, which leaves the set as it is.
    Drag(Px(20), Px(20));
    EXPECT_TRUE(before.Matches(canvas));
    dc->Clear();
    Drag(Px(40), Px(0));
    EXPECT_POINT_NEAR(canvas.points[0], 0, 0);
    EXPECT_POINT_NEAR(canvas.points[2], 40, 40);
    EXPECT_POINT_NEAR(canvas.points[4], 0, 0);
    EXPECT_POINT(canvas.points[5], 90, 90);
    EXPECT_EQ(Tail(7),
              (Calls{"UsePen(220,122,123,1,10)", "UseBrush(0,0,0,2)", "PaintLine(170,170,190,150)",
                     "PaintLine(163,170,177,170)", "PaintLine(170,177,170,163)",
                     "PaintEllipse(141,141,56,56)", "UseBrush(0,0,0,1)"}));
}

TEST_F(MouseEditingTest, FlipSetMirrorsTheSetAboutItsCentreLine) {
    AddOpenPoints(canvas, {{0, 0}, {40, 0}, {0, 30}});
    Select(FlipSet);
    ModelSnapshot open(canvas);
    Press(Px(0), Px(0));
    EXPECT_TRUE(open.Matches(canvas));

    canvas.pointCount = 0;
    AddFinishedSet(canvas, {{0, 0}, {40, 0}, {0, 30}});
    AddFinishedSet(canvas, {{-80, -80}, {-40, -80}, {-40, -40}});
    ModelSnapshot before(canvas);
    Press(Px(40), Px(1));
    for (int i = 0; i < 4; ++i) {
        EXPECT_POINT(canvas.points[i], before.points[i].x, 20 - before.points[i].y);
        EXPECT_POINT(canvas.control1[i], before.control1[i].x, 20 - before.control1[i].y);
    }
    EXPECT_POINT(canvas.points[4], -80, -80);
    dc->Clear();
    Release(Px(40), Px(1));
    EXPECT_EQ(FirstCall(), "Redraw(1,1)");
}

TEST_F(MouseEditingTest, DragsKeepThePickedPointUnderTheCursorAtAnyScale) {
    // Two pixels per model unit. Moves go along a line, rotations along the circle that the
    // picked point can reach: about the set centre, or about the origin.
    for (int mode : {MovePoint, MoveSet, MoveAll, RotateSet, RotateAll}) {
        SCOPED_TRACE(mode);
        RedrawLoggingCanvas wide(nullptr);
        wide.OnResize(600, 600);
        AddFinishedSet(wide, {{30, 20}, {70, 20}, {50, 62}});
        AddFinishedSet(wide, {{-80, -80}, {-40, -80}, {-40, -40}});
        const Point2 picked = wide.points[1];
        const Point2 centre = mode == RotateSet ? Point2{50, 34} : Point2{0, 0};
        editMode = mode;
        wide.OnMouseDown(wide.PixelX(picked.x), wide.PixelY(picked.y), 1);
        for (int step = 1; step <= 12; ++step) {
            Point2 to{picked.x - 7.3 * step, picked.y + 4.1 * step};
            if (mode == RotateSet || mode == RotateAll) {
                double x = picked.x - centre.x;
                double y = picked.y - centre.y;
                KCanvasPane::RotateAboutOrigin(x, y, 0.45 * step);
                to = {centre.x + x, centre.y + y};
            }
            int px = wide.PixelX(to.x);
            int py = wide.PixelY(to.y);
            wide.OnMouseMove(px, py, 1);
            EXPECT_NEAR(wide.points[1].x, wide.ModelX(px), 1) << "step " << step;
            EXPECT_NEAR(wide.points[1].y, wide.ModelY(py), 1) << "step " << step;
        }
    }
    editMode = AddPoint;
}
