#include "MouseEditingFixture.h"

// Copy Set and Copy All: the press picks, the right release appends the copy.

namespace {

void AddSquare(KCanvasPane& canvas, double x, double y) {
    AddFinishedSet(canvas, {{x, y}, {x + 10, y}, {x + 10, y + 10}, {x, y + 10}});
}

}  // namespace

TEST_F(MouseEditingTest, CopySetOnThePickedPointAppendsAnExactDuplicate) {
    AddFinishedSet(canvas, {{0, 0}, {40, 0}, {0, 40}});
    AddSquare(canvas, -80, -80);
    Select(CopySet);
    Click(Px(-70), Px(-80));
    EXPECT_EQ(canvas.pointCount, 9);
    dc->Clear();
    Release(Px(-70), Px(-80), 3);
    ASSERT_EQ(canvas.pointCount, 14);
    ASSERT_EQ(canvas.setCount, 3);
    EXPECT_EQ(canvas.setEnds[3], 14);
    for (int i = 0; i < 5; ++i) {
        EXPECT_POINT(canvas.points[9 + i], canvas.points[4 + i].x, canvas.points[4 + i].y);
        EXPECT_POINT(canvas.control2[9 + i], canvas.control2[4 + i].x, canvas.control2[4 + i].y);
    }
    EXPECT_EQ(FirstCall(), "Redraw(1,1)");
    EXPECT_EQ(status.updates.size(), 1u);

    // Each further right release makes another copy, its picked point under the cursor, and
    // is a change also after a save.
    canvas.changed = 0;
    Release(Px(20), Px(60), 3);
    EXPECT_EQ(canvas.setCount, 4);
    EXPECT_EQ(canvas.changed, 1);
    EXPECT_POINT(canvas.points[15], 20, 60);
    EXPECT_POINT(canvas.points[14], 10, 60);
    EXPECT_POINT(canvas.control1[14], 12.5, 60);
}

TEST_F(MouseEditingTest, CopyAllAppendsEverySetAfterTheExistingOnes) {
    AddSquare(canvas, 0, 0);
    AddSquare(canvas, -60, 0);
    // Two sets of 4 entries.
    canvas.setEnds[1] = 4;
    canvas.setEnds[2] = 8;
    canvas.pointCount = 8;
    Select(CopyAll);
    Click(Px(0), Px(0));
    Release(Px(0), Px(50), 3);
    ASSERT_EQ(canvas.setCount, 4);
    EXPECT_EQ(canvas.pointCount, 16);
    EXPECT_EQ(canvas.setEnds[3], 12);
    EXPECT_EQ(canvas.setEnds[4], 16);
    EXPECT_POINT(canvas.points[8], 0, 50);
    EXPECT_POINT(canvas.points[12], canvas.points[4].x, canvas.points[4].y + 50);
}

TEST_F(MouseEditingTest, CopyNeedsRoomForThePoints) {
    struct Case {
        int pointCount;
        bool copied;
    };
    for (Case c : {Case{491, false}, Case{490, true}}) {
        SCOPED_TRACE(c.pointCount);
        RedrawLoggingCanvas fresh(nullptr);
        AddFinishedSet(fresh, {{0, 0}, {10, 0}, {20, 0}, {30, 10}, {20, 20}, {10, 20}, {0, 10}});
        ASSERT_EQ(fresh.pointCount, 8);
        fresh.pointCount = c.pointCount;
        fresh.setEnds[++fresh.setCount] = c.pointCount;
        editMode = CopySet;
        fresh.OnMouseDown(Px(0), Px(0), 1);
        ModelSnapshot before(fresh);
        fresh.OnMouseUp(Px(50), Px(50), 3);
        EXPECT_EQ(fresh.pointCount, c.copied ? c.pointCount + 8 : c.pointCount);
        EXPECT_EQ(fresh.setCount, c.copied ? 3 : 2);
        if (!c.copied) {
            EXPECT_TRUE(before.Matches(fresh));
        }
    }
}

TEST_F(MouseEditingTest, CopyIsRefusedWhenTheNewSetsDoNotFitTheTable) {
    struct Case {
        int mode;
        int sets;
        bool copied;
    };
    const Case cases[] = {{CopySet, MaxSets, false},
                          {CopySet, MaxSets - 1, true},
                          {CopyAll, 50, false},
                          {CopyAll, 49, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sets);
        RedrawLoggingCanvas fresh(nullptr);
        for (int k = 0; k < c.sets; ++k) {
            AddFinishedSet(fresh, {{0, 0}, {1, 0}, {0, 1}});
        }
        editMode = c.mode;
        fresh.OnMouseDown(Px(0), Px(0), 1);
        ModelSnapshot before(fresh);
        fresh.OnMouseUp(Px(10), Px(10), 3);
        if (c.copied) {
            int expected = c.mode == CopySet ? c.sets + 1 : 2 * c.sets;
            EXPECT_EQ(fresh.setCount, expected);
            EXPECT_EQ(fresh.setEnds[expected], fresh.pointCount);
        } else {
            EXPECT_TRUE(before.Matches(fresh));
        }
    }
}

TEST_F(MouseEditingTest, NothingIsCopiedWhileASetIsOpen) {
    AddSquare(canvas, 0, 0);
    Select(CopySet);
    Click(Px(0), Px(0));
    AddOpenPoints(canvas, {{70, 70}});
    ModelSnapshot before(canvas);
    Release(Px(40), Px(40), 3);
    Click(Px(0), Px(0));
    canvas.pointCount = 5;
    Release(Px(40), Px(40), 3);
    EXPECT_EQ(canvas.setCount, 1);
    canvas.pointCount = 6;
    EXPECT_TRUE(before.Matches(canvas));
}
