#include <limits>

#include "MouseEditingFixture.h"

// Presses that delete points and sets or insert points, and the drags that move a point, a set
// or the whole drawing.

namespace {

// Set 1: 4 entries (0..3), set 2: 5 entries (4..8), open set: 9..11.
void BuildTwoSetsAndAnOpenSet(KCanvasPane& canvas) {
    AddFinishedSet(canvas, {{0, 0}, {40, 0}, {0, 40}});
    AddFinishedSet(canvas, {{-80, -80}, {-40, -80}, {-40, -40}, {-80, -40}});
    AddOpenPoints(canvas, {{60, 60}, {90, 60}, {90, 90}});
}

}  // namespace

TEST_F(MouseEditingTest, DeletePointKeepsCoincidentPointsAndThreeDistinctPoints) {
    BuildTwoSetsAndAnOpenSet(canvas);
    Select(DeletePoint);
    ModelSnapshot before(canvas);
    Press(Px(0), Px(0));   // first point of a set, on its closing point
    Press(Px(40), Px(0));  // a set of 4 entries
    EXPECT_TRUE(before.Matches(canvas));
    EXPECT_EQ(dc->Count("Redraw("), 0);
    EXPECT_TRUE(status.updates.empty());

    Press(Px(-40), Px(-80));  // a set of 5 entries
    ASSERT_EQ(canvas.pointCount, 11);
    EXPECT_EQ(canvas.setEnds[1], 4);
    EXPECT_EQ(canvas.setEnds[2], 8);
    EXPECT_POINT(canvas.points[5], -40, -40);
    EXPECT_POINT(canvas.points[8], 60, 60);
    EXPECT_EQ(dc->Count("Redraw(1,1)"), 1);
    EXPECT_EQ(status.updates.size(), 1u);
}

TEST_F(MouseEditingTest, DeletingTheSecondOpenPointDropsTheLastOneToo) {
    BuildTwoSetsAndAnOpenSet(canvas);
    Select(DeletePoint);
    Press(Px(90), Px(60));
    EXPECT_EQ(canvas.pointCount, 10);
    EXPECT_EQ(canvas.setEnds[canvas.setCount], 9);
    EXPECT_POINT(canvas.points[9], 60, 60);

    // The first open point is an ordinary point and goes alone.
    Press(Px(60), Px(60));
    EXPECT_EQ(canvas.pointCount, 9);
    EXPECT_FALSE(canvas.HasOpenSet());
}

TEST_F(MouseEditingTest, DeleteSetRemovesItsEntriesAndItsEnd) {
    BuildTwoSetsAndAnOpenSet(canvas);
    Select(DeleteSet);
    Press(Px(60), Px(60));  // the open set is no set
    EXPECT_EQ(canvas.setCount, 2);
    EXPECT_EQ(canvas.pointCount, 12);

    Press(Px(40), Px(0));
    ASSERT_EQ(canvas.setCount, 1);
    EXPECT_EQ(canvas.pointCount, 8);
    EXPECT_EQ(canvas.setEnds[0], 0);
    EXPECT_EQ(canvas.setEnds[1], 5);
    EXPECT_POINT(canvas.points[0], -80, -80);
    EXPECT_POINT(canvas.points[5], 60, 60);
    EXPECT_EQ(dc->Count("Redraw(1,1)"), 1);
    EXPECT_EQ(status.updates.size(), 1u);
}

TEST_F(MouseEditingTest, InsertPointPutsTheMidpointOnTheSideTowardsTheCursor) {
    struct Case {
        Point2 cursor;
        int index;
        Point2 added;
    };
    // The square's first point, with the cursor towards its last distinct point (wrapping
    // around the closing point) and towards its second point.
    const Case cases[] = {{{2, 10}, 4, {0, 20}}, {{10, 2}, 1, {20, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        RedrawLoggingCanvas fresh(nullptr);
        AddFinishedSet(fresh, {{0, 0}, {40, 0}, {40, 40}, {0, 40}});
        AddFinishedSet(fresh, {{-80, -80}, {-40, -80}, {-40, -40}});
        AddOpenPoints(fresh, {{70, 70}});
        editMode = InsertPoint;
        fresh.OnMouseDown(Px(c.cursor.x), Px(c.cursor.y), 1);
        ASSERT_EQ(fresh.pointCount, 11);
        EXPECT_EQ(fresh.setEnds[1], 6);
        EXPECT_EQ(fresh.setEnds[2], 10);
        EXPECT_POINT(fresh.points[c.index], c.added.x, c.added.y);
        EXPECT_POINT(fresh.points[5], 0, 0);
        EXPECT_POINT(fresh.points[10], 70, 70);
        // Both segments that meet at the new point get handles halfway along.
        Point2 after = fresh.points[c.index + 1];
        Point2 before = fresh.points[c.index - 1];
        EXPECT_POINT(fresh.control1[c.index], (c.added.x + after.x) / 2, (c.added.y + after.y) / 2);
        EXPECT_POINT(fresh.control2[c.index], (fresh.control1[c.index].x + after.x) / 2,
                     (fresh.control1[c.index].y + after.y) / 2);
        EXPECT_POINT(fresh.control1[c.index - 1], (before.x + c.added.x) / 2,
                     (before.y + c.added.y) / 2);
        EXPECT_POINT(fresh.control2[c.index - 1], (fresh.control1[c.index - 1].x + c.added.x) / 2,
                     (fresh.control1[c.index - 1].y + c.added.y) / 2);
    }
}

TEST_F(MouseEditingTest, InsertPointNeedsAFinishedSetAndRoom) {
    AddFinishedSet(canvas, {{0, 0}, {40, 0}, {0, 40}});
    AddOpenPoints(canvas, {{80, 80}, {90, 80}});
    Select(InsertPoint);
    Press(Px(85), Px(85));
    EXPECT_EQ(canvas.pointCount, 6);
    while (canvas.pointCount < MaxPoints - 1) {
        AddOpenPoints(canvas, {{100, double(canvas.pointCount)}});
    }
    ModelSnapshot full(canvas);
    Press(Px(20), Px(0));
    EXPECT_TRUE(full.Matches(canvas));
    canvas.pointCount = MaxPoints - 2;
    Press(Px(20), Px(0));
    EXPECT_EQ(canvas.pointCount, MaxPoints - 1);
    EXPECT_EQ(canvas.setEnds[1], 5);
}

TEST_F(MouseEditingTest, InsertPointNeedsDirectionsItCanCompare) {
    // A neighbour at infinity, as an earlier version's transforms could leave, gives none.
    constexpr double Far = std::numeric_limits<double>::infinity();
    AddFinishedSet(canvas, {{0, 0}, {Far, Far}, {0, 40}});
    ModelSnapshot before(canvas);
    Select(InsertPoint);
    Press(Px(0), Px(0));
    EXPECT_TRUE(before.Matches(canvas));
}

TEST_F(MouseEditingTest, MovePointTakesItsClosingPointAlongInWholeUnits) {
    AddFinishedSet(canvas, {{0, 0}, {40, 0}, {0, 40}});
    Point2 handle = canvas.control1[0];
    Select(MovePoint);
    Press(Px(1), Px(1));
    Drag(Px(10.5), Px(21));
    EXPECT_POINT(canvas.points[0], 9, 20);
    EXPECT_POINT(canvas.points[3], 9, 20);
    EXPECT_POINT(canvas.control1[0], handle.x, handle.y);
    EXPECT_EQ(FirstCall(), "Redraw(1,1)");

    Press(Px(40), Px(0));
    Drag(Px(50), Px(-5));
    EXPECT_POINT(canvas.points[1], 50, -5);
    EXPECT_POINT(canvas.points[3], 9, 20);
}

TEST_F(MouseEditingTest, MoveAllShiftsEveryEntry) {
    AddFinishedSet(canvas, {{0, 0}, {40, 0}, {0, 40}});
    AddOpenPoints(canvas, {{-50, -50}});
    ModelSnapshot start(canvas);
    Select(MoveAll);
    Press(Px(40), Px(0));
    Drag(Px(50), Px(20));
    for (int i = 0; i < canvas.pointCount; ++i) {
        EXPECT_POINT(canvas.points[i], start.points[i].x + 10, start.points[i].y + 20);
        EXPECT_POINT(canvas.control1[i], start.control1[i].x + 10, start.control1[i].y + 20);
    }
}
