#include "MouseEditingFixture.h"

// Add Point: presses and releases add points, a drag shows the rubber band, a right release
// closes the set.

TEST_F(MouseEditingTest, PressAndReleaseOnOnePixelStartsASetOfOnePoint) {
    Click(170, 120);
    ASSERT_EQ(canvas.pointCount, 1);
    EXPECT_POINT(canvas.points[0], 20, -30);
    EXPECT_EQ(canvas.setCount, 0);
    EXPECT_EQ(canvas.bandFromX, 170);
    EXPECT_EQ(canvas.bandToY, 120);
    EXPECT_EQ(dc->Count("Redraw("), 0);
}

TEST_F(MouseEditingTest, PointsKeepTheUntruncatedModelPosition) {
    canvas.OnResize(600, 600);
    Press(301, 299);
    Drag(311, 330);
    Release(311, 330);
    ASSERT_EQ(canvas.pointCount, 2);
    EXPECT_POINT(canvas.points[0], 0.5, -0.5);
    EXPECT_POINT(canvas.points[1], 5.5, 15);
}

TEST_F(MouseEditingTest, RubberBandIsRepaintedBeforeEachInvertedLine) {
    Press(100, 100);
    Drag(120, 110);
    EXPECT_EQ(dc->calls, std::vector<std::string>{"XorLine(120,110,100,100)"});
    Drag(130, 140);
    ASSERT_EQ(LastCall(), "XorLine(130,140,100,100)");
    int repaint = LastIndexOf("Redraw(1,1)");
    ASSERT_GE(repaint, 1);
    EXPECT_EQ(dc->calls[repaint - 1], "XorLine(120,110,100,100)");
    EXPECT_EQ(dc->Count("XorLine("), 2);
    EXPECT_EQ(canvas.bandToX, 130);
    EXPECT_EQ(canvas.bandToY, 140);

    // Back on the band start the old band is painted over and no new one is drawn.
    dc->Clear();
    Drag(100, 100);
    EXPECT_EQ(dc->Count("Redraw(1,1)"), 1);
    EXPECT_EQ(dc->Count("XorLine("), 0);
}

TEST_F(MouseEditingTest, ReleaseAddsThePointRepaintsAndReportsTheCursor) {
    Press(100, 100);
    Drag(130, 140);
    status.updates.clear();
    dc->Clear();
    canvas.changed = 0;  // saved, or cleared, while the button was held
    Release(180, 90);
    EXPECT_EQ(canvas.changed, 1);
    ASSERT_EQ(canvas.pointCount, 2);
    EXPECT_POINT(canvas.points[1], 30, -60);
    EXPECT_EQ(FirstCall(), "Redraw(1,1)");
    EXPECT_EQ(canvas.bandToX, -1);
    EXPECT_EQ(canvas.bandToY, -1);
    ASSERT_EQ(status.updates.size(), 1u);
    EXPECT_EQ(status.updates[0], std::make_pair(0.4, 0.8));
}

TEST_F(MouseEditingTest, PressOnAnOpenSetStartsTheBandAtItsLastPoint) {
    canvas.OnResize(600, 600);
    AddOpenPoints(canvas, {{0, 0}, {10.7, -20.2}});
    Press(400, 420);
    EXPECT_EQ(canvas.pointCount, 2);
    EXPECT_EQ(canvas.bandFromX, 321);
    EXPECT_EQ(canvas.bandFromY, 259);
    EXPECT_EQ(canvas.bandToX, 400);
    EXPECT_EQ(canvas.bandToY, 420);

    // Releasing on the pixel of the last point adds nothing; any other pixel adds a point.
    Release(321, 259);
    EXPECT_EQ(canvas.pointCount, 2);
    Click(300, 300);
    EXPECT_EQ(canvas.pointCount, 3);
    EXPECT_POINT(canvas.points[2], 0, 0);
}

TEST_F(MouseEditingTest, RightReleaseClosesAnOpenSetOfAtLeastThreePoints) {
    AddFinishedSet(canvas, {{0, 0}, {40, 0}, {0, 40}});
    Click(Px(-50), Px(-50));
    Click(Px(-90), Px(-50));
    Release(Px(-90), Px(-50), 3);
    EXPECT_EQ(canvas.setCount, 1);
    EXPECT_EQ(canvas.pointCount, 6);

    Click(Px(-90), Px(-10));
    status.updates.clear();
    dc->Clear();
    canvas.changed = 0;  // saved with the set still open
    Release(Px(10), Px(10), 3);
    EXPECT_EQ(canvas.changed, 1);
    ASSERT_EQ(canvas.setCount, 2);
    ASSERT_EQ(canvas.pointCount, 8);
    EXPECT_EQ(canvas.setEnds[2], 8);
    EXPECT_POINT(canvas.points[7], -50, -50);
    // Default handles: a quarter and five eighths of the way along each segment.
    EXPECT_POINT(canvas.control1[4], -60, -50);
    EXPECT_POINT(canvas.control2[4], -75, -50);
    EXPECT_POINT(canvas.control1[6], -80, -20);
    EXPECT_EQ(FirstCall(), "Redraw(1,1)");
    ASSERT_EQ(status.updates.size(), 1u);
    EXPECT_EQ(status.updates[0], std::make_pair(10.0 * 2 / 150, -10.0 * 2 / 150));
}

TEST_F(MouseEditingTest, SetsBeyondTheTableMergeIntoTheLastSet) {
    for (int k = 0; k < MaxSets; ++k) {
        AddFinishedSet(canvas, {{0, 0}, {1, 0}, {0, 1}});
    }
    ASSERT_EQ(canvas.pointCount, 396);
    AddOpenPoints(canvas, {{5, 5}, {9, 5}, {5, 9}});
    Release(Px(0), Px(0), 3);
    EXPECT_EQ(canvas.setCount, MaxSets);
    EXPECT_EQ(canvas.pointCount, 400);
    EXPECT_EQ(canvas.setEnds[MaxSets - 1], 392);
    EXPECT_EQ(canvas.setEnds[MaxSets], 400);
    EXPECT_FALSE(canvas.HasOpenSet());
}

TEST_F(MouseEditingTest, NoPointIsAddedBeyondCapacity) {
    AddOpenPoints(canvas, {{0, 0}, {10, 0}});
    while (canvas.pointCount < MaxPoints - 1) {
        AddOpenPoints(canvas, {{double(canvas.pointCount), 5}});
    }
    Click(Px(-70), Px(-70));
    EXPECT_EQ(canvas.pointCount, MaxPoints);
    Click(Px(-80), Px(-70));
    Release(Px(-80), Px(-70), 3);
    EXPECT_EQ(canvas.pointCount, MaxPoints);
    EXPECT_EQ(canvas.setCount, 0);

    // A full model still closes an open set when the closing point fits.
    canvas.pointCount = MaxPoints - 1;
    Release(Px(0), Px(0), 3);
    EXPECT_EQ(canvas.pointCount, MaxPoints);
    EXPECT_EQ(canvas.setCount, 1);
    Click(Px(-70), Px(-70));
    EXPECT_EQ(canvas.pointCount, MaxPoints);
}
