#include <gtest/gtest.h>

#include <string>

#include "RecordingContainer.h"
#include "toolkit/util/CharWidthTable.h"
#include "toolkit/util/DialogUnits.h"
#include "toolkit/vCmd.h"

namespace {

ControlSpec Entry(int kind, int id, const char* label, int insideFrame = 0, int rightOf = 0,
                  int below = 0, int attributes = 0, int width = 0) {
    return {kind, id,          0,       label, nullptr, attributes,
            1,    insideFrame, rightOf, below, width,   nullptr};
}

const ControlSpec kEnd = {};
// A message longer than a notice's line, with no blank to break it at (a path).
const std::string kLongMessage(100, 'x');

}  // namespace

TEST(CharWidthTable, EstimatesEachCharacterClass) {
    const struct {
        const char* text;
        int width;
    } cases[] = {
        {" !'.:;Iijlt|", 24}, {"\"&()*-/[\\]`r{}", 42},
        {"#09FJz", 24},       {"%AmwY~", 30},
        {"@M", 12},           {"W", 7},
        {"\t\x7f\xe9", 12},   {"", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CharWidthTable::TextWidth(c.text), c.width) << c.text;
    }
    EXPECT_EQ(CharWidthTable::TextWidth(nullptr), 0);
}

TEST(DialogUnits, ConvertWithTheFixedBaseUnits) {
    EXPECT_EQ(DialogUnitsToPixelsX(4), 6);
    EXPECT_EQ(DialogUnitsToPixelsX(3), 5) << "4.5 rounds up";
    EXPECT_EQ(DialogUnitsToPixelsY(8), 13);
    EXPECT_EQ(DialogUnitsToPixelsY(14), 23);
    const PixelRect r = DialogRectToPixels(2, 2, 30, 14);
    EXPECT_EQ(r.x, 3);
    EXPECT_EQ(r.width, DialogUnitsToPixelsX(32) - 3) << "far edge converted, not the size";
}

// +-------+
// | Alpha |
// +-------+
// | Beta  |  Text
// +-------+
TEST(DialogLayout, LabelRightOfOneControlAndBelowAnother) {
    ControlSpec table[] = {
        Entry(CtlButton, 1, "Alpha"),
        Entry(CtlButton, 2, "Beta", 0, 0, 1),
        Entry(CtlLabel, 3, "Text", 0, 1, 2),
        kEnd,
    };
    RecordingContainer dialog;
    dialog.AddControlTable(table);
    EXPECT_EQ(dialog.Rect(1), "2,2,30,14");
    EXPECT_EQ(dialog.Rect(2), "2,18,26,14");
    // x = 2 + A.x + A.width, y = 2 + B.y + B.height, then 3 lower for the label's own offset.
    EXPECT_EQ(dialog.Rect(3), "34,37,23,11");
    const DialogItem* label = dialog.Template().Item(dialog.FindControl(3)->Item());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->y, 37);
    EXPECT_EQ(label->itemClass, ItemStatic);
    EXPECT_EQ(dialog.MaxY(), 48) << "the offset does not move the extents";
}

TEST(DialogLayout, DialogIsTwoUnitsLargerThanItsExtents) {
    ControlSpec table[] = {Entry(CtlButton, 1, "Alpha"), Entry(CtlTextIn, 2, "", 0, 1), kEnd};
    RecordingContainer dialog;
    dialog.AddControlTable(table);
    EXPECT_EQ(dialog.MaxX(), 2 + 30 + 2 + 86);
    EXPECT_EQ(dialog.Template().Width(), dialog.MaxX() + 2);
    EXPECT_EQ(dialog.Template().Height(), dialog.MaxY() + 2);
}

TEST(DialogLayout, ControlsInsideFramesStartInsideTheCorner) {
    ControlSpec table[] = {
        Entry(CtlFrame, 10, ""),
        Entry(CtlButton, 11, "In", 10),
        Entry(CtlFrame, 20, "", 0, 10, 0, AttrTight),
        Entry(CtlButton, 21, "In", 20),
        kEnd,
    };
    RecordingContainer dialog;
    dialog.AddControlTable(table);
    EXPECT_EQ(dialog.Rect(11), "4,4,18,14");
    // The frame grew to 2 units beyond its contents.
    EXPECT_EQ(dialog.Rect(10), "2,2,22,18");
    // A tight frame: margin 0, plus one.
    const vCmd* tight = dialog.FindControl(20);
    EXPECT_EQ(tight->X(), 2 + 2 + 22);
    EXPECT_EQ(dialog.FindControl(21)->X(), tight->X() + 1);
    EXPECT_EQ(dialog.FindControl(21)->Y(), tight->Y() + 1);
    EXPECT_EQ(tight->X() + tight->Width(), dialog.FindControl(21)->X() + 18 + 1);
}

TEST(DialogLayout, NestedFramesGrowOutwardInTurn) {
    ControlSpec table[] = {
        Entry(CtlFrame, 10, ""),
        Entry(CtlFrame, 20, "", 10),
        Entry(CtlButton, 21, "Inner button", 20),
        Entry(CtlButton, 22, "Next", 20, 21),
        kEnd,
    };
    RecordingContainer dialog;
    dialog.AddControlTable(table);
    const vCmd* outer = dialog.FindControl(10);
    const vCmd* inner = dialog.FindControl(20);
    const vCmd* next = dialog.FindControl(22);
    EXPECT_EQ(next->X(), 2 + dialog.FindControl(21)->X() + dialog.FindControl(21)->Width());
    EXPECT_EQ(inner->X() + inner->Width(), next->X() + next->Width() + 2);
    EXPECT_EQ(outer->X() + outer->Width(), inner->X() + inner->Width() + 2);
    EXPECT_EQ(outer->Y() + outer->Height(), inner->Y() + inner->Height() + 2);
    const DialogItem* item = dialog.Template().Item(outer->Item());
    EXPECT_EQ(item->cx, outer->Width()) << "the template follows the frame";
    EXPECT_EQ(dialog.MaxX(), outer->X() + outer->Width());
}

TEST(DialogLayout, FramesThatContainEachOtherDoNotLoop) {
    ControlSpec table[] = {
        Entry(CtlFrame, 10, "", 20),
        Entry(CtlFrame, 20, "", 10),
        Entry(CtlButton, 21, "In", 20),
        kEnd,
    };
    RecordingContainer dialog;
    dialog.AddControlTable(table);
    dialog.ShowFrameContents(20, 0);
    EXPECT_GT(dialog.FindControl(20)->Width(), 4);
}

TEST(DialogLayout, CommandBarButtonsRunLeftToRightTwoUnitsApart) {
    ControlSpec table[] = {
        Entry(CtlButton, 1, "One"),
        Entry(CtlButton, 2, "Two", 0, 0, 1),  // references are ignored in a bar
        Entry(CtlButton, 3, "Three"),
        kEnd,
    };
    RecordingContainer bar(RoleCommandBar);
    bar.AddControlTable(table);
    EXPECT_EQ(bar.Rect(1), "2,2,22,14");
    EXPECT_EQ(bar.Rect(2), "26,2,22,14");
    EXPECT_EQ(bar.Rect(3), "50,2,30,14");
    const DialogItem* item = bar.Template().Item(1);
    EXPECT_EQ(item->style & StyleTabStop, 0u) << "bar buttons are not tab stops";
}

TEST(DialogLayout, WidthsPerKind) {
    const struct {
        ControlSpec entry;
        int width;
        int height;
    } cases[] = {
        {Entry(CtlTextIn, 1, ""), 86, 14},
        {Entry(CtlTextIn, 1, "abcdefghijklmnopqrstuvwxy"), 130, 14},
        {Entry(CtlTextIn, 1, "", 0, 0, 0, AttrNarrow), 46, 14},
        {Entry(CtlTextIn, 1, "", 0, 0, 0, AttrWide), 146, 14},
        {Entry(CtlTextIn, 1, "", 0, 0, 0, AttrWide, 5), 26, 14},
        {Entry(CtlButton, 1, "&Save"), 26, 14},
        {Entry(CtlButton, 1, "&Save", 0, 0, 0, 0, 40), 40, 14},
        {Entry(CtlButton, 1, "&Save", 0, 0, 0, 0, 20), 26, 14},
        {Entry(CtlCheckBox, 1, "Open"), 30, 11},
        {Entry(CtlRadioButton, 1, "&Cubic"), 34, 11},
        {Entry(CtlLabel, 1, "Hi"), 15, 11},
        {Entry(CtlLabel, 1, "Hi", 0, 0, 0, AttrMessage), 88, 11},
        {Entry(CtlLabel, 1, "Hi", 0, 0, 0, AttrMessage, 30), 30, 11},
        {Entry(CtlBlank, 1, " "), 10, 9},
        {Entry(CtlBoxedLabel, 1, "Mode"), 22, 11},
        {Entry(CtlBoxedLabel, 1, "Mode", 0, 0, 0, 0, 60), 60, 11},
        {Entry(CtlText, 1, "one\ntwo lines"), 39, 23},
        {Entry(CtlText, 1, "a\r\nb\rc"), 7, 34},
        // Messages wrap at the notice's width; those that fit keep their size.
        {Entry(CtlText, 1, "Save new or changed drawing?", 0, 0, 0, AttrMessage), 115, 12},
        {Entry(CtlText, 1, kLongMessage.c_str(), 0, 0, 0, AttrMessage), 323, 23},
        {Entry(CtlText, 1, kLongMessage.c_str()), 403, 12},
        {Entry(CtlFrame, 1, ""), 4, 4},
    };
    for (const auto& c : cases) {
        ControlSpec table[] = {c.entry, kEnd};
        RecordingContainer dialog;
        dialog.AddControlTable(table);
        const vCmd* control = dialog.FindControl(1);
        EXPECT_EQ(control->Width(), c.width) << c.entry.kind << " " << c.entry.label;
        EXPECT_EQ(control->Height(), c.height) << c.entry.kind << " " << c.entry.label;
    }
}

TEST(DialogLayout, ReadOnlyTextGetsCarriageReturnsAndMultipleLines) {
    ControlSpec table[] = {Entry(CtlText, 1, "one\ntwo"), Entry(CtlText, 2, "single"), kEnd};
    RecordingContainer dialog;
    dialog.AddControlTable(table);
    EXPECT_EQ(dialog.FindControl(1)->Text(), "one\r\ntwo");
    EXPECT_NE(dialog.Template().Item(1)->style & StyleMultiLine, 0u);
    EXPECT_EQ(dialog.Template().Item(2)->style & StyleMultiLine, 0u);
}

TEST(DialogLayout, StatusFieldsStartAfterTheInitialExtents) {
    ControlSpec table[] = {Entry(CtlBoxedLabel, 1, "Mode"), Entry(CtlLabel, 2, "x"), kEnd};
    RecordingContainer status(RoleStatusBar);
    status.AddControlTable(table);
    EXPECT_EQ(status.Rect(1), "6,3,22,11");
    // A label in a status bar: 9 high, 2 lower.
    EXPECT_EQ(status.Rect(2), "30,5,12,9");
}

TEST(DialogLayout, UnbuildableKindsBecomeALabelThatSaysSo) {
    for (int kind : {1, 8, 15, 18, 20, 27, -3}) {
        ControlSpec table[] = {Entry(CtlButton, 1, "Before"), Entry(kind, 2, "odd"),
                               Entry(CtlButton, 3, "After"), kEnd};
        RecordingContainer dialog;
        dialog.AddControlTable(table);
        EXPECT_STREQ(table[1].label, "?? Bad CommandObject ??");
        ASSERT_NE(dialog.FindControl(2), nullptr);
        EXPECT_EQ(dialog.FindControl(2)->Kind(), CtlLabel);
        EXPECT_EQ(dialog.FindControl(2)->Text(), "?? Bad CommandObject ??");
        ASSERT_NE(dialog.FindControl(3), nullptr) << "the rest of the table is built";
        EXPECT_EQ(dialog.Template().ItemCount(), 3);
    }
}
