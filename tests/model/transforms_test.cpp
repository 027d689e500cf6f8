#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "model/KCanvasPane.h"
#include "model/model_test_helpers.h"

namespace {

constexpr double Pi = 3.141592653589793;
constexpr double Near = 1e-9;

void ExpectPoint(const Point2& p, double x, double y, const char* what) {
    EXPECT_NEAR(p.x, x, Near) << what;
    EXPECT_NEAR(p.y, y, Near) << what;
}

// Two finished triangles (entries 0..3 and 4..7) with handles that differ from their points.
void TwoTriangles(KCanvasPane& canvas) {
    AddFinishedSet(canvas, {{0, 0}, {30, 0}, {0, 30}});
    AddFinishedSet(canvas, {{10, 10}, {20, 10}, {10, 20}});
}

}  // namespace

TEST(Transforms, AngleIsMeasuredFromTheYAxisTowardsX) {
    struct Case {
        double a, b, angle;
    } cases[] = {
        {0, 1, 0},      {1, 0, Pi / 2},      {0, -1, Pi},          {-1, 0, -Pi / 2}, {0, 0, Pi / 2},
        {1, 1, Pi / 4}, {1, -1, 3 * Pi / 4}, {-1, -1, 5 * Pi / 4}, {-1, 1, -Pi / 4},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(KCanvasPane::AngleOf(c.a, c.b), c.angle, Near) << c.a << "," << c.b;
    }
}

TEST(Transforms, RotatingAboutTheOriginTurnsCounterClockwiseOnTheCanvas) {
    double x = 0, y = -1;
    KCanvasPane::RotateAboutOrigin(x, y, Pi / 2);
    EXPECT_NEAR(x, -1, Near) << "a point above the origin moves to its left";
    EXPECT_NEAR(y, 0, Near);

    x = 3;
    y = 4;
    KCanvasPane::RotateAboutOrigin(x, y, 0.3);
    EXPECT_NEAR(x, 3 * std::cos(0.3) + 4 * std::sin(0.3), Near);
    EXPECT_NEAR(y, 4 * std::cos(0.3) - 3 * std::sin(0.3), Near);

    x = y = 0;
    KCanvasPane::RotateAboutOrigin(x, y, 1);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

TEST(Transforms, RotateRangeWithNegativeEndTurnsTheWholeDrawingAndItsHandles) {
    KCanvasPane canvas(nullptr);
    TwoTriangles(canvas);
    Point2 handle = canvas.control2[0];
    canvas.RotateRange(5, -1, 90, 0, 0);
    ExpectPoint(canvas.points[1], 0, -30, "index below the start turns too");
    ExpectPoint(canvas.points[5], 10, -20, "second set");
    ExpectPoint(canvas.control2[0], handle.y, -handle.x, "handles turn with their points");
}

TEST(Transforms, RotateRangeTurnsOnlyItsRangeAboutTheCentre) {
    KCanvasPane canvas(nullptr);
    TwoTriangles(canvas);
    canvas.RotateRange(4, 8, 180, 15, 15);
    ExpectPoint(canvas.points[4], 20, 20, "first of the set");
    ExpectPoint(canvas.points[7], 20, 20, "closing point");
    ExpectPoint(canvas.points[6], 20, 10, "");
    ExpectPoint(canvas.points[1], 30, 0, "outside the range");
}

TEST(Transforms, RotateRangeRefusesEmptyOrOutsideRanges) {
    KCanvasPane canvas(nullptr);
    TwoTriangles(canvas);
    ModelSnapshot before(canvas);
    const int ranges[][2] = {{0, 0}, {5, 3}, {-1, 4}, {0, 9}, {4, MaxPoints + 1}};
    for (const auto& r : ranges) {
        canvas.RotateRange(r[0], r[1], 90, 0, 0);
        EXPECT_TRUE(before.Matches(canvas)) << r[0] << "," << r[1];
    }
    canvas.RotateRange(0, 8, std::numeric_limits<double>::quiet_NaN(), 0, 0);
    EXPECT_TRUE(before.Matches(canvas)) << "an angle that is not a number";
}

TEST(Transforms, ScaleRangeAboutTheOriginOrTheAnchor) {
    KCanvasPane canvas(nullptr);
    TwoTriangles(canvas);
    Point2 handle = canvas.control1[2];
    canvas.ScaleRange(0, 4, 2.0f, 0);
    ExpectPoint(canvas.points[1], 60, 0, "about the origin");
    ExpectPoint(canvas.control1[2], 2 * handle.x, 2 * handle.y, "handles scale too");
    ExpectPoint(canvas.points[4], 10, 10, "outside the range");

    canvas.anchorX = 10;
    canvas.anchorY = 10;
    canvas.ScaleRange(4, 8, 0.5f, 1);
    ExpectPoint(canvas.points[5], 15, 10, "about the anchor");
    ExpectPoint(canvas.points[4], 10, 10, "the anchor stays");

    canvas.ScaleRange(1, 2, 0.1f, 0);
    EXPECT_EQ(canvas.points[1].x, 60 * double(0.1f)) << "the factor is single precision";
}

TEST(Transforms, ScaleRangeThatWouldBreakTheDrawingChangesNothing) {
    KCanvasPane canvas(nullptr);
    TwoTriangles(canvas);
    canvas.anchorX = 5;
    ModelSnapshot before(canvas);
    const float factors[] = {0.0f, std::numeric_limits<float>::infinity(),
                             -std::numeric_limits<float>::infinity(),
                             std::numeric_limits<float>::quiet_NaN()};
    for (float factor : factors) {
        canvas.ScaleRange(0, 8, factor, 1);
        EXPECT_TRUE(before.Matches(canvas)) << factor;
    }
    const int ranges[][2] = {{4, 4}, {6, 2}, {-1, 3}, {0, 9}};
    for (const auto& r : ranges) {
        canvas.ScaleRange(r[0], r[1], 2.0f, 0);
        EXPECT_TRUE(before.Matches(canvas)) << r[0] << "," << r[1];
    }
}

TEST(Transforms, FlipSetMirrorsItsEntriesAboutTheCentreLine) {
    KCanvasPane canvas(nullptr);
    AddFinishedSet(canvas, {{0, 0}, {5, 0}, {5, 15}, {0, 25}});
    AddFinishedSet(canvas, {{50, 50}, {60, 50}, {50, 60}});
    Point2 handle = canvas.control1[1];
    canvas.pickSet = 2;
    canvas.FindSetCentre();
    ASSERT_EQ(canvas.anchorY, 10);
    canvas.FlipSetVertical();
    ExpectPoint(canvas.points[2], 5, 5, "y 15 becomes 5");
    ExpectPoint(canvas.points[4], 0, 20, "the closing point too");
    ExpectPoint(canvas.control1[1], handle.x, 20 - handle.y, "handles too");
    ExpectPoint(canvas.points[6], 60, 50, "other sets stay");
}

TEST(Transforms, FlipSetWithAPickOutsideTheDrawingIsRefused) {
    KCanvasPane canvas(nullptr);
    TwoTriangles(canvas);
    ModelSnapshot before(canvas);
    const int picks[][2] = {{-1, 4}, {4, 9}, {6, 2}, {0, MaxPoints + 3}};
    for (const auto& p : picks) {
        canvas.pickIndex = p[0];
        canvas.pickAux = p[1];
        canvas.FlipSetVertical();
        EXPECT_TRUE(before.Matches(canvas)) << p[0] << "," << p[1];
    }
}

TEST(Transforms, FlipAllTwiceRestoresTheDrawingAndMarksItChanged) {
    KCanvasPane canvas(nullptr);
    TwoTriangles(canvas);
    ModelSnapshot before(canvas);
    canvas.FlipAllVertical();
    ExpectPoint(canvas.points[5], 20, -10, "mirrored about y = 0");
    EXPECT_EQ(canvas.control2[5].y, -before.control2[5].y);
    canvas.FlipAllVertical();
    EXPECT_TRUE(before.Matches(canvas));
    EXPECT_EQ(canvas.changed, 1);
}

TEST(Transforms, CentreAllSubtractsTheIntegerMeanOfTheDistinctPoints) {
    KCanvasPane canvas(nullptr);
    AddFinishedSet(canvas, {{0, 0}, {30, 0}, {0, 30}});
    Point2 handle = canvas.control1[0];
    canvas.CentreAll();
    ExpectPoint(canvas.points[0], -10, -10, "");
    ExpectPoint(canvas.points[3], -10, -10, "closing point");
    ExpectPoint(canvas.control1[0], handle.x - 10, handle.y - 10, "handles move too");
    EXPECT_EQ(canvas.changed, 1) << "closing the window must ask to save";
}

TEST(Transforms, CentreAllCountsTheOpenSetsFirstPointOnce) {
    KCanvasPane canvas(nullptr);
    AddOpenPoints(canvas, {{1, 1}, {4, 4}});
    canvas.CentreAll();
    ExpectPoint(canvas.points[0], -1, -1, "mean (2, 2)");
    ExpectPoint(canvas.points[1], 2, 2, "");
}

TEST(Transforms, CentreAllTruncatesEveryStepTowardZero) {
    KCanvasPane canvas(nullptr);
    AddFinishedSet(canvas, {{0.9, -0.9}, {-4.5, -4.5}, {-1.8, -2.9}});
    AddOpenPoints(canvas, {{2.7, 0.5}});
    // x: the open set's 2.7 gives 2, then -4.5, -1.8 and the closing 0.9 give -2, -3, -2;
    // mean -2 / 4 = 0. y: 0.5 gives 0, then -4, -6, -6; mean -6 / 4 = -1, not -2.
    canvas.CentreAll();
    ExpectPoint(canvas.points[1], -4.5, -3.5, "");
    ExpectPoint(canvas.points[4], 2.7, 1.5, "");
}

TEST(Transforms, CentreAllLeavesSmallOrCentredDrawingsAlone) {
    KCanvasPane canvas(nullptr);
    AddOpenPoints(canvas, {{7, 7}});
    canvas.CentreAll();
    ExpectPoint(canvas.points[0], 7, 7, "one point");

    KCanvasPane centred(nullptr);
    AddFinishedSet(centred, {{-10, 0}, {10, 0}, {0, 2}});
    ModelSnapshot before(centred);
    centred.CentreAll();
    EXPECT_TRUE(before.Matches(centred));
    EXPECT_EQ(centred.changed, 0) << "nothing moved, nothing to save";
}

TEST(Transforms, ResultsThatWouldNotBeFiniteChangeNothing) {
    KCanvasPane canvas(nullptr);
    AddFinishedSet(canvas, {{1.5e308, 0}, {1.5e308, 1e3}, {1.7e308, 0}});
    for (int i = 0; i < canvas.pointCount; ++i) {
        EXPECT_TRUE(std::isfinite(canvas.control1[i].x) && std::isfinite(canvas.control2[i].x))
            << "handle " << i;
    }
    ModelSnapshot before(canvas);
    const std::function<void(KCanvasPane&)> transforms[] = {
        [](KCanvasPane& c) { c.RotateRange(0, -1, 45, 0, 0); },
        [](KCanvasPane& c) { c.ScaleRange(0, c.pointCount, 3e38f, 0); },
        [](KCanvasPane& c) { c.CentreAll(); },
        [](KCanvasPane& c) {
            c.pickIndex = 0;
            c.pickAux = c.pointCount;
            c.anchorY = -1e308;
            c.FlipSetVertical();
        },
    };
    for (const auto& transform : transforms) {
        transform(canvas);
        EXPECT_TRUE(before.Matches(canvas)) << "transform " << (&transform - transforms);
    }
}
