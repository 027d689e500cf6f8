#include "MouseEditingFixture.h"

// What every mode shares: the press and release flags, the status updates, the middle button,
// and gestures that start on nothing.

namespace {

const int AllModes[] = {AddPoint,  InsertPoint, MovePoint,  DeletePoint, MoveSet,  DeleteSet,
                        RotateSet, RotateAll,   MoveAll,    ScaleAll,    ScaleSet, CopySet,
                        CopyAll,   FlipSet,     ControlSet, ControlView};

}  // namespace

TEST_F(MouseEditingTest, LeftPressMarksTheDrawingChangedAndHeldInEveryMode) {
    for (int mode : AllModes) {
        SCOPED_TRACE(mode);
        Select(mode);
        canvas.changed = 0;
        Press(10, 10);
        EXPECT_EQ(canvas.changed, 1);
        EXPECT_EQ(canvas.buttonHeld, 1);
        Release(10, 10);
        EXPECT_EQ(canvas.buttonHeld, 0);
    }
}

TEST_F(MouseEditingTest, MiddleButtonOnlyUpdatesTheStatusWhileDragging) {
    AddFinishedSet(canvas, {{0, 0}, {40, 0}, {0, 40}});
    canvas.splineType = CubicSpline;
    ModelSnapshot before(canvas);
    for (int mode : AllModes) {
        SCOPED_TRACE(mode);
        Select(mode);
        canvas.changed = 0;
        status.updates.clear();
        dc->Clear();
        Press(Px(0), Px(0), 2);
        Drag(Px(30), Px(30), 2);
        Release(Px(30), Px(30), 2);
        EXPECT_TRUE(before.Matches(canvas));
        EXPECT_EQ(canvas.changed, 0);
        EXPECT_EQ(canvas.buttonHeld, 0);
        EXPECT_EQ(status.updates.size(), 1u);
        EXPECT_TRUE(dc->calls.empty());
        EXPECT_FALSE(SetChosen());
    }
}

TEST_F(MouseEditingTest, StatusShowsTheCursorInFileUnits) {
    canvas.OnMouseMotion(0, 0);
    canvas.OnMouseMove(225, 75, 3);
    canvas.OnResize(600, 300);
    canvas.OnMouseMotion(450, 150);
    ASSERT_EQ(status.updates.size(), 3u);
    EXPECT_EQ(status.updates[0], std::make_pair(-2.0, 2.0));
    EXPECT_EQ(status.updates[1], std::make_pair(1.0, 1.0));
    EXPECT_EQ(status.updates[2], std::make_pair(1.0, 0.0));
    EXPECT_TRUE(dc->calls.empty());
}

// Every point lies 1000 model units or more from the cursor, so no press finds one; an earlier
// pick is left in the press state to show that nothing stale is used instead.
TEST_F(MouseEditingTest, GesturesThatFindNoPointChangeNothingInAnyMode) {
    AddFinishedSet(canvas, {{3000, 0}, {3040, 0}, {3000, 40}});
    AddFinishedSet(canvas, {{3100, 0}, {3140, 0}, {3100, 40}});
    canvas.splineType = BezierSpline;
    for (int mode : AllModes) {
        if (mode == AddPoint) {
            continue;
        }
        SCOPED_TRACE(mode);
        Select(mode);
        canvas.pickIndex = 1;
        canvas.pickAux = 1;
        canvas.pickSet = 1;
        ModelSnapshot before(canvas);
        Press(Px(0), Px(0));
        Drag(Px(50), Px(70));
        Drag(Px(-60), Px(20));
        Release(Px(-60), Px(20));
        Release(Px(-60), Px(20), 3);
        EXPECT_TRUE(before.Matches(canvas));
        EXPECT_FALSE(SetChosen());
    }
}

// A canvas under two pixels wide has no model units for its pixels: no gesture may store or
// compute with the numbers that are not finite such a pixel would give.
TEST_F(MouseEditingTest, GesturesOnACanvasWithoutAreaChangeNothingInAnyMode) {
    AddFinishedSet(canvas, {{0, 0}, {40, 0}, {0, 40}});
    canvas.splineType = BezierSpline;
    canvas.OnResize(1, 300);
    ModelSnapshot before(canvas);
    for (int mode : AllModes) {
        SCOPED_TRACE(mode);
        Select(mode);
        Press(0, 10);
        Drag(1, 20);
        Release(1, 20);
        Release(0, 20, 3);
        EXPECT_TRUE(before.Matches(canvas));
    }
}

TEST_F(MouseEditingTest, RightReleaseInPointAndTransformModesDoesNothing) {
    AddFinishedSet(canvas, {{0, 0}, {40, 0}, {0, 40}});
    AddOpenPoints(canvas, {{-50, -50}, {-60, -50}, {-60, -60}});
    ModelSnapshot before(canvas);
    for (int mode = InsertPoint; mode <= ScaleSet; ++mode) {
        SCOPED_TRACE(mode);
        Select(mode);
        canvas.buttonHeld = 1;
        status.updates.clear();
        dc->Clear();
        Release(Px(0), Px(0), 3);
        EXPECT_TRUE(before.Matches(canvas));
        EXPECT_EQ(canvas.buttonHeld, 1);
        EXPECT_TRUE(dc->calls.empty());
        EXPECT_TRUE(status.updates.empty());
    }
    for (int mode : {FlipSet, ControlView}) {
        Select(mode);
        canvas.buttonHeld = 1;
        Release(Px(0), Px(0), 3);
        EXPECT_EQ(canvas.buttonHeld, 0);
        EXPECT_TRUE(before.Matches(canvas));
    }
}

TEST_F(MouseEditingTest, LeftReleaseRepaintsTheWholeOutline) {
    for (int mode : {InsertPoint, MovePoint, DeletePoint, MoveSet, DeleteSet, RotateSet, RotateAll,
                     MoveAll, ScaleAll, ScaleSet, CopySet, CopyAll, FlipSet, ControlView}) {
        SCOPED_TRACE(mode);
        Select(mode);
        dc->Clear();
        Release(5, 5);
        EXPECT_EQ(FirstCall(), "Redraw(1,1)");
    }
}
