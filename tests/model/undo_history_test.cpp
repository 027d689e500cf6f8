#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/DrawingSnapshot.h"
#include "model/UndoHistory.h"
#include "model_test_helpers.h"

namespace {

// A drawing that differs from the one before it in one thing each time.
DrawingSnapshot Variant(int variant) {
    KCanvasPane canvas(nullptr);
    AddFinishedSet(canvas, {{0, 0}, {30, 0}, {0, 30}});
    canvas.points[1].x += variant;
    return DrawingSnapshot::Of(canvas);
}

}  // namespace

TEST(DrawingSnapshot, RestoresEveryPartOfTheDrawingAndComparesThem) {
    KCanvasPane canvas(nullptr);
    NumberAllEntries(canvas);
    AddFinishedSet(canvas, {{0, 0}, {30, 0}, {0, 30}});
    canvas.SetRemarks("// one", "// two", "// three");
    canvas.SetPrismValues(0.25, 2, 3, 1, 1, 1);
    const DrawingSnapshot before = DrawingSnapshot::Of(canvas);

    // Each change alone makes the drawing differ; restoring undoes all of them.
    using Change = void (*)(KCanvasPane&);
    const Change changes[] = {
        [](KCanvasPane& c) { c.points[2].y = 7; },
        [](KCanvasPane& c) { c.control1[499].x = 1; },
        [](KCanvasPane& c) { c.control2[0].y = 1; },
        [](KCanvasPane& c) { c.setEnds[1] = 3; },
        [](KCanvasPane& c) { c.pointCount = 0; },
        [](KCanvasPane& c) { c.SetRemarks("// one", "//", "// three"); },
        [](KCanvasPane& c) { c.prismEnd = 3; },
        [](KCanvasPane& c) { c.splineType = 0; },
        [](KCanvasPane& c) { c.isOpen = 0; },
    };
    for (size_t i = 0; i < std::size(changes); ++i) {
        changes[i](canvas);
        EXPECT_NE(DrawingSnapshot::Of(canvas), before) << "change " << i;
        before.RestoreInto(canvas);
        EXPECT_EQ(DrawingSnapshot::Of(canvas), before) << "change " << i;
    }
    EXPECT_STREQ(canvas.remark2, "// two");
    canvas.pickIndex = 5;
    canvas.changed = 1;
    EXPECT_EQ(DrawingSnapshot::Of(canvas), before) << "gesture state is not part of the drawing";
}

TEST(UndoHistory, StepsBackAndForthAndDropsRedoOnANewStep) {
    UndoHistory history;
    DrawingSnapshot current = Variant(0);
    history.Record(current, current);
    EXPECT_EQ(history.UndoSteps(), 0u) << "an action that changed nothing is no step";

    for (int v = 1; v <= 3; ++v) {
        history.Record(Variant(v - 1), Variant(v));
    }
    current = Variant(3);
    EXPECT_TRUE(history.Undo(current));
    EXPECT_TRUE(history.Undo(current));
    EXPECT_EQ(current, Variant(1));
    EXPECT_TRUE(history.Redo(current));
    EXPECT_EQ(current, Variant(2));
    EXPECT_EQ(history.RedoSteps(), 1u);

    history.Record(current, Variant(9));
    current = Variant(9);
    EXPECT_FALSE(history.Redo(current)) << "a new step drops the redo steps";
    EXPECT_TRUE(history.Undo(current));
    EXPECT_EQ(current, Variant(2));

    history.Clear();
    EXPECT_FALSE(history.Undo(current));
    EXPECT_EQ(current, Variant(2));
}

TEST(UndoHistory, KeepsTheNewestHundredStepsInBoundedMemory) {
    UndoHistory history;
    for (int v = 0; v < 150; ++v) {
        history.Record(Variant(v), Variant(v + 1));
    }
    EXPECT_EQ(history.UndoSteps(), UndoHistory::MaxSteps);
    DrawingSnapshot current = Variant(150);
    while (history.Undo(current)) {
    }
    EXPECT_EQ(current, Variant(50)) << "the oldest steps were dropped";
    EXPECT_EQ(history.RedoSteps(), UndoHistory::MaxSteps);
    // A step is one snapshot: a full history stays under 3 MB per window.
    EXPECT_LT(sizeof(DrawingSnapshot), 26u * 1024);
    EXPECT_LT(sizeof(DrawingSnapshot) * (UndoHistory::MaxSteps + 1), 3u * 1024 * 1024);
}

TEST(UndoHistory, KnowsTheDrawingLastSaved) {
    UndoHistory history;
    history.MarkSaved(Variant(0));
    EXPECT_TRUE(history.IsSaved(Variant(0)));
    EXPECT_FALSE(history.IsSaved(Variant(1)));
}
