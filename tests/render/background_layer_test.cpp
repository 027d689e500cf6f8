#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "model/KCanvasPane.h"
#include "render/BackgroundLayer.h"
#include "support/TestRandom.h"
#include "toolkit/vMemoryDC.h"

namespace {

constexpr uint32_t Red = 0xffff0000u;
constexpr uint32_t Green = 0xff00ff00u;
constexpr uint32_t Blue = 0xff0000ffu;
constexpr uint32_t Yellow = 0xffffff00u;
constexpr uint32_t White = 0xffffffffu;
constexpr uint32_t Grid = 0xffdcdce6u;

class BackgroundCanvas : public ::testing::Test {
protected:
    BackgroundCanvas() : dc(new vMemoryDC(300, 300)) {
        editMode = AddPoint;
        canvas.AdoptDC(dc);
        canvas.SizeChanged(300, 300);
        canvas.SetBackdrop(&layer);
    }

    // Two by two pixels, two file units each, covering the canvas's four quarters at zoom 1.
    void Quarters(int turns, bool mirrored, double opacity = 1) {
        PixelSurface picture(2, 2);
        picture.At(0, 0) = Red;
        picture.At(1, 0) = Green;
        picture.At(0, 1) = Blue;
        picture.At(1, 1) = Yellow;
        layer.SetPicture(picture);
        BackgroundPlacement placement;
        placement.width = 4;
        placement.opacity = opacity;
        placement.quarterTurns = turns;
        placement.mirrored = mirrored;
        layer.SetPlacement(placement);
    }
    std::string QuartersShown() {
        canvas.ClearToGrid();
        std::string shown;
        for (const auto& at : {std::make_pair(60, 60), {240, 60}, {60, 240}, {240, 240}}) {
            const uint32_t pixel = dc->PixelAt(at.first, at.second);
            shown += pixel == Red      ? 'R'
                     : pixel == Green  ? 'G'
                     : pixel == Blue   ? 'B'
                     : pixel == Yellow ? 'Y'
                                       : '?';
        }
        return shown;
    }

    KCanvasPane canvas{nullptr};
    vMemoryDC* dc;
    BackgroundLayer layer;
};

// Each quarter turn (anticlockwise) and mirror puts the picture's corners where they belong:
// the canvas's top-left, top-right, bottom-left and bottom-right quarters.
TEST_F(BackgroundCanvas, TurnsAndMirrorsThePictureAboutItsCentre) {
    const struct {
        int turns;
        bool mirrored;
        const char* quarters;
    } cases[] = {
        {0, false, "RGBY"}, {1, false, "GYRB"}, {2, false, "YBGR"}, {3, false, "BRYG"},
        {0, true, "GRYB"},  {1, true, "RBGY"},  {2, true, "BYRG"},  {3, true, "YGBR"},
    };
    for (const auto& c : cases) {
        Quarters(c.turns, c.mirrored);
        EXPECT_EQ(QuartersShown(), c.quarters) << c.turns << " " << c.mirrored;
    }
}

// Zoomed in on one quarter of the canvas, the view shows only that quarter of the picture;
// back in the default view, all four.
TEST_F(BackgroundCanvas, FollowsTheCanvassZoomAndPan) {
    Quarters(0, false);
    const struct {
        CanvasView view;
        const char* quarters;
    } cases[] = {
        {{2, {-75, -75}}, "RRRR"},
        {{2, {75, 75}}, "YYYY"},
        {{4, {75, -75}}, "GGGG"},
        {{1, {0, 0}}, "RGBY"},
    };
    for (const auto& c : cases) {
        canvas.SetView(c.view);
        EXPECT_EQ(QuartersShown(), c.quarters) << c.view.zoom;
    }
}

// The picture lies under the grid, blended over white by its opacity; its own transparent
// pixels show the canvas; a hidden picture, or none, leaves the canvas as it was.
TEST_F(BackgroundCanvas, BlendsUnderTheGridByOpacity) {
    Quarters(0, false, 0.4);
    canvas.ClearToGrid();
    const uint32_t red = dc->PixelAt(60, 60);
    EXPECT_EQ(red >> 16 & 0xff, 255u);
    EXPECT_NEAR(double(red >> 8 & 0xff), 255 * 0.6, 2);
    EXPECT_EQ(dc->PixelAt(150, 40), Grid);
    EXPECT_EQ(dc->PixelAt(40, 150), Grid);

    PixelSurface clear(1, 1, 0x00ff0000u);
    layer.SetPicture(clear);
    canvas.ClearToGrid();
    EXPECT_EQ(dc->PixelAt(60, 60), White);
    Quarters(0, false);
    layer.SetHidden(true);
    canvas.ClearToGrid();
    EXPECT_EQ(dc->PixelAt(60, 60), White);
    layer.SetHidden(false);
    layer.SetPicture(PixelSurface());
    canvas.ClearToGrid();
    EXPECT_EQ(dc->PixelAt(60, 60), White);
}

// A picture much larger than it shows is sampled from its halvings: a checkerboard of single
// pixels shows as grey, not as a pattern of its own.
TEST_F(BackgroundCanvas, ShowsALargePictureThroughItsHalvings) {
    PixelSurface board(1200, 1200);
    for (int y = 0; y < 1200; ++y) {
        for (int x = 0; x < 1200; ++x) {
            board.At(x, y) = (x + y) % 2 == 0 ? 0xff000000u : White;
        }
    }
    layer.SetPicture(board);
    layer.SetPlacement(BackgroundPlacement{1, 4, 0, 0, 0, false});
    canvas.ClearToGrid();
    for (int x = 10; x < 290; x += 37) {
        EXPECT_NEAR(double(dc->PixelAt(x, 77) & 0xff), 127.5, 2) << x;
    }
}

// A move of the view by whole pixels gives the picture a fresh view would give, working out
// only the strips that came into view; any other move works it out whole.
TEST_F(BackgroundCanvas, PansByWorkingOutOnlyWhatCameIntoView) {
    TestRandom random(26);
    PixelSurface noise(97, 61);
    for (int y = 0; y < noise.Height(); ++y) {
        for (int x = 0; x < noise.Width(); ++x) {
            noise.At(x, y) = 0xff000000u | (random.Next() & 0xffffffu);
        }
    }
    layer.SetPicture(noise);
    layer.SetPlacement(BackgroundPlacement{0.7, 3.1, 0.2, -0.1, 1, true});
    auto shown = [this](BackgroundLayer& drawn, const Affine2& view) {
        dc->Resize(300, 300);
        drawn.Draw(canvas, view);
        return dc->Pixels();
    };
    const Affine2 view{2.5, 0, 0, 2.5, 140.25, 151.5};
    shown(layer, view);
    for (const auto& move : {std::make_pair(13, -7), {-40, 22}, {0, 299}, {-299, -1}}) {
        Affine2 moved = view;
        moved.e += move.first;
        moved.f += move.second;
        const long long before = layer.PixelsWorkedOut();
        const PixelSurface panned = shown(layer, moved);
        EXPECT_LE(layer.PixelsWorkedOut() - before,
                  300LL * (std::abs(move.first) + std::abs(move.second)));
        BackgroundLayer fresh;
        fresh.SetPicture(noise);
        fresh.SetPlacement(layer.Placement());
        const PixelSurface expected = shown(fresh, moved);
        EXPECT_TRUE(std::equal(panned.Data(), panned.Data() + 300 * 300, expected.Data()))
            << move.first << ", " << move.second;
        shown(layer, view);
    }
    const int builds = layer.FullBuilds();
    Affine2 half = view;
    half.e += 0.5;
    layer.Draw(canvas, half);
    EXPECT_EQ(layer.FullBuilds(), builds + 1);
}

}  // namespace
