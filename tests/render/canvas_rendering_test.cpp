#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "model/KCanvasPane.h"
#include "support/RecordingDC.h"

namespace {

using Dot = std::pair<int, int>;

// A canvas on a recording context whose ClearCanvas only leaves a mark, so that a test sees
// the calls of the picture itself. Model units map to pixels by adding 150.
class RenderCanvas : public KCanvasPane {
public:
    RenderCanvas() : KCanvasPane(nullptr), dc(new RecordingDC) { AdoptDC(dc); }

    void ClearCanvas(int keepPoints) override {
        dc->calls.push_back("ClearCanvas(" + std::to_string(keepPoints) + ")");
    }

    // A finished set: the points, the closing repeat and its control point; handles are given
    // per segment for bezier sets.
    void AddSet(const std::vector<Point2>& pts, Point2 control = {0, 0},
                const std::vector<std::pair<Point2, Point2>>& handles = {}) {
        const int first = pointCount;
        for (Point2 p : pts) {
            points[pointCount++] = p;
        }
        points[pointCount++] = pts.front();
        control1[first] = control;
        for (size_t j = 0; j < handles.size(); ++j) {
            control1[first + j] = handles[j].first;
            control2[first + j] = handles[j].second;
        }
        setEnds[++setCount] = pointCount;
    }

    void AddOpen(const std::vector<Point2>& pts) {
        for (Point2 p : pts) {
            points[pointCount++] = p;
        }
    }

    // The calls with every run of PaintPoint calls folded into "dots:N".
    std::vector<std::string> Picture() const {
        std::vector<std::string> out;
        int run = 0;
        for (const std::string& call : dc->calls) {
            if (call.rfind("PaintPoint(", 0) == 0) {
                ++run;
                continue;
            }
            if (run) {
                out.push_back("dots:" + std::to_string(run));
                run = 0;
            }
            out.push_back(call);
        }
        if (run) {
            out.push_back("dots:" + std::to_string(run));
        }
        return out;
    }

    std::vector<Dot> Dots() const {
        std::vector<Dot> dots;
        for (const std::string& call : dc->Matching("PaintPoint(")) {
            Dot d;
            std::sscanf(call.c_str(), "PaintPoint(%d,%d)", &d.first, &d.second);
            dots.push_back(d);
        }
        return dots;
    }

    RecordingDC* dc;
};

// Mode is program-wide: every test starts from Add Point and leaves it so.
class CanvasRendering : public ::testing::Test {
protected:
    void SetUp() override { editMode = AddPoint; }
    void TearDown() override { editMode = AddPoint; }
    RenderCanvas canvas;
};

const std::string Orange = "250,100,35";
const std::string CurvePen = "UsePen(" + Orange + ",1,1)";
const std::string CurveBrush = "UseBrush(" + Orange + ",1)";
const std::string BlackPen = "UsePen(0,0,0,1,1)";
const std::string BlackBrush = "UseBrush(0,0,0,1)";

// The 200 dots of a cubic Bezier segment worked out in Bernstein form, for comparison with the
// power form the canvas uses: the two may differ by rounding, never by more than a pixel.
std::vector<Dot> ReferenceCubic(Point2 a, Point2 c1, Point2 c2, Point2 b) {
    std::vector<Dot> dots;
    for (double t = 0; t <= 1; t += 0.005) {
        double s = 1 - t;
        double x = s * s * s * a.x + 3 * s * s * t * c1.x + 3 * s * t * t * c2.x + t * t * t * b.x;
        double y = s * s * s * a.y + 3 * s * s * t * c1.y + 3 * s * t * t * c2.y + t * t * t * b.y;
        dots.emplace_back(static_cast<int>(x + 150), static_cast<int>(y + 150));
    }
    return dots;
}

void ExpectNear(const std::vector<Dot>& actual, size_t from, const std::vector<Dot>& expected) {
    ASSERT_LE(from + expected.size(), actual.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(actual[from + i].first, expected[i].first, 1) << "dot " << from + i;
        EXPECT_NEAR(actual[from + i].second, expected[i].second, 1) << "dot " << from + i;
    }
}

TEST_F(CanvasRendering, NormalPictureChainsEachSetWithMarkers) {
    canvas.AddSet({{0, 0}, {10, 0}, {10, 10}});
    canvas.AddOpen({{-20, -20}, {-30, -20}});
    canvas.OnRedraw(1, 1, 1, 1);
    const std::vector<std::string> expected = {
        "ClearCanvas(1)",
        "PaintRectangle(148,148,4,4)",
        "PaintLine(160,150,150,150)",
        "PaintEllipse(158,148,5,5)",
        "PaintLine(160,160,160,150)",
        "PaintEllipse(158,158,5,5)",
        "PaintLine(150,150,160,160)",
        "PaintEllipse(148,148,5,5)",
        "PaintRectangle(128,128,4,4)",
        "PaintLine(120,130,130,130)",
        "PaintEllipse(118,128,5,5)",
    };
    EXPECT_EQ(canvas.Picture(), expected);

    canvas.dc->Clear();
    canvas.OnRedraw(0, -1, 0, 0);
    EXPECT_EQ(canvas.dc->Count("PaintLine("), 4);
    EXPECT_EQ(canvas.dc->Count("PaintEllipse("), 0) << "y < 0: no markers";
    EXPECT_EQ(canvas.dc->Count("PaintRectangle("), 0);
}

TEST_F(CanvasRendering, SinglePointOpenSetAndEmptyDrawing) {
    canvas.OnRedraw(0, 0, 0, 0);
    EXPECT_EQ(canvas.Picture(), std::vector<std::string>{"ClearCanvas(1)"});

    canvas.AddOpen({{-20, -20}});
    canvas.dc->Clear();
    canvas.OnRedraw(1, 1, 1, 1);
    EXPECT_EQ(canvas.Picture(), std::vector<std::string>{"ClearCanvas(1)"});

    canvas.pointCount = 0;
    canvas.AddSet({{0, 0}, {10, 0}, {10, 10}});
    canvas.AddOpen({{-20, -20}});
    canvas.dc->Clear();
    canvas.OnRedraw(1, 1, 1, 1);
    EXPECT_EQ(canvas.dc->Count("PaintRectangle("), 1) << "the lone open point has no marker";
    EXPECT_EQ(canvas.dc->Count("PaintLine("), 3);
}

TEST_F(CanvasRendering, FullSetTableIsWalkedWithinBounds) {
    // 99 finished sets of 5 entries and an open set: the set-start walk must stop at the
    // open set's start and never look past the last set end.
    for (int k = 0; k < MaxSets; ++k) {
        double y = k - 50.0;
        canvas.AddSet({{-10, y}, {0, y}, {10, y}, {20, y}});
    }
    canvas.AddOpen({{30, 0}, {40, 0}, {50, 0}, {60, 0}, {70, 0}});
    ASSERT_EQ(canvas.pointCount, MaxPoints);
    canvas.OnRedraw(1, 1, 1, 1);
    EXPECT_EQ(canvas.dc->Count("PaintRectangle("), MaxSets + 1);
    EXPECT_EQ(canvas.dc->Count("PaintLine("), MaxPoints - (MaxSets + 1));
}

TEST_F(CanvasRendering, QuadraticSetSequence) {
    canvas.splineType = QuadraticSpline;
    canvas.AddSet({{0, 0}, {30, 0}, {30, 30}}, {10, -10});
    canvas.DrawSetCurve(1, 0);
    const std::vector<std::string> expected = {
        "PaintEllipse(158,138,5,5)",
        CurvePen,
        CurveBrush,
        "PaintEllipse(148,148,5,5)",
        "dots:200",
        "PaintLine(150,150,160,140)",
        "dots:200",
        "PaintEllipse(178,148,5,5)",
        "dots:200",
        "PaintEllipse(178,178,5,5)",
        BlackBrush,
    };
    EXPECT_EQ(canvas.Picture(), expected);

    canvas.dc->Clear();
    canvas.DrawSetCurve(1, 1);
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{"dots:600", BlackBrush}));
}

TEST_F(CanvasRendering, QuadraticSegmentsFollowTheirControlPoints) {
    canvas.splineType = QuadraticSpline;
    canvas.AddSet({{0, 0}, {30, 0}, {30, 30}}, {10, -10});
    canvas.DrawSetCurve(1, 1);
    const std::vector<Dot> dots = canvas.Dots();
    // A quadratic segment is the cubic with controls two thirds of the way to its control.
    auto quadratic = [](Point2 a, Point2 c, Point2 b) {
        return ReferenceCubic(a, {a.x + 2 * (c.x - a.x) / 3, a.y + 2 * (c.y - a.y) / 3},
                              {b.x + 2 * (c.x - b.x) / 3, b.y + 2 * (c.y - b.y) / 3}, b);
    };
    ExpectNear(dots, 0, quadratic({0, 0}, {10, -10}, {30, 0}));
    // Segment 2 from P1 to P2: control P1 + (P2 - P0) / 3.
    ExpectNear(dots, 200, quadratic({30, 0}, {40, 10}, {30, 30}));
    // Segment 3 from P2 to P0: control P2 + (P0 - P1) / 3.
    ExpectNear(dots, 400, quadratic({30, 30}, {20, 30}, {0, 0}));
}

TEST_F(CanvasRendering, CubicSetSequence) {
    canvas.splineType = CubicSpline;
    canvas.AddSet({{0, 0}, {40, 0}, {40, 40}, {0, 40}}, {10, -10});
    canvas.DrawSetCurve(1, 0);
    const std::vector<std::string> expected = {
        "PaintEllipse(158,138,5,5)",
        CurvePen,
        CurveBrush,
        "PaintEllipse(148,148,5,5)",
        "dots:200",
        "PaintLine(150,150,160,140)",
        "PaintEllipse(188,148,5,5)",
        "PaintEllipse(188,188,5,5)",
        "dots:200",
        "PaintEllipse(148,188,5,5)",
        "dots:200",
        "PaintEllipse(148,148,5,5)",
        "dots:200",
        BlackBrush,
    };
    EXPECT_EQ(canvas.Picture(), expected);

    canvas.dc->Clear();
    canvas.DrawSetCurve(1, 1);
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{CurveBrush, "dots:800", BlackBrush}))
        << "the curve alone keeps the pen but takes the brush";
}

TEST_F(CanvasRendering, CubicControlPointsMirrorThroughTheJoints) {
    canvas.splineType = CubicSpline;
    canvas.AddSet({{0, 0}, {40, 0}, {40, 40}, {0, 40}}, {10, -10});
    canvas.DrawSetCurve(1, 1);
    const std::vector<Dot> dots = canvas.Dots();
    ASSERT_EQ(dots.size(), 800u);
    const Point2 q1{40, -40.0 / 3};      // P1 + (P1 - P2) / 3
    const Point2 q2{40, 40 - 40.0 / 3};  // P2 + (P1 - P2) / 3
    const Point2 q3{40.0 / 3, 40};       // P3 + (P2 - P3) / 3
    ExpectNear(dots, 0, ReferenceCubic({0, 0}, {10, -10}, q1, {40, 0}));
    ExpectNear(dots, 200, ReferenceCubic({40, 0}, {40, 40.0 / 3}, q2, {40, 40}));
    ExpectNear(dots, 400, ReferenceCubic({40, 40}, {40, 40 + 40.0 / 3}, q3, {0, 40}));
    // Closing segment: second control P0 - R.
    ExpectNear(dots, 600, ReferenceCubic({0, 40}, {-40.0 / 3, 40}, {-10, 10}, {0, 0}));
}

TEST_F(CanvasRendering, CubicSetOfOnePointReadsNothingBeyondIt) {
    canvas.splineType = CubicSpline;
    std::vector<Point2> big;
    for (int i = 0; i < MaxPoints - 3; ++i) {
        big.push_back({double(i % 100), double(i / 100)});
    }
    canvas.AddSet(big, {1, 1});
    canvas.AddSet({{-40, -40}}, {-30, -40});
    ASSERT_EQ(canvas.pointCount, MaxPoints);
    canvas.DrawSetCurve(2, 0);
    const std::vector<std::string> expected = {
        "PaintEllipse(118,108,5,5)",  CurvePen,   CurveBrush, "PaintEllipse(108,108,5,5)",
        "PaintLine(110,110,120,110)", BlackBrush,
    };
    EXPECT_EQ(canvas.Picture(), expected);
    canvas.dc->Clear();
    canvas.DrawAllCurves();
    EXPECT_EQ(canvas.dc->Count("PaintPoint("), 200 * (MaxPoints - 3));
}

TEST_F(CanvasRendering, BezierSetSequence) {
    canvas.splineType = BezierSpline;
    canvas.AddSet({{0, 0}, {40, 0}, {40, 40}}, {0, 0},
                  {{{10, 0}, {30, 0}}, {{40, 10}, {40, 30}}, {{30, 30}, {10, 10}}});
    canvas.DrawSetCurve(1, 0);
    const std::vector<std::string> expected = {
        "PaintEllipse(158,148,5,5)",
        "PaintEllipse(178,148,5,5)",
        "PaintEllipse(188,158,5,5)",
        "PaintEllipse(188,178,5,5)",
        "PaintEllipse(178,178,5,5)",
        "PaintEllipse(158,158,5,5)",
        BlackPen,
        "PaintLine(158,148,178,148)",
        "PaintLine(178,148,188,158)",
        "PaintLine(188,158,188,178)",
        "PaintLine(188,178,178,178)",
        "PaintLine(178,178,158,158)",
        "PaintLine(158,158,158,148)",
        CurvePen,
        CurveBrush,
        "dots:200",
        "PaintEllipse(148,148,5,5)",
        "dots:200",
        "PaintEllipse(188,148,5,5)",
        "dots:200",
        "PaintEllipse(188,188,5,5)",
        BlackBrush,
    };
    EXPECT_EQ(canvas.Picture(), expected);

    canvas.dc->Clear();
    canvas.DrawSetCurve(1, 1);
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{BlackPen, "dots:600"}))
        << "the curve alone is black and leaves the brush alone";
}

TEST_F(CanvasRendering, BezierHandlesOnTheChordDrawStraightSegments) {
    canvas.splineType = BezierSpline;
    canvas.AddSet({{0, 0}, {100, 0}, {100, 60}}, {0, 0},
                  {{{25, 0}, {62.5, 0}}, {{100, 15}, {100, 37.5}}, {{75, 45}, {37.5, 22.5}}});
    canvas.DrawSetCurve(1, 1);
    const std::vector<Dot> dots = canvas.Dots();
    ASSERT_EQ(dots.size(), 600u);
    EXPECT_EQ(dots[0], Dot(150, 150)) << "each segment starts on its point";
    EXPECT_EQ(dots[200], Dot(250, 150));
    EXPECT_EQ(dots[400], Dot(250, 210));
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(dots[i].second, 150);
        EXPECT_EQ(dots[200 + i].first, 250);
        EXPECT_NEAR(dots[400 + i].second - 150, (dots[400 + i].first - 150) * 0.6, 1);
    }
    EXPECT_LT(dots[199].first, 250) << "the end point is left to the next segment";
}

TEST_F(CanvasRendering, ChosenSetInControlSetModeReplacesThePicture) {
    canvas.splineType = BezierSpline;
    canvas.AddSet({{0, 0}, {40, 0}, {40, 40}}, {0, 0},
                  {{{10, 0}, {30, 0}}, {{40, 10}, {40, 30}}, {{30, 30}, {10, 10}}});
    canvas.AddSet({{-50, -50}, {-20, -50}, {-20, -20}}, {0, 0},
                  {{{-40, -50}, {-30, -50}}, {{-20, -40}, {-20, -30}}, {{-30, -30}, {-40, -40}}});
    canvas.DrawSetCurve(2, 0);
    std::vector<std::string> expected = canvas.Picture();
    expected.insert(expected.begin(), "ClearCanvas(1)");

    editMode = ControlSet;
    canvas.controlState = -1;
    canvas.pickSet = 2;
    canvas.dc->Clear();
    canvas.OnRedraw(1, 1, 1, 1);
    EXPECT_EQ(canvas.Picture(), expected);

    canvas.controlState = 0;
    canvas.dc->Clear();
    canvas.OnRedraw(1, 1, 1, 1);
    EXPECT_EQ(canvas.dc->Count("PaintRectangle("), 2) << "no set chosen: the normal picture";
}

TEST_F(CanvasRendering, AllCurvesPicture) {
    canvas.AddSet({{0, 0}, {40, 0}, {40, 40}});
    canvas.AddSet({{-50, -50}, {-20, -50}, {-20, -20}, {-50, -20}});
    canvas.AddOpen({{60, 60}, {70, 70}});
    canvas.DrawAllCurves();
    std::vector<std::string> linear = canvas.Picture();
    canvas.dc->Clear();
    canvas.OnRedraw(1, -1, 1, 1);
    EXPECT_EQ(linear, canvas.Picture()) << "a linear drawing shows its outline without markers";

    canvas.splineType = QuadraticSpline;
    canvas.dc->Clear();
    canvas.DrawAllCurves();
    EXPECT_EQ(canvas.dc->calls.front(), "ClearCanvas(1)");
    EXPECT_EQ(canvas.dc->Count("PaintPoint("), 200 * (3 + 4)) << "the open set is not drawn";
    EXPECT_EQ(canvas.dc->Count("PaintEllipse("), 0);
}

TEST_F(CanvasRendering, NothingForSetsThatDoNotExist) {
    canvas.splineType = CubicSpline;
    canvas.AddSet({{0, 0}, {40, 0}, {40, 40}});
    for (int set : {0, -1, 2, MaxSets + 1}) {
        canvas.DrawSetCurve(set, 0);
    }
    canvas.splineType = LinearSpline;
    canvas.DrawSetCurve(1, 0);
    EXPECT_TRUE(canvas.dc->calls.empty());
    canvas.OnRedraw(-1, 7, 1, 1);
    EXPECT_EQ(canvas.Picture(), std::vector<std::string>{"ClearCanvas(1)"});
}

}  // namespace
