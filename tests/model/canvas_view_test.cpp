#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "model/KCanvasPane.h"
#include "model_test_helpers.h"
#include "support/TestRandom.h"

// The view over the canvas's own mapping: its zoom ladder, the round trip between pixels and
// model units at every step, zooming about a pixel and fitting the drawing.

namespace {

std::vector<double> Ladder() {
    std::vector<double> zooms{CanvasView::MinZoom};
    while (zooms.back() < CanvasView::MaxZoom) {
        zooms.push_back(CanvasView::ZoomedIn(zooms.back()));
    }
    return zooms;
}

TEST(CanvasView, LadderRunsFromOneSixteenthToSixtyFourInStepsOfAQuarter) {
    const std::vector<double> zooms = Ladder();
    EXPECT_EQ(zooms.back(), CanvasView::MaxZoom);
    for (size_t i = 1; i < zooms.size(); ++i) {
        EXPECT_LE(zooms[i] / zooms[i - 1], CanvasView::ZoomStep + 1e-12);
        EXPECT_EQ(CanvasView::ZoomedOut(zooms[i]), zooms[i - 1]) << zooms[i];
    }
    EXPECT_EQ(CanvasView::ZoomedOut(CanvasView::MinZoom), CanvasView::MinZoom);
    EXPECT_EQ(CanvasView::ZoomedIn(CanvasView::ZoomedOut(1)), 1) << "1 is on the ladder";
    EXPECT_EQ(CanvasView::ZoomedIn(4), std::pow(1.25, 7)) << "between steps: the next one up";
    EXPECT_EQ(CanvasView::Clamped(std::nan("")), CanvasView::MinZoom);
}

// Pixel -> model -> pixel gives the pixel back at every zoom step, panned or not, on square and
// stretched canvases. (The default view is the canvas's own mapping, which cuts toward zero and
// may land a pixel short on a stretched canvas.)
TEST(CanvasView, PixelsRoundTripAtEveryZoomStep) {
    TestRandom random(24);
    for (const auto& size : {std::pair<int, int>{300, 300}, {437, 251}, {1920, 1080}}) {
        KCanvasPane canvas(nullptr);
        canvas.OnResize(size.first, size.second);
        for (double zoom : Ladder()) {
            for (Point2 centre : {Point2{0, 0}, Point2{-41.3, 77.9}}) {
                canvas.SetView({zoom, centre});
                if (canvas.View().IsIdentity()) {
                    continue;
                }
                for (int k = 0; k < 50; ++k) {
                    const int x = random.Below(size.first);
                    const int y = random.Below(size.second);
                    ASSERT_EQ(canvas.PixelX(canvas.ModelX(x)), x) << zoom;
                    ASSERT_EQ(canvas.PixelY(canvas.ModelY(y)), y) << zoom;
                }
            }
        }
    }
}

// Each zoom step about a pixel keeps the model point under it within one pixel; the default
// view comes back whole after zooming in and out again about the same pixel.
TEST(CanvasView, ZoomingAboutAPixelKeepsThePointUnderIt) {
    TestRandom random(7);
    KCanvasPane canvas(nullptr);
    canvas.OnResize(600, 600);
    for (int k = 0; k < 200; ++k) {
        const int x = random.Below(600);
        const int y = random.Below(600);
        const Point2 under{canvas.ModelX(x), canvas.ModelY(y)};
        const bool in = random.Below(3) != 0;
        const CanvasView& view = canvas.View();
        canvas.ZoomAbout(x, y,
                         in ? CanvasView::ZoomedIn(view.zoom) : CanvasView::ZoomedOut(view.zoom));
        EXPECT_LE(std::abs(canvas.PixelX(under.x) - x), 1) << k;
        EXPECT_LE(std::abs(canvas.PixelY(under.y) - y), 1) << k;
    }
    canvas.SetView(CanvasView{});
    canvas.ZoomAbout(200, 100, CanvasView::ZoomedIn(1));
    canvas.ZoomAbout(200, 100, 1);
    EXPECT_TRUE(canvas.View().IsIdentity());
}

TEST(CanvasView, WholeDrawingFitsEveryPointWithAMargin) {
    KCanvasPane canvas(nullptr);
    canvas.OnResize(400, 300);
    canvas.FitWholeDrawing();
    EXPECT_TRUE(canvas.View().IsIdentity()) << "an empty drawing";
    AddFinishedSet(canvas, {{10, 20}, {14, 20}, {12, 23}});
    AddOpenPoints(canvas, {{11, 21}});
    canvas.FitWholeDrawing();
    for (int i = 0; i < canvas.pointCount; ++i) {
        const int x = canvas.PixelX(canvas.points[i].x);
        const int y = canvas.PixelY(canvas.points[i].y);
        EXPECT_TRUE(x >= 20 && x < 380 && y >= 15 && y < 285) << i << ": " << x << "," << y;
    }
    EXPECT_EQ(canvas.View().zoom, CanvasView::MaxZoom)
        << "a tiny drawing stops at the largest zoom";

    // A lathe's profiles are seen with their mirror images about the axis.
    shapeKind = Lathe;
    canvas.FitWholeDrawing();
    shapeKind = Polygon;
    EXPECT_EQ(canvas.View().centre.x, 0);
    EXPECT_GE(canvas.PixelX(-14), 20);
    EXPECT_LE(canvas.PixelX(14), 380);

    // Far out, where grid lines a step apart are one number, the view is drawn without them.
    AddFinishedSet(canvas, {{1e32, 1e32}, {1.1e32, 1e32}, {1e32, 1.2e32}});
    canvas.FitWholeDrawing();
    EXPECT_GT(canvas.View().centre.x, 1e31);
}

// Keeping proportions, over canvas sizes, zooms and pans drawn at random: both axes have the
// smaller side's scale, the model origin stays in the centre at zoom 1, pixels round-trip
// through model units, and a square canvas keeps the canvas's own mapping to the bit.
TEST(CanvasView, KeepingProportionsGivesOneScaleThatRoundTrips) {
    TestRandom random(2125);
    CanvasOptions keep;
    keep.keepProportions = true;
    for (int k = 0; k < 300; ++k) {
        const int width = random.Between(2, 2500);
        const int height = k % 5 == 0 ? width : random.Between(2, 2500);
        KCanvasPane plain(nullptr);
        KCanvasPane canvas(nullptr);
        plain.OnResize(width, height);
        canvas.OnResize(width, height);
        canvas.SetOptions(keep);
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        EXPECT_EQ(canvas.PixelX(0), width / 2);
        EXPECT_EQ(canvas.PixelY(0), height / 2);
        const CanvasView view{k % 3 == 0 ? 1 : std::exp(random.Uniform(-2.7, 4.1)),
                              k % 2 == 0
                                  ? Point2{0, 0}
                                  : Point2{random.Uniform(-400, 400), random.Uniform(-400, 400)}};
        plain.SetView(view);
        canvas.SetView(view);
        EXPECT_EQ(canvas.ViewScaleX(), canvas.ViewScaleY());
        EXPECT_EQ(canvas.ViewScaleX(), std::min(plain.ViewScaleX(), plain.ViewScaleY()));
        for (int n = 0; n < 20; ++n) {
            const int x = random.Below(width);
            const int y = random.Below(height);
            if (width == height) {
                ASSERT_EQ(canvas.ModelX(x), plain.ModelX(x));
                ASSERT_EQ(canvas.ModelY(y), plain.ModelY(y));
            } else {
                ASSERT_EQ(canvas.PixelX(canvas.ModelX(x)), x) << view.zoom;
                ASSERT_EQ(canvas.PixelY(canvas.ModelY(y)), y) << view.zoom;
            }
        }
        const int x = random.Below(width);
        const int y = random.Below(height);
        const Point2 under{canvas.ModelX(x), canvas.ModelY(y)};
        canvas.ZoomAbout(x, y, CanvasView::ZoomedIn(canvas.View().zoom));
        EXPECT_LE(std::abs(canvas.PixelX(under.x) - x), 1);
        EXPECT_LE(std::abs(canvas.PixelY(under.y) - y), 1);
    }
}

// The status position is the file position under the cursor through the view; in the default
// view, exactly the canvas's own.
TEST(CanvasView, StatusShowsTheFilePositionThroughTheView) {
    StatusLog status;
    KCanvasPane canvas(&status);
    canvas.OnResize(300, 300);
    canvas.OnMouseMotion(0, 0);
    canvas.SetView({4, {75, -75}});
    canvas.OnMouseMotion(150, 150);
    ASSERT_EQ(status.updates.size(), 2u);
    EXPECT_EQ(status.updates[0], std::make_pair(-2.0, 2.0));
    EXPECT_NEAR(status.updates[1].first, 1 + 0.5 / 300, 1e-12);
    EXPECT_NEAR(status.updates[1].second, 1 - 0.5 / 300, 1e-12);
}

}  // namespace
