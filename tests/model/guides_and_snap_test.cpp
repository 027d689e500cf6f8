#include <cmath>

#include "MouseEditingFixture.h"
#include "support/TestRandom.h"

// Snapping to guides and to the drawing's points beside the grid, and Select mode's drags with
// guides: Ctrl keeps a move to multiples of 15 degrees, the window hears how far a move went,
// and a guide follows a drag and goes when let go beyond the canvas.
namespace {

constexpr double GridStep = 18.75;  // the default 0.25 file units

class MeasureLog : public StatusLog {
public:
    void ShowDragMeasure(double distance, double degrees) override {
        measures.push_back({distance, degrees});
    }
    void GuidesMoved() override { ++guideMoves; }

    std::vector<Point2> measures;
    int guideMoves = 0;
};

class GuidesAndSnap : public MouseEditingTest {
protected:
    GuidesAndSnap() {
        // Entries 0 .. 4 and 5 .. 8.
        AddFinishedSet(canvas, {{0, 0}, {10, 0}, {10, 10}, {0, 10}});
        AddFinishedSet(canvas, {{30, -20}, {40, -20}, {35, -12}});
        CanvasOptions options;
        options.snapToGrid = true;
        canvas.SetOptions(options);
        GuideLines guides;
        guides.Add(false, 0.4);  // x = 30 model units
        guides.Add(true, 0.2);   // y = -15 model units
        canvas.SetGuides(guides);
        canvas.ownerWindow = &log;
    }

    MeasureLog log;
};

TEST_F(GuidesAndSnap, TheNearestOfGuidePointAndGridWithinEightPixelsWins) {
    const auto everyPoint = [](int) { return true; };
    const auto notPoint2 = [](int i) { return i != 2; };
    const struct {
        const char* name;
        Point2 model;
        KCanvasPane::PointTargets targets;
        Point2 snapped;
    } cases[] = {
        {"a vertical guide 2 px away", {28, 5}, nullptr, {30, 0}},
        {"a horizontal guide", {50, -12}, nullptr, {56.25, -15}},
        {"a point nearer than the grid", {11, 9}, everyPoint, {10, 10}},
        {"that point left out", {11, 9}, notPoint2, {GridStep, 0}},
        {"points are not taken without targets", {11, 9}, nullptr, {GridStep, 0}},
        {"nothing near: the grid", {50, 50}, everyPoint, {56.25, 56.25}},
    };
    for (const auto& c : cases) {
        const Point2 snapped = canvas.SnapToPoint(c.model, c.targets);
        EXPECT_DOUBLE_EQ(snapped.x, c.snapped.x) << c.name;
        EXPECT_DOUBLE_EQ(snapped.y, c.snapped.y) << c.name;
    }
}

// Whatever way a Ctrl drag goes, the chosen points move along a multiple of 15 degrees, and the
// window is told the move's length and angle in file units.
TEST_F(GuidesAndSnap, CtrlKeepsASelectDragToMultiplesOfFifteenDegrees) {
    CanvasOptions options;
    canvas.SetOptions(options);
    Select(SelectPoints);
    TestRandom random(15);
    for (int trial = 0; trial < 30; ++trial) {
        const Point2 before = canvas.points[6];
        const int dx = random.Between(-60, 60);
        const int dy = random.Between(-60, 60);
        canvas.SetMouseModifiers(0);
        Click(Px(before.x), Px(before.y));
        canvas.SetMouseModifiers(4);
        Press(Px(before.x), Px(before.y));
        Drag(Px(before.x) + dx, Px(before.y) + dy);
        Release(Px(before.x) + dx, Px(before.y) + dy);
        const Point2 moved{canvas.points[6].x - before.x, canvas.points[6].y - before.y};
        const double length = std::hypot(moved.x, moved.y);
        const double steps = std::atan2(moved.y, moved.x) / (M_PI / 12);
        if (length > 1e-9) {
            EXPECT_NEAR(steps, std::round(steps), 1e-6) << dx << "," << dy;
        }
        EXPECT_LE(length, std::hypot(dx, dy) + 1e-9);
        ASSERT_FALSE(log.measures.empty());
        EXPECT_NEAR(log.measures.back().x, length / 75, 1e-9);
    }
}

// A press on a guide away from every point drags the guide; let go beyond the canvas, it goes.
TEST_F(GuidesAndSnap, AGuideFollowsItsDragAndGoesOffTheCanvas) {
    Select(SelectPoints);
    Press(Px(30), Px(100));
    Drag(Px(60), Px(100));
    Release(Px(60), Px(100));
    EXPECT_DOUBLE_EQ(canvas.Guides().vertical.at(0), 0.8);
    EXPECT_EQ(log.guideMoves, 1);
    Press(Px(-100), Px(-15));
    Release(Px(-100), 400);
    EXPECT_TRUE(canvas.Guides().horizontal.empty());
    EXPECT_EQ(canvas.Guides().vertical.size(), 1u);
    EXPECT_EQ(log.guideMoves, 2);
    EXPECT_EQ(canvas.pointCount, 9) << "the drawing is left alone";
}

}  // namespace
