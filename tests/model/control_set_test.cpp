#include "MouseEditingFixture.h"

// CONTROL Set: choosing a set, grabbing an outline point or a control point, dragging it, and
// the curve view of all sets.

namespace {

// Set 1: entries 0..3, set 2: entries 4..7 with default handles.
void BuildTwoTriangles(KCanvasPane& canvas, int spline) {
    AddFinishedSet(canvas, {{0, 0}, {40, 0}, {0, 40}});
    AddFinishedSet(canvas, {{-80, -80}, {-40, -80}, {-40, -40}});
    canvas.splineType = spline;
}

}  // namespace

class ControlSetTest : public MouseEditingTest {
protected:
    // Chooses set 2 with a press and release, then forgets the calls they made.
    void ChooseSetTwo() {
        Select(ControlSet);
        Click(Px(-40), Px(-79));
        dc->Clear();
        status.updates.clear();
    }
};

// Nothing chosen: no curve is shown and a drag moves nothing.
TEST_F(ControlSetTest, NothingIsChosenOnALinearDrawingOrWithAnOpenSet) {
    BuildTwoTriangles(canvas, LinearSpline);
    ModelSnapshot before(canvas);
    Select(ControlSet);
    DragModel({-40, -80}, {0, 0});
    EXPECT_TRUE(before.Matches(canvas));
    EXPECT_EQ(dc->Count("Redraw("), 0);

    canvas.splineType = CubicSpline;
    AddOpenPoints(canvas, {{90, 90}});
    ModelSnapshot open(canvas);
    DragModel({-40, -80}, {0, 0});
    EXPECT_TRUE(open.Matches(canvas));
    EXPECT_EQ(dc->Count("Redraw("), 0);
}

TEST_F(ControlSetTest, APressChoosesTheSetAndShowsItsCurve) {
    BuildTwoTriangles(canvas, CubicSpline);
    ModelSnapshot before(canvas);
    Select(ControlSet);
    Press(Px(-40), Px(-79));
    EXPECT_EQ(FirstCall(), "Redraw(-1,2)");
    // The choosing press grabbed nothing: its drag moves nothing.
    Drag(Px(0), Px(0));
    EXPECT_TRUE(before.Matches(canvas));
    dc->Clear();
    Release(Px(0), Px(0));
    EXPECT_TRUE(dc->calls.empty());
    canvas.RedrawOutline(true);
    EXPECT_EQ(dc->Matching("Redraw("), (std::vector<std::string>{"Redraw(1,1)"}));
    EXPECT_EQ(dc->Count("PaintRectangle("), 0) << "the chosen set's curve stays on show";
}

TEST_F(ControlSetTest, BezierHandlesAreGrabbedAndDragged) {
    BuildTwoTriangles(canvas, BezierSpline);
    ChooseSetTwo();
    EXPECT_POINT(canvas.control2[5], -40, -55);
    Press(Px(-40), Px(-56));
    dc->Clear();
    Drag(Px(-30), Px(-50));
    EXPECT_POINT(canvas.control2[5], -30, -50);
    EXPECT_POINT(canvas.points[5], -40, -80);
    EXPECT_EQ(dc->Matching("Redraw("), std::vector<std::string>{"Redraw(-1,2)"});
}

TEST_F(ControlSetTest, TheFirstPointIsDraggedWithItsClosingPoint) {
    BuildTwoTriangles(canvas, CubicSpline);
    ChooseSetTwo();
    EXPECT_EQ(canvas.PickControlHandle(Px(-80), Px(-79)), 4);
    DragModel({-80, -79}, {-100, -70});
    EXPECT_POINT(canvas.points[4], -100, -70);
    EXPECT_POINT(canvas.points[7], -100, -70);
    // Grabbing the closing point where it has left the first point also grabs the first.
    canvas.points[7] = Point2{-90, -90};
    EXPECT_EQ(canvas.PickControlHandle(Px(-90), Px(-89)), 7);
    DragModel({-90, -89}, {-95, -60});
    EXPECT_POINT(canvas.points[4], -95, -60);
    EXPECT_POINT(canvas.points[7], -95, -60);
}

TEST_F(ControlSetTest, TheSetControlPointOfAQuadraticSetIsGrabbed) {
    BuildTwoTriangles(canvas, QuadraticSpline);
    ChooseSetTwo();
    DragModel({-70, -79}, {-60, -60});
    EXPECT_POINT(canvas.control1[4], -60, -60);
    EXPECT_POINT(canvas.points[4], -80, -80);
    EXPECT_POINT(canvas.points[7], -80, -80);
}

TEST_F(ControlSetTest, GrabbingTheVeryFirstEntryStillDragsIt) {
    BuildTwoTriangles(canvas, CubicSpline);
    Select(ControlSet);
    Click(Px(1), Px(1));
    ASSERT_EQ(FirstCall(), "Redraw(-1,1)");
    Press(Px(0), Px(-1));
    Drag(Px(-5), Px(-5));
    EXPECT_POINT(canvas.points[0], -5, -5);
    EXPECT_POINT(canvas.points[3], -5, -5);
}

TEST_F(ControlSetTest, RightReleaseReturnsToChoosingASet) {
    BuildTwoTriangles(canvas, CubicSpline);
    ChooseSetTwo();
    Release(Px(10), Px(10), 3);
    EXPECT_EQ(dc->Matching("Redraw("), std::vector<std::string>{"Redraw(1,1)"});
    EXPECT_EQ(dc->Count("PaintRectangle("), 2) << "the outline of every set";
    EXPECT_EQ(status.updates.size(), 1u);
    dc->Clear();
    Click(Px(0), Px(1));
    EXPECT_EQ(FirstCall(), "Redraw(-1,1)");
}

TEST_F(ControlSetTest, AGrabbedItemFollowsDragsInOtherModes) {
    BuildTwoTriangles(canvas, BezierSpline);
    ChooseSetTwo();
    Press(Px(-40), Px(-56));
    Release(Px(-40), Px(-56));
    editMode = MoveAll;
    Drag(Px(-20), Px(-20));
    EXPECT_POINT(canvas.control2[5], -20, -20);
    EXPECT_POINT(canvas.points[0], 0, 0);
}

TEST_F(ControlSetTest, PickingWithoutAChosenSetFindsNothing) {
    BuildTwoTriangles(canvas, BezierSpline);
    Select(ControlSet);
    canvas.controlState = 1;
    ModelSnapshot before(canvas);
    for (int set : {0, 3, -1}) {
        canvas.pickSet = set;
        EXPECT_EQ(canvas.PickControlHandle(Px(0), Px(0)), -1);
        Drag(Px(5), Px(5));
        EXPECT_TRUE(before.Matches(canvas)) << "nothing grabbed in set " << set;
    }
}

TEST_F(MouseEditingTest, ControlViewPressShowsAllCurves) {
    AddFinishedSet(canvas, {{0, 0}, {40, 0}, {0, 40}});
    ModelSnapshot before(canvas);
    Select(ControlView);
    Press(Px(0), Px(0));
    EXPECT_EQ(FirstCall(), "Redraw(1,-1)");
    EXPECT_TRUE(before.Matches(canvas));
}
