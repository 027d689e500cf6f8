#include <gtest/gtest.h>
#include <cmath>

#include <string>
#include <vector>

#include "model/KCanvasPane.h"
#include "model/model_test_helpers.h"
#include "support/PrismValuesPrint.h"
#include "support/RecordingDC.h"
#include "toolkit/vMemoryDC.h"

TEST(DrawingModel, NewCanvasStartsEmptyWithDefaultPrismValues) {
    KCanvasPane canvas(nullptr);
    EXPECT_EQ(canvas.pointCount, 0);
    EXPECT_EQ(canvas.setCount, 0);
    EXPECT_EQ(canvas.setEnds[0], 0);
    EXPECT_FALSE(canvas.HasOpenSet());
    EXPECT_STREQ(canvas.remark1, "//");
    EXPECT_STREQ(canvas.remark2, "//");
    EXPECT_STREQ(canvas.remark3, "//");
    EXPECT_EQ(canvas.GetPrismValues(), (PrismValues{0.0, 0.5, LinearSpline, LinearSweep, 0, 0}));
    EXPECT_EQ(canvas.originX, 150);
    EXPECT_EQ(canvas.originY, 150);
    EXPECT_EQ(canvas.scaleX, 1.0);
    EXPECT_EQ(canvas.scaleY, 1.0);
    EXPECT_EQ(canvas.bandFromX, -1);
    EXPECT_EQ(canvas.bandToY, -1);
}

TEST(DrawingModel, ResizeCentresTheOriginWithIntegerDivision) {
    struct Case {
        int width, height;
        double originX, originY, scaleX, scaleY;
    } cases[] = {
        {300, 300, 150, 150, 1.0, 1.0},
        {600, 300, 300, 150, 2.0, 1.0},
        {301, 300, 150, 150, 1.0, 1.0},
        {75, 451, 37, 225, 37 / 150.0, 225 / 150.0},
    };
    for (const Case& c : cases) {
        KCanvasPane canvas(nullptr);
        canvas.SizeChanged(c.width, c.height);
        EXPECT_EQ(canvas.originX, c.originX) << c.width;
        EXPECT_EQ(canvas.originY, c.originY) << c.height;
        EXPECT_DOUBLE_EQ(canvas.scaleX, c.scaleX) << c.width;
        EXPECT_DOUBLE_EQ(canvas.scaleY, c.scaleY) << c.height;
    }
}

TEST(DrawingModel, PixelsModelUnitsFileUnitsAndStatusPositionAgree) {
    KCanvasPane canvas(nullptr);
    canvas.OnResize(600, 300);
    EXPECT_EQ(canvas.ModelX(300), 0.0);
    EXPECT_EQ(canvas.ModelY(150), 0.0);
    EXPECT_EQ(canvas.ModelX(0), -150.0);
    EXPECT_EQ(canvas.PixelX(75.0), 450);
    EXPECT_EQ(canvas.PixelY(-75.0), 75);

    double x = -1, y = -1;
    canvas.StatusPosition(300, 150, x, y);
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.0);
    canvas.StatusPosition(0, 0, x, y);
    EXPECT_EQ(x, -2.0);
    EXPECT_EQ(y, 2.0) << "status y points up";

    EXPECT_EQ(KCanvasPane::FileX(75), 1.0);
    EXPECT_EQ(KCanvasPane::FileX(-150), -2.0);
    EXPECT_EQ(KCanvasPane::FileY(75), -1.0);
    EXPECT_EQ(KCanvasPane::FileY(-150), 2.0);
}

TEST(DrawingModel, PixelsOfPointsFarBeyondTheCanvasStayIntegers) {
    KCanvasPane canvas(nullptr);
    EXPECT_EQ(canvas.PixelX(-0.5), 149) << "truncation is toward zero";
    EXPECT_EQ(canvas.PixelX(1e300), 1 << 28);
    EXPECT_EQ(canvas.PixelY(-1e300), -(1 << 28));
    EXPECT_EQ(canvas.PixelX(std::nan("")), 0);
}

TEST(DrawingModel, StatusPositionOfACanvasSqueezedToNothingIsTheOrigin) {
    KCanvasPane canvas(nullptr);
    canvas.OnResize(1, 0);
    double x = -1, y = -1;
    canvas.StatusPosition(0, 0, x, y);
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.0);
    EXPECT_EQ(canvas.FindNearestPoint(0, 0), -1);
}

TEST(DrawingModel, StatusGoesToTheOwnerOnlyWhenThereIsOne) {
    StatusLog log;
    KCanvasPane owned(&log);
    owned.ReportStatus(1.5, -2);
    ASSERT_EQ(log.updates.size(), 1u);
    EXPECT_EQ(log.updates[0].first, 1.5);
    EXPECT_EQ(log.updates[0].second, -2);

    KCanvasPane orphan(nullptr);
    orphan.ReportStatus(1, 1);  // must not crash
}

// The grid: three lines each way at the quarter, half and three-quarter points, from the edge to
// twice the origin (a line leaves out its end), in the grid's colour, then the label 20 pixels left
// of and 16 below the origin and a black pen for what follows.
TEST(DrawingModel, ClearPaintsTheGridAtTheQuarterLines) {
    constexpr uint32_t Grid = 0xffdcdce6u;  // 220, 220, 230
    constexpr uint32_t White = 0xffffffffu;
    const struct {
        int width, height;
        std::vector<int> columns, rows;
        const char* label;
    } cases[] = {
        {600, 300, {150, 300, 450}, {75, 150, 225}, "PaintText(280,166,(0,0))"},
        {301, 301, {75, 150, 225}, {75, 150, 225}, "PaintText(130,166,(0,0))"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        KCanvasPane canvas(nullptr);
        auto* pixels = new vMemoryDC(c.width, c.height);
        canvas.AdoptDC(pixels);
        canvas.OnResize(c.width, c.height);
        canvas.ClearCanvas(1);
        for (int x : c.columns) {
            EXPECT_EQ(pixels->PixelAt(x, 0), Grid) << x;
            EXPECT_EQ(pixels->PixelAt(x, c.height / 2 * 2 - 1), Grid) << "to twice the origin";
            EXPECT_EQ(pixels->PixelAt(x + 1, 40), White) << x;
        }
        for (int y : c.rows) {
            EXPECT_EQ(pixels->PixelAt(0, y), Grid) << y;
            EXPECT_EQ(pixels->PixelAt(c.width / 2 * 2 - 1, y), Grid) << y;
            EXPECT_EQ(pixels->PixelAt(40, y + 1), White) << y;
        }
        canvas.PaintLine(10, 20, 30, 20);
        EXPECT_EQ(pixels->PixelAt(20, 20), 0xff000000u) << "the pen left is black";
        auto* calls = new RecordingDC;
        canvas.AdoptDC(calls);
        canvas.ClearCanvas(1);
        EXPECT_EQ(calls->Matching("PaintText"), std::vector<std::string>{c.label});
    }
}

TEST(DrawingModel, ClearEmptiesOnlyThePointsAndSets) {
    StatusLog log;
    KCanvasPane canvas(&log);
    AddFinishedSet(canvas, {{0, 0}, {10, 0}, {0, 10}});
    AddOpenPoints(canvas, {{5, 5}});
    canvas.SetPrismValues(1.25, 2.5, BezierSpline, ConicSweep, 1, 1);
    canvas.SetRemarks("// one", "// two", "// three");
    canvas.changed = 1;

    canvas.ClearCanvas(1);
    EXPECT_EQ(canvas.pointCount, 5) << "a redraw keeps the drawing";
    EXPECT_TRUE(log.updates.empty());

    canvas.ClearCanvas(0);  // no drawing context: the model still empties
    EXPECT_EQ(canvas.pointCount, 0);
    EXPECT_EQ(canvas.setCount, 0);
    EXPECT_EQ(canvas.setEnds[0], 0);
    EXPECT_EQ(canvas.setEnds[1], 0);
    EXPECT_EQ(canvas.changed, 0);
    ASSERT_EQ(log.updates.size(), 1u);
    EXPECT_EQ(log.updates[0], std::make_pair(0.0, 0.0));
    EXPECT_EQ(canvas.GetPrismValues(), (PrismValues{1.25, 2.5, BezierSpline, ConicSweep, 1, 1}));
    EXPECT_STREQ(canvas.remark2, "// two");
}

TEST(DrawingModel, RemarksAreCutToTheirBuffers) {
    KCanvasPane canvas(nullptr);
    std::string longText(120, 'x');
    canvas.SetRemarks(longText.c_str(), "", "// c");
    EXPECT_EQ(std::string(canvas.remark1), std::string(RemarkSize - 1, 'x'));
    EXPECT_STREQ(canvas.remark2, "");
    EXPECT_STREQ(canvas.remark3, "// c");

    canvas.SetRemarks(canvas.remark3, nullptr, canvas.remark3);
    EXPECT_STREQ(canvas.remark1, "// c") << "a remark may be copied from another";
    EXPECT_STREQ(canvas.remark2, "") << "a missing text leaves the remark as it is";
    EXPECT_STREQ(canvas.remark3, "// c");
}

TEST(DrawingModel, NearestPointUsesTheTruncatedCursorAndPrefersTheLowerIndex) {
    KCanvasPane canvas(nullptr);
    EXPECT_EQ(canvas.FindNearestPoint(150, 150), -1) << "empty model";

    AddFinishedSet(canvas, {{10, 0}, {-10, 0}, {0, 40}});
    EXPECT_EQ(canvas.FindNearestPoint(160, 150), 0) << "first point, not its closing copy";
    EXPECT_EQ(canvas.FindNearestPoint(150, 150), 0) << "equal distances: lower index";
    EXPECT_EQ(canvas.FindNearestPoint(148, 150), 1);
    EXPECT_EQ(canvas.FindNearestPoint(150, 185), 2);

    // Model x 0.5 and -0.5 both truncate to 0, where points 0 and 1 tie.
    canvas.OnResize(600, 300);
    EXPECT_EQ(canvas.FindNearestPoint(299, 150), 0);
    EXPECT_EQ(canvas.FindNearestPoint(301, 150), 0);
    EXPECT_EQ(canvas.FindNearestPoint(279, 150), 1) << "model x -10.5 truncates to -10";
}

TEST(DrawingModel, NearestPointIgnoresPointsAThousandUnitsAway) {
    KCanvasPane canvas(nullptr);
    AddOpenPoints(canvas, {{1000, 0}});
    EXPECT_EQ(canvas.FindNearestPoint(150, 150), -1);
    canvas.points[0].x = 999.9;
    EXPECT_EQ(canvas.FindNearestPoint(150, 150), 0);
}

TEST(DrawingModel, SetMembershipAndCoincidentPoints) {
    KCanvasPane canvas(nullptr);
    AddFinishedSet(canvas, {{0, 0}, {10, 0}, {0, 10}});      // entries 0..3
    AddFinishedSet(canvas, {{50, 50}, {60, 50}, {50, 60}});  // entries 4..7
    AddOpenPoints(canvas, {{-5, -5}, {10, 0}});              // entries 8, 9
    struct Case {
        int index, set, coincident;
    } cases[] = {
        {0, 1, 3},   {3, 1, 0},  {1, 1, 9},    {2, 1, -1},   {4, 2, 7},           {6, 2, -1},
        {8, -1, -1}, {9, -1, 1}, {-1, -1, -1}, {10, -1, -1}, {MaxPoints, -1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(canvas.FindSetOf(c.index), c.set) << c.index;
        EXPECT_EQ(canvas.FindCoincidentPoint(c.index), c.coincident) << c.index;
    }
}

TEST(DrawingModel, RemovingPointsShiftsAllArraysCarriesTheLastHandleAndClosesSetEnds) {
    KCanvasPane canvas(nullptr);
    NumberAllEntries(canvas);
    canvas.pointCount = 12;
    canvas.setCount = 2;
    canvas.setEnds[1] = 5;
    canvas.setEnds[2] = 10;

    canvas.RemovePoints(6, 2);
    EXPECT_EQ(canvas.pointCount, 10);
    EXPECT_EQ(canvas.points[6].x, 8);
    EXPECT_EQ(canvas.control1[6].x, 1008);
    EXPECT_EQ(canvas.control2[6].x, 2008);
    EXPECT_EQ(canvas.points[9].x, 11);
    EXPECT_EQ(canvas.control2[5].x, 2006) << "the handle of the first removed point";
    EXPECT_EQ(canvas.control1[5].x, 1005) << "the first handle stays";
    EXPECT_EQ(canvas.setEnds[1], 5);
    EXPECT_EQ(canvas.setEnds[2], 8);

    canvas.RemovePoints(0, 5);
    EXPECT_EQ(canvas.pointCount, 5);
    EXPECT_EQ(canvas.points[0].x, 5);
    EXPECT_EQ(canvas.control2[0].x, 2006) << "the remembered handle goes nowhere from index 0";
    EXPECT_EQ(canvas.setEnds[1], 0);
    EXPECT_EQ(canvas.setEnds[2], 3);

    // A range across a set end: the end moves to the gap, never before it.
    canvas.RemovePoints(1, 3);
    EXPECT_EQ(canvas.setEnds[1], 0);
    EXPECT_EQ(canvas.setEnds[2], 1);
}

TEST(DrawingModel, RemovingPointsOutsideTheDrawingIsRefused) {
    KCanvasPane canvas(nullptr);
    NumberAllEntries(canvas);
    canvas.RemovePoints(0, 1);
    canvas.pointCount = 6;
    canvas.setCount = 1;
    canvas.setEnds[1] = 4;
    ModelSnapshot before(canvas);
    const int requests[][2] = {{-1, 1}, {6, 1}, {5, 2}, {0, 7}, {2, 0}, {2, -1}, {MaxPoints, 1}};
    for (const auto& r : requests) {
        canvas.RemovePoints(r[0], r[1]);
        EXPECT_TRUE(before.Matches(canvas)) << r[0] << "," << r[1];
    }
}

TEST(DrawingModel, SetCentreIsTheMeanOfTheDistinctPoints) {
    KCanvasPane canvas(nullptr);
    AddFinishedSet(canvas, {{100, 100}, {101, 100}, {100, 101}});
    AddFinishedSet(canvas, {{0, 0}, {30, 0}, {30, 30}, {0, 31}});
    canvas.pickSet = 6;
    canvas.FindSetCentre();
    EXPECT_EQ(canvas.pickIndex, 4);
    EXPECT_EQ(canvas.pickAux, 9);
    EXPECT_EQ(canvas.anchorX, 15.0);
    EXPECT_EQ(canvas.anchorY, 15.25) << "not rounded";
}

TEST(DrawingModel, SetCentreOfAPointOutsideEveryFinishedSetChangesOnlyPickAux) {
    KCanvasPane canvas(nullptr);
    AddFinishedSet(canvas, {{0, 0}, {30, 0}, {0, 30}});
    AddOpenPoints(canvas, {{70, 70}});
    for (int pick : {4, -1, 5, MaxPoints}) {
        canvas.pickIndex = 7;
        canvas.anchorX = 3;
        canvas.pickSet = pick;
        canvas.FindSetCentre();
        EXPECT_EQ(canvas.pickAux, -1) << pick;
        EXPECT_EQ(canvas.pickIndex, 7) << pick;
        EXPECT_EQ(canvas.anchorX, 3) << pick;
    }
}

TEST(DrawingModel, DefaultHandlesLieAQuarterAndFiveEighthsAlongEachSegment) {
    KCanvasPane canvas(nullptr);
    AddFinishedSet(canvas, {{0, 0}, {80, 0}, {80, 40}});
    struct Case {
        int index;
        Point2 h1, h2;
    } cases[] = {
        {0, {20, 0}, {50, 0}},
        {1, {80, 10}, {80, 25}},
        {2, {60, 30}, {30, 15}},  // back to the closing point (0, 0)
    };
    for (const Case& c : cases) {
        EXPECT_EQ(canvas.control1[c.index].x, c.h1.x) << c.index;
        EXPECT_EQ(canvas.control1[c.index].y, c.h1.y) << c.index;
        EXPECT_EQ(canvas.control2[c.index].x, c.h2.x) << c.index;
        EXPECT_EQ(canvas.control2[c.index].y, c.h2.y) << c.index;
    }
}

TEST(DrawingModel, DefaultHandlesNeedTheClosingPointInsideTheArrays) {
    KCanvasPane canvas(nullptr);
    NumberAllEntries(canvas);
    canvas.pointCount = MaxPoints;
    ModelSnapshot before(canvas);
    canvas.InitBezierHandles();
    EXPECT_TRUE(before.Matches(canvas));
}
