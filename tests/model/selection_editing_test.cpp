#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "model/DrawingHandles.h"
#include "model/NodeHandles.h"
#include "model/SelectionEditing.h"

// Select mode's arithmetic on a drawing: picking, the band, moving and deleting, and the rules
// of smooth and symmetric nodes.
namespace {

constexpr EntryPart P = EntryPart::Point;
constexpr EntryPart C1 = EntryPart::Control1;
constexpr EntryPart C2 = EntryPart::Control2;

// A finished set with its closing repeat and default handles.
void AddSet(Drawing& drawing, std::initializer_list<Point2> points) {
    const int first = drawing.pointCount;
    for (const Point2& p : points) {
        drawing.points[drawing.pointCount++] = p;
    }
    drawing.points[drawing.pointCount] = drawing.points[first];
    InitBezierHandles(drawing);
    ++drawing.pointCount;
    drawing.setEnds[++drawing.setCount] = drawing.pointCount;
}

// Two squares (entries 0 .. 4 and 5 .. 9) and an open set of two points (10, 11).
Drawing TwoSquares() {
    Drawing drawing;
    drawing.splineType = BezierSpline;
    AddSet(drawing, {{0, 0}, {40, 0}, {40, 40}, {0, 40}});
    AddSet(drawing, {{100, 0}, {120, 0}, {120, 20}, {100, 20}});
    drawing.points[drawing.pointCount++] = {0, 100};
    drawing.points[drawing.pointCount++] = {40, 100};
    drawing.control1[10] = {10, 100};
    drawing.control2[10] = {30, 100};
    return drawing;
}

Selection Of(std::initializer_list<SelectedItem> items) {
    Selection selection;
    for (const SelectedItem& item : items) {
        selection.Add(item);
    }
    return selection;
}

bool Near(const Point2& a, const Point2& b) {
    return std::fabs(a.x - b.x) < 1e-9 && std::fabs(a.y - b.y) < 1e-9;
}

TEST(SelectionEditing, PicksTheNearestPointOrHandleWithinTheDistance) {
    const Drawing drawing = TwoSquares();
    // Twice the model units on the canvas, the model origin at pixel (10, 10).
    const Affine2 toPixels{2, 0, 0, 2, 10, 10};
    const Point2 leaving = toPixels.Apply(drawing.control1[0]);
    struct Case {
        Point2 cursor;
        bool handles;
        std::optional<SelectedItem> expected;
    } cases[] = {
        {{10, 10}, true, SelectedItem{0, P}},    // the first point, not its closing repeat
        {{17, 15}, true, std::nullopt},          // 8.6 px away
        {{90, 12}, false, SelectedItem{1, P}},   // 2 px from point 1
        {{90, 19}, false, std::nullopt},         // 9 px: beyond the distance
        {leaving, true, SelectedItem{0, C1}},    // a handle, when handles count
        {leaving, false, std::nullopt},          // and nothing when they do not
        {{89, 210}, true, SelectedItem{11, P}},  // the open set's last point
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ItemNear(drawing, toPixels, c.cursor, 8, c.handles), c.expected)
            << c.cursor.x << "," << c.cursor.y;
    }
}

TEST(SelectionEditing, BandChoosesThePointsInsideButNoClosingRepeat) {
    const Drawing drawing = TwoSquares();
    struct Case {
        Point2 a;
        Point2 b;
        std::vector<int> expected;
    } cases[] = {
        {{-1, -1}, {41, 41}, {0, 1, 2, 3}},
        {{41, 41}, {-1, -1}, {0, 1, 2, 3}},  // corners either way round
        {{40, 0}, {120, 0}, {1, 5, 6}},      // the edges count
        {{200, 200}, {300, 300}, {}},
        {{-1, 99}, {41, 101}, {10, 11}},
    };
    for (const Case& c : cases) {
        Selection expected;
        for (int index : c.expected) {
            expected.Add({index, P});
        }
        EXPECT_EQ(PointsInside(drawing, c.a, c.b), expected) << c.a.x << "," << c.a.y;
    }
    EXPECT_EQ(AllPoints(drawing).Size(), 10u);
    // The sets of what is chosen, for the commands that work on whole sets; the open set is none.
    EXPECT_EQ(SetsOf(drawing, Of({{6, C2}, {1, P}})), (std::vector<int>{1, 2}));
    EXPECT_EQ(SetsOf(drawing, Of({{10, P}})), std::vector<int>());
}

TEST(SelectionEditing, MovesTheSelectionWithClosingRepeatsAndHandles) {
    const Point2 by{3, -2};
    struct Case {
        const char* what;
        Selection selection;
        bool handles;
        std::vector<SelectedItem> moved;  // every other value stays
    } cases[] = {
        {"a point alone", Of({{1, P}}), false, {{1, P}}},
        {"a first point takes its closing repeat", Of({{5, P}}), false, {{5, P}, {9, P}}},
        {"a node takes its handles", Of({{1, P}}), true, {{1, P}, {1, C1}, {0, C2}}},
        {"a first node takes the closing segment's handle",
         Of({{0, P}}),
         true,
         {{0, P}, {4, P}, {0, C1}, {3, C2}}},
        {"an open set's end has one handle", Of({{11, P}}), true, {{11, P}, {10, C2}}},
        {"a corner's handle moves alone", Of({{2, C1}}), true, {{2, C1}}},
    };
    for (const Case& c : cases) {
        const Drawing before = TwoSquares();
        Drawing drawing = before;
        ASSERT_TRUE(MoveSelected(drawing, c.selection, by, c.handles)) << c.what;
        Selection moved;
        for (const SelectedItem& item : c.moved) {
            moved.Add(item);
        }
        for (int i = 0; i < MaxPoints; ++i) {
            for (EntryPart part : {P, C1, C2}) {
                const Point2 was = ValueOf(before, {i, part});
                const Point2 expected =
                    moved.Contains({i, part}) ? Point2{was.x + by.x, was.y + by.y} : was;
                EXPECT_TRUE(Near(ValueOf(drawing, {i, part}), expected)) << c.what << " " << i;
            }
        }
    }
    Drawing drawing = TwoSquares();
    const Drawing before = drawing;
    const double huge = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(MoveSelected(drawing, AllPoints(drawing), {huge, 0}, true));
    EXPECT_EQ(drawing, before);
}

TEST(SelectionEditing, DeletesPointsAndSetsLeftTooSmall) {
    struct Case {
        std::vector<int> chosen;
        int points;
        int sets;
        std::vector<Point2> firstSet;  // set 1 afterwards, closing repeat included
        std::string note;
    } cases[] = {
        {{1}, 11, 2, {{0, 0}, {40, 40}, {0, 40}, {0, 0}}, ""},
        // The set closes on its next remaining point.
        {{0}, 11, 2, {{40, 0}, {40, 40}, {0, 40}, {40, 0}}, ""},
        {{0, 1},
         7,
         1,
         {{100, 0}, {120, 0}, {120, 20}, {100, 20}, {100, 0}},
         "Set 1 had fewer than three points left and was removed whole."},
        {{1, 2, 6, 7}, 2, 0, {}, "2 sets had fewer than three points left and were removed whole."},
        {{10, 11}, 10, 2, {{0, 0}, {40, 0}, {40, 40}, {0, 40}, {0, 0}}, ""},
    };
    for (const Case& c : cases) {
        Drawing drawing = TwoSquares();
        Selection selection;
        for (int index : c.chosen) {
            selection.Add({index, P});
        }
        const DeletedPoints deleted = DeleteSelected(drawing, selection);
        EXPECT_EQ(deleted.note, c.note);
        EXPECT_EQ(drawing.pointCount, c.points) << c.chosen.front();
        EXPECT_EQ(drawing.setCount, c.sets) << c.chosen.front();
        for (size_t i = 0; i < c.firstSet.size(); ++i) {
            EXPECT_TRUE(Near(drawing.points[i], c.firstSet[i])) << c.chosen.front() << " " << i;
        }
        drawing.CheckInvariants();
    }
}

TEST(SelectionEditing, SmoothAndSymmetricNodesKeepTheirHandlesInLine) {
    struct Case {
        NodeType type;
        Point2 leaving;           // node 1 at (40, 0) gets its leaving handle here
        Point2 expectedArriving;  // and its arriving handle (first at (30, 0)) goes here
    } cases[] = {
        {NodeType::Corner, {40, 10}, {30, 0}},
        {NodeType::Smooth, {40, 10}, {40, -10}},   // in line, its length of 10 kept
        {NodeType::Symmetric, {40, 5}, {40, -5}},  // in line and as long
        {NodeType::Smooth, {40, 0}, {30, 0}},      // a handle on its node turns nothing
    };
    for (const Case& c : cases) {
        Drawing drawing = TwoSquares();
        drawing.control2[0] = {30, 0};
        drawing.control1[1] = {50, 0};
        EXPECT_EQ(SetNodeTypes(drawing, Of({{1, P}}), c.type), c.type != NodeType::Corner);
        drawing.control1[1] = c.leaving;
        KeepNodeRule(drawing, {1, C1});
        EXPECT_TRUE(Near(drawing.control2[0], c.expectedArriving)) << static_cast<int>(c.type);
    }
    // Made smooth, a node's handles line up about the mean of their directions; symmetric, at
    // their mean length too. The closing repeat has its first point's type.
    Drawing drawing = TwoSquares();
    drawing.control1[0] = {0, 10};   // leaving the first point upwards in the model
    drawing.control2[3] = {-20, 0};  // arriving from the left
    SetNodeTypes(drawing, Of({{0, P}}), NodeType::Symmetric);
    const double half = 15 / std::sqrt(2.0);
    EXPECT_TRUE(Near(drawing.control1[0], {half, half}));
    EXPECT_TRUE(Near(drawing.control2[3], {-half, -half}));
    EXPECT_EQ(NodeTypeOf(drawing, 4), NodeType::Symmetric);
}

}  // namespace
