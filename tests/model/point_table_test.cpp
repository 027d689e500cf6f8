#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "MouseEditingFixture.h"
#include "model/PointTable.h"
#include "model/WrittenPoints.h"
#include "support/DrawingSoundness.h"

namespace {

std::string G(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Whether the writer lists the entry of that control array: the handles the table must show.
bool Written(const WrittenPointList& list, WrittenSource source, int index) {
    for (const WrittenEntry& entry : list.entries) {
        if (entry.source == source && entry.index == index) {
            return true;
        }
    }
    return false;
}

// The table a drawing must give, worked out from the model's own queries and the writer's
// list: one row per entry, each set's first row and the open set's rows marked, a finished
// set's last row named closing where the writer writes it and not written where it does not,
// with its first row's x and y, x and y as the file writes them, and the handles the writer
// writes for each row.
void ExpectTableOf(const KCanvasPane& canvas, int kind, const std::string& after) {
    SCOPED_TRACE(after);
    const std::vector<PointTable::Row> rows = PointTable::Rows(canvas, kind);
    ASSERT_EQ(static_cast<int>(rows.size()), canvas.pointCount);
    const WrittenPointList written = WrittenPoints(canvas, kind);
    for (int i = 0; i < canvas.pointCount; ++i) {
        const PointTable::Row& row = rows[static_cast<size_t>(i)];
        const int set = canvas.FindSetOf(i);
        const int first = set > 0 ? canvas.setEnds[set - 1] : canvas.setEnds[canvas.setCount];
        EXPECT_EQ(row.cells[PointTable::SetColumn], set > 0 ? std::to_string(set) : "open") << i;
        EXPECT_EQ(row.marked, i == first || set < 0) << i;
        const bool closing = set > 0 && i == canvas.setEnds[set] - 1;
        const char* role = !closing ? (i == first ? "first" : "")
                           : Written(written, WrittenSource::Points, i) ? "closing"
                                                                        : "not written";
        EXPECT_EQ(row.cells[PointTable::RoleColumn], role) << i;
        if (closing) {
            EXPECT_EQ(row.cells[PointTable::XColumn], rows[first].cells[PointTable::XColumn]);
            EXPECT_EQ(row.cells[PointTable::YColumn], rows[first].cells[PointTable::YColumn]);
        }
        EXPECT_EQ(row.cells[PointTable::XColumn], G(KCanvasPane::FileX(canvas.points[i].x)));
        EXPECT_EQ(row.cells[PointTable::YColumn], G(KCanvasPane::FileY(canvas.points[i].y)));
        const bool handle1 = Written(written, WrittenSource::Control1, i);
        const bool handle2 = Written(written, WrittenSource::Control2, i);
        EXPECT_EQ(row.cells[PointTable::Handle1X].empty(), !handle1) << i;
        EXPECT_EQ(row.cells[PointTable::Handle2X].empty(), !handle2) << i;
        if (handle1) {
            EXPECT_EQ(row.cells[PointTable::Handle1Y], G(KCanvasPane::FileY(canvas.control1[i].y)));
        }
        if (handle2) {
            EXPECT_EQ(row.cells[PointTable::Handle2X], G(KCanvasPane::FileX(canvas.control2[i].x)));
        }
    }
}

class PointTableTest : public MouseEditingTest {
protected:
    void Triangle(int dx) {
        Select(AddPoint);
        Click(Px(-60 + dx), Px(40));
        Click(Px(dx), Px(-50));
        Click(Px(60 + dx), Px(40));
        Click(Px(dx), Px(0), 3);
    }
    // Edits a cell and expects it taken (why empty) or refused with that much of the reason.
    void Edit(int row, int column, const std::string& text, const std::string& why = "",
              int kind = Prism) {
        std::string reason;
        const bool taken = PointTable::EditCell(canvas, kind, row, column, text, reason);
        EXPECT_EQ(taken, why.empty()) << text << ": " << reason;
        EXPECT_NE(reason.find(why), std::string::npos) << reason;
    }
};

// After every kind of change, by gesture, command, table edit or insertion and deletion, for
// every spline, every kind and open or not, the table is the drawing and shows the handles the
// writer writes.
TEST_F(PointTableTest, FollowsTheDrawingThroughEveryKindOfChange) {
    std::string why;
    const std::vector<std::pair<std::string, std::function<void()>>> steps = {
        {"an open set",
         [&] { Select(AddPoint), Click(Px(-100), Px(-100)), Click(Px(-90), Px(-40)); }},
        {"a third point", [&] { Click(Px(-30), Px(-95)); }},
        {"closing it", [&] { Click(Px(0), Px(0), 3); }},
        {"two triangles", [&] { Triangle(0), Triangle(20); }},
        {"insert point", [&] { Select(InsertPoint), Click(Px(-61), Px(42)); }},
        {"move point",
         [&] {
             Select(MovePoint), DragModel({0, -50}, {10, -70});
         }},
        {"delete point", [&] { Select(DeletePoint), Click(Px(-95), Px(-40)); }},
        {"move set",
         [&] {
             Select(MoveSet), DragModel({20, -50}, {40, -20});
         }},
        {"copy set", [&] { Select(CopySet), Click(Px(60), Px(40)), Click(Px(80), Px(80), 3); }},
        {"rotate all",
         [&] {
             Select(RotateAll), DragModel({60, 40}, {40, 60});
         }},
        {"delete set", [&] { Select(DeleteSet), Click(Px(-100), Px(-100)); }},
        {"flip", [&] { canvas.FlipAllVertical(); }},
        {"centre", [&] { canvas.CentreAll(); }},
        {"a shape", [&] { canvas.GenerateShape(7, 0.5, 10, 0.5, ShapeStar); }},
        {"a typed x", [&] { Edit(3, PointTable::XColumn, "0.3125"); }},
        {"a typed handle",
         [&] {
             if (canvas.splineType != LinearSpline) {
                 Edit(0, PointTable::Handle1Y, "-1.5");
             }
         }},
        {"an inserted row", [&] { PointTable::InsertAfter(canvas, 2, why); }},
        {"a deleted row", [&] { PointTable::Delete(canvas, 2, why); }},
        {"a typed closing row of an open profile",
         [&] {
             canvas.isOpen = 1;
             Edit(canvas.setEnds[1] - 1, PointTable::YColumn, "-0.75", "", Lathe);
             Edit(canvas.setEnds[1] - 1, PointTable::XColumn, "0.5", "", Sor);
             canvas.isOpen = 0;
         }},
        {"cleared", [&] { canvas.EmptyDrawing(); }},
    };
    for (int spline = LinearSpline; spline <= BezierSpline; ++spline) {
        canvas.EmptyDrawing();
        canvas.splineType = spline;
        for (const auto& step : steps) {
            step.second();
            ASSERT_EQ(DrawingFault(canvas), "") << step.first;
            for (int kind : {Polygon, Prism, Lathe, Sor}) {
                for (int open : {0, 1}) {
                    canvas.isOpen = open;
                    ExpectTableOf(canvas, kind,
                                  step.first + " in spline " + std::to_string(spline) + ", kind " +
                                      std::to_string(kind) + ", open " + std::to_string(open));
                }
            }
            canvas.isOpen = 0;
        }
    }
}

// The typed value is stored exactly, x times 75 and y negated; a first point and its closing
// point go together; a cell left as shown changes nothing; bad text changes nothing at all.
TEST_F(PointTableTest, StoresTypedValuesAndRefusesBadText) {
    canvas.splineType = BezierSpline;
    Triangle(0);
    const int closing = 3;
    Edit(0, PointTable::XColumn, " 0.123456789 ");
    EXPECT_EQ(canvas.points[0].x, 0.123456789 * 75);
    EXPECT_EQ(canvas.points[closing].x, canvas.points[0].x);
    Edit(closing, PointTable::YColumn, "-1e-3");
    EXPECT_EQ(canvas.points[0].y, 1e-3 * 75);
    Edit(1, PointTable::Handle2Y, "1000000");
    EXPECT_EQ(canvas.control2[1].y, -1e6 * 75);

    // Shown text typed again leaves the value behind it, though it has more digits.
    const ModelSnapshot before(canvas);
    Edit(0, PointTable::XColumn, PointTable::RowOf(canvas, Prism, 0).cells[PointTable::XColumn]);
    const struct {
        int row;
        int column;
        const char* text;
        const char* why;
    } refused[] = {
        {1, PointTable::XColumn, "abc", "not a number"},
        {1, PointTable::XColumn, "", "not a number"},
        {1, PointTable::XColumn, "1,5", "not a number"},
        {1, PointTable::YColumn, "2 3", "not a number"},
        {1, PointTable::YColumn, "nan", "not a number"},
        {1, PointTable::YColumn, "-inf", "not a number"},
        {1, PointTable::YColumn, "1e400", "not a number"},
        {1, PointTable::XColumn, "1000000.5", "too large"},
        {1, PointTable::Handle1X, "-2e6", "too large"},
        {closing, PointTable::Handle1X, "0", "cannot be edited"},
        {1, PointTable::NumberColumn, "7", "cannot be edited"},
        {9, PointTable::XColumn, "0", "cannot be edited"},
        {-1, PointTable::XColumn, "0", "cannot be edited"},
        {1, PointTable::ColumnCount, "0", "cannot be edited"},
    };
    for (const auto& bad : refused) {
        Edit(bad.row, bad.column, bad.text, bad.why);
    }
    EXPECT_TRUE(before.Matches(canvas));
}

// Insert and delete as Insert Point and Delete Point do, with their refusals, and each leaves
// a sound drawing.
TEST_F(PointTableTest, InsertsMidpointsAndDeletesWithTheRefusalsOfTheGestures) {
    Triangle(0);                                                           // entries 0-3
    Select(AddPoint), Click(Px(-100), Px(-100)), Click(Px(-90), Px(-40));  // open 4-5
    std::string why;
    EXPECT_EQ(PointTable::InsertAfter(canvas, 4, why), -1);
    EXPECT_NE(why.find("finished sets"), std::string::npos);
    EXPECT_EQ(PointTable::InsertAfter(canvas, 0, why), 1);
    EXPECT_EQ(canvas.points[1].x, -30);
    EXPECT_EQ(canvas.points[1].y, -5);
    // After the closing row (now 4) comes the set's second row again.
    EXPECT_EQ(PointTable::InsertAfter(canvas, 4, why), 1);
    EXPECT_EQ(canvas.setEnds[1], 6);
    const struct {
        int row;
        const char* why;
    } deletions[] = {
        {0, "first point"},
        {5, "first point"},
        {9, "Select"},
        {2, ""},
        {1, ""},
        {1, "at least three"},
        {5, ""},
        {4, ""},
    };
    for (const auto& d : deletions) {
        why.clear();
        EXPECT_EQ(PointTable::Delete(canvas, d.row, why), d.why[0] == '\0') << d.row << why;
        EXPECT_NE(why.find(d.why), std::string::npos) << why;
        EXPECT_EQ(DrawingFault(canvas), "");
    }
    EXPECT_EQ(canvas.pointCount, 4);
    canvas.pointCount = MaxPoints - 1;
    EXPECT_EQ(PointTable::InsertAfter(canvas, 0, why), -1);
    EXPECT_NE(why.find("full"), std::string::npos);
}

}  // namespace

// With no row chosen, or the open set's last, Insert appends: the origin in an empty drawing,
// then a quarter file unit above the last entry, then the open set's last step once more; after
// a finished set a new set begins. A full drawing, 99 sets and a point beyond reach are refused.
TEST_F(PointTableTest, AppendsAfterTheLastEntrySoThatADrawingIsTypedFromNothing) {
    std::string why;
    const double reach = PointTable::LargestValue * ModelUnitsPerFileUnit;
    const struct {
        std::function<void()> before;
        int row;
        Point2 added;  // x > reach: refused
        const char* why;
    } cases[] = {
        {[&] { canvas.EmptyDrawing(); }, -1, {0, 0}, ""},
        {nullptr, 0, {0, -18.75}, ""},
        {nullptr, -1, {0, -37.5}, ""},
        {[&] { canvas.EmptyDrawing(), Triangle(0); }, -1, {-60, 21.25}, ""},
        {nullptr, 4, {-60, 2.5}, ""},
        {[&] { canvas.pointCount = MaxPoints; }, -1, {reach + 1, 0}, "full"},
        {[&] { canvas.EmptyDrawing(), canvas.setCount = MaxSets; }, -1, {reach + 1, 0}, "99 sets"},
        {[&] {
             canvas.EmptyDrawing();
             canvas.points[0] = {reach - 1, 0};
             canvas.points[1] = {reach, 0};
             canvas.pointCount = 2;
         },
         1,
         {reach + 1, 0},
         "1000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        if (c.before) {
            c.before();
        }
        why.clear();
        const int count = canvas.pointCount;
        const int row = PointTable::InsertAfter(canvas, c.row, why);
        EXPECT_NE(why.find(c.why), std::string::npos) << why;
        if (c.added.x > reach) {
            EXPECT_EQ(row, -1);
            EXPECT_EQ(canvas.pointCount, count);
            continue;
        }
        ASSERT_EQ(row, count);
        EXPECT_EQ(canvas.FindSetOf(row), -1) << "the open set";
        EXPECT_EQ(canvas.points[row].x, c.added.x);
        EXPECT_EQ(canvas.points[row].y, c.added.y);
        EXPECT_EQ(DrawingFault(canvas), "");
    }
}
