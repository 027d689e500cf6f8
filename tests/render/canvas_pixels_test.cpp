#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/KCanvasPane.h"
#include "toolkit/vMemoryDC.h"

// Whole pictures drawn by the real canvas into real pixels.

namespace {

constexpr uint32_t White = 0xffffffffu;
constexpr uint32_t Black = 0xff000000u;
constexpr uint32_t Orange = 0xfffa6423u;  // 250, 100, 35
constexpr uint32_t Grid = 0xffdcdce6u;    // 220, 220, 230

class PixelCanvas : public ::testing::Test {
protected:
    explicit PixelCanvas(int size = 300) : dc(new vMemoryDC(size, size)) {
        editMode = AddPoint;
        canvas.AdoptDC(dc);
        canvas.SizeChanged(size, size);
        // A triangle with handles on its sides, and a lone open point.
        const Point2 p[] = {{0, 0}, {40, 0}, {40, 40}, {0, 0}};
        for (int i = 0; i < 4; ++i) {
            canvas.points[i] = p[i];
        }
        const Point2 h1[] = {{10, 0}, {40, 10}, {30, 30}};
        const Point2 h2[] = {{30, 0}, {40, 30}, {10, 10}};
        for (int i = 0; i < 3; ++i) {
            canvas.control1[i] = h1[i];
            canvas.control2[i] = h2[i];
        }
        canvas.points[4] = {-40, -40};
        canvas.pointCount = 5;
        canvas.setCount = 1;
        canvas.setEnds[1] = 4;
    }

    int CountColour(uint32_t colour) const {
        int count = 0;
        for (int y = 0; y < dc->SurfaceHeight(); ++y) {
            for (int x = 0; x < dc->SurfaceWidth(); ++x) {
                count += dc->PixelAt(x, y) == colour;
            }
        }
        return count;
    }

    KCanvasPane canvas{nullptr};
    vMemoryDC* dc;
};

TEST_F(PixelCanvas, NormalPictureShowsOutlineAndMarkers) {
    canvas.OnRedraw(1, 1, 1, 1);
    EXPECT_EQ(dc->PixelAt(148, 148), Black) << "rectangle marker at the set's first point";
    EXPECT_EQ(dc->PixelAt(152, 152), Black);
    EXPECT_EQ(dc->PixelAt(170, 150), Black) << "outline";
    EXPECT_EQ(dc->PixelAt(190, 170), Black);
    EXPECT_EQ(dc->PixelAt(190, 190), Black) << "ellipse marker";
    EXPECT_EQ(dc->PixelAt(192, 188), White) << "an ellipse marker leaves its corners";
    EXPECT_EQ(dc->PixelAt(110, 110), White) << "a lone open point is not drawn";
    EXPECT_EQ(dc->PixelAt(75, 10), Grid);
    EXPECT_EQ(CountColour(Orange), 0);
}

TEST_F(PixelCanvas, SetPictureIsOrangeWithBlackHandleLines) {
    canvas.splineType = BezierSpline;
    canvas.OnRedraw(-1, 1, 1, 1);
    EXPECT_EQ(dc->PixelAt(170, 150), Orange) << "curve dots on the straight first side";
    EXPECT_EQ(dc->PixelAt(190, 150), Orange) << "point marker";
    EXPECT_EQ(dc->PixelAt(191, 151), Orange);
    EXPECT_EQ(dc->PixelAt(188, 165), Black) << "handle line two pixels left of the handles";
    EXPECT_EQ(dc->PixelAt(110, 110), White);
    EXPECT_EQ(canvas.CurrentBrush().Color(), vColor(0, 0, 0)) << "a black brush is left";
}

TEST_F(PixelCanvas, CurvesPictureIsBlackWithoutMarkers) {
    canvas.splineType = BezierSpline;
    canvas.DrawAllCurves();
    EXPECT_EQ(dc->PixelAt(170, 150), Black);
    EXPECT_EQ(dc->PixelAt(190, 170), Black);
    EXPECT_EQ(dc->PixelAt(191, 151), White) << "no marker";
    EXPECT_EQ(CountColour(Orange), 0);
}

// As a lathe the triangle is a profile turned about the axis, drawn with POV-Ray's curve (a
// linear one here), mirrored in light blue; the lone point left of the axis breaks two rules.
TEST_F(PixelCanvas, LatheShowsTheAxisTheSilhouetteAndBrokenPoints) {
    constexpr uint32_t Axis = 0xff3c64beu;    // 60, 100, 190
    constexpr uint32_t Mirror = 0xffaabeebu;  // 170, 190, 235
    constexpr uint32_t Red = 0xffdc0000u;     // 220, 0, 0
    shapeKind = Lathe;
    canvas.OnRedraw(1, 1, 1, 1);
    int axis = 0;
    for (int y = 0; y < 300; ++y) {
        axis += dc->PixelAt(150, y) == Axis;
    }
    EXPECT_GT(axis, 100) << "dash-dotted down the middle";
    EXPECT_EQ(dc->PixelAt(170, 150), Black) << "the profile's curve";
    // The curve is POV-Ray's of the values written: 40 model units written as 0.533333 file
    // units come back a hair short of the pixel's edge.
    EXPECT_EQ(dc->PixelAt(189, 170), Black);
    EXPECT_EQ(dc->PixelAt(130, 150), Mirror) << "its mirror image";
    EXPECT_EQ(dc->PixelAt(110, 170), Mirror);
    EXPECT_EQ(dc->PixelAt(152, 152), Black) << "the set's first point";
    EXPECT_EQ(dc->PixelAt(110, 110), Red) << "the unfinished profile's lone point";
    EXPECT_EQ(dc->PixelAt(113, 110), Red);
    canvas.DrawAllCurves();
    EXPECT_EQ(dc->PixelAt(110, 110), White) << "the curves alone";
    EXPECT_EQ(dc->PixelAt(170, 150), Black);

    // Through a view of twice the size about model (20, 0): x goes to 2 x + 110, y to 2 y + 150.
    canvas.SetView({2, {20, 0}});
    EXPECT_EQ(dc->PixelAt(150, 150), Black) << "the profile";
    EXPECT_EQ(dc->PixelAt(189, 190), Black);
    EXPECT_EQ(dc->PixelAt(70, 150), Mirror);
    EXPECT_EQ(dc->PixelAt(30, 70), Red) << "the lone point";
    axis = 0;
    for (int y = 0; y < 300; ++y) {
        axis += dc->PixelAt(110, y) == Axis;
    }
    EXPECT_GT(axis, 100);
    canvas.SetView(CanvasView{});
    shapeKind = Polygon;
}

class LargePixelCanvas : public PixelCanvas {
protected:
    LargePixelCanvas() : PixelCanvas(600) {}
};

TEST_F(LargePixelCanvas, EverythingGrowsWithTheWindowButTheGrid) {
    canvas.OnRedraw(1, 1, 1, 1);
    EXPECT_EQ(dc->PixelAt(300, 300), Black);
    EXPECT_EQ(dc->PixelAt(340, 300), Black) << "the outline doubles";
    EXPECT_EQ(dc->PixelAt(380, 380), Black);
    EXPECT_EQ(dc->PixelAt(382, 378), White) << "markers keep their size";
    EXPECT_EQ(dc->PixelAt(150, 10), Grid) << "quarter line";
    EXPECT_EQ(dc->PixelAt(75, 10), White);
}

// A 40-point circle in a wide window: stretched to an ellipse by the canvas's own mapping,
// round (its black pixels' bounding box square) while keeping proportions, also after Whole
// drawing.
TEST(ProportionsPixels, ACircleStaysRoundInAWideWindow) {
    constexpr int Width = 1500;
    constexpr int Height = 876;
    KCanvasPane canvas(nullptr);
    auto* dc = new vMemoryDC(Width, Height);
    canvas.AdoptDC(dc);
    canvas.SizeChanged(Width, Height);
    editMode = AddPoint;
    constexpr int Count = 40;
    for (int i = 0; i <= Count; ++i) {
        const double angle = 2 * M_PI * (i % Count) / Count;
        canvas.points[i] = {100 * std::cos(angle), 100 * std::sin(angle)};
    }
    canvas.pointCount = Count + 1;
    canvas.setCount = 1;
    canvas.setEnds[1] = Count + 1;
    auto blackBox = [&] {
        int left = Width, right = -1, top = Height, bottom = -1;
        for (int y = 0; y < Height; ++y) {
            for (int x = 0; x < Width; ++x) {
                if (dc->PixelAt(x, y) == Black) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        return std::make_pair(right - left, bottom - top);
    };
    canvas.OnRedraw(1, 1, 1, 1);
    const auto stretched = blackBox();
    EXPECT_GT(stretched.first, stretched.second + 100);
    CanvasOptions keep;
    keep.keepProportions = true;
    canvas.SetOptions(keep);
    const auto round = blackBox();
    EXPECT_LE(std::abs(round.first - round.second), 1);
    EXPECT_NEAR(round.second, stretched.second, 1) << "fitted to the smaller side";
    canvas.FitWholeDrawing();
    const auto fitted = blackBox();
    EXPECT_LE(std::abs(fitted.first - fitted.second), 1);
    EXPECT_GT(fitted.second, round.second);
}

}  // namespace
