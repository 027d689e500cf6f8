#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/platform/vPlatformOverride.h"
#include "toolkit/platform/vTextPlatform.h"
#include "toolkit/vMemoryDC.h"

namespace {

constexpr uint32_t White = 0xffffffffu;
constexpr uint32_t Black = 0xff000000u;
constexpr uint32_t Red = 0xffff0000u;
constexpr uint32_t Blue = 0xff0000ffu;

struct Bounds {
    int left = INT_MAX;
    int top = INT_MAX;
    int right = INT_MIN;
    int bottom = INT_MIN;
    int count = 0;
};

// The pixels that are no longer white.
Bounds Painted(const vMemoryDC& dc) {
    Bounds b;
    for (int y = 0; y < dc.SurfaceHeight(); ++y) {
        for (int x = 0; x < dc.SurfaceWidth(); ++x) {
            if (dc.PixelAt(x, y) != White) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
                ++b.count;
            }
        }
    }
    return b;
}

std::vector<uint32_t> Snapshot(const vMemoryDC& dc) {
    const PixelSurface& s = dc.Pixels();
    return std::vector<uint32_t>(s.Data(), s.Data() + size_t(s.Width()) * s.Height());
}

void UseColours(vDC& dc, uint32_t penRgb, uint32_t brushRgb, int penStyle = StyleSolid,
                int brushStyle = StyleSolid, int penWidth = 1) {
    dc.UsePen(vPen(penRgb >> 16 & 0xff, penRgb >> 8 & 0xff, penRgb & 0xff, penWidth, penStyle));
    dc.UseBrush(vBrush(brushRgb >> 16 & 0xff, brushRgb >> 8 & 0xff, brushRgb & 0xff, brushStyle));
}

TEST(RasterDC, LinesLeaveOutTheirLastPointInDrawingOrder) {
    struct Case {
        int x, y, x2, y2;
        int count;
        int firstX, firstY;
    } cases[] = {
        {2, 2, 8, 2, 6, 2, 2}, {8, 2, 2, 2, 6, 8, 2}, {2, 2, 2, 2, 0, 2, 2}, {0, 0, 5, 5, 5, 0, 0},
        {5, 5, 0, 0, 5, 5, 5}, {0, 0, 6, 3, 6, 0, 0}, {3, 9, 3, 1, 8, 3, 9},
    };
    for (const Case& c : cases) {
        vMemoryDC dc(12, 12);
        dc.PaintLine(c.x, c.y, c.x2, c.y2);
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y) + " -> " +
                     std::to_string(c.x2) + "," + std::to_string(c.y2));
        EXPECT_EQ(Painted(dc).count, c.count);
        EXPECT_EQ(dc.PixelAt(c.x2, c.y2), White) << "end point left out";
        if (c.count > 0) {
            EXPECT_EQ(dc.PixelAt(c.firstX, c.firstY), Black) << "start point drawn";
        }
    }
}

TEST(RasterDC, PointIsExactlyOnePenPixel) {
    vMemoryDC dc(10, 10);
    UseColours(dc, Red, Blue);
    dc.PaintPoint(3, 4);
    EXPECT_EQ(dc.PixelAt(3, 4), Red);
    EXPECT_EQ(Painted(dc).count, 1);
    dc.PaintPoint(-1, 4);
    dc.PaintPoint(10, 10);
    EXPECT_EQ(Painted(dc).count, 1) << "points off the surface are clipped";
}

TEST(RasterDC, RectangleCoversWidthPlusOneOutlinedAndFilled) {
    vMemoryDC dc(30, 30);
    UseColours(dc, Red, Blue);
    dc.PaintRectangle(10, 10, 4, 4);
    Bounds b = Painted(dc);
    EXPECT_EQ(b.left, 10);
    EXPECT_EQ(b.top, 10);
    EXPECT_EQ(b.right, 14);
    EXPECT_EQ(b.bottom, 14);
    EXPECT_EQ(b.count, 25);
    EXPECT_EQ(dc.PixelAt(10, 12), Red);
    EXPECT_EQ(dc.PixelAt(14, 14), Red);
    EXPECT_EQ(dc.PixelAt(12, 12), Blue);
    EXPECT_EQ(dc.PixelAt(11, 13), Blue);
}

TEST(RasterDC, DegenerateRectangles) {
    vMemoryDC dc(30, 30);
    UseColours(dc, Red, Blue);
    dc.PaintRectangle(10, 10, 1, 1);
    EXPECT_EQ(dc.PixelAt(10, 10), Blue) << "a 1 x 1 rectangle is one brush pixel";
    EXPECT_EQ(Painted(dc).count, 1);
    dc.PaintRectangle(3, 3, 0, 5);
    dc.PaintRectangle(3, 3, 5, 0);
    EXPECT_EQ(Painted(dc).count, 1) << "zero width or height paints nothing";
    vRect list[] = {{20, 20, 0, 0}, {0, 0, 1, 1}, {5, 20, 2, 2}};
    dc.PaintRectangles(list, 3);
    EXPECT_EQ(dc.PixelAt(0, 0), Blue);
    EXPECT_EQ(Painted(dc).count, 1 + 1 + 9);
}

TEST(RasterDC, EllipsesFillTheirInclusiveBoxSymmetrically) {
    const int sizes[][2] = {{1, 1}, {2, 2}, {5, 5}, {7, 3}, {20, 2}, {3, 12}, {30, 17}, {64, 64}};
    for (const auto& size : sizes) {
        const int w = size[0];
        const int h = size[1];
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        vMemoryDC dc(100, 100);
        UseColours(dc, Red, Blue);
        dc.PaintEllipse(20, 30, w, h);
        Bounds b = Painted(dc);
        EXPECT_EQ(b.left, 20);
        EXPECT_EQ(b.top, 30);
        EXPECT_EQ(b.right, 20 + w - 1);
        EXPECT_EQ(b.bottom, 30 + h - 1);
        for (int y = 30; y < 30 + h; ++y) {
            for (int x = 20; x < 20 + w; ++x) {
                ASSERT_EQ(dc.PixelAt(x, y), dc.PixelAt(2 * 20 + w - 1 - x, y)) << x << "," << y;
                ASSERT_EQ(dc.PixelAt(x, y), dc.PixelAt(x, 2 * 30 + h - 1 - y)) << x << "," << y;
            }
        }
    }
}

TEST(RasterDC, FiveByFiveEllipseMarker) {
    vMemoryDC dc(9, 9);
    UseColours(dc, Red, Blue);
    dc.PaintEllipse(2, 2, 5, 5);
    const char* expected[] = {
        ".........", ".........", "...RRR...", "..RBBBR..", "..RBBBR..",
        "..RBBBR..", "...RRR...", ".........", ".........",
    };
    for (int y = 0; y < 9; ++y) {
        std::string row;
        for (int x = 0; x < 9; ++x) {
            uint32_t p = dc.PixelAt(x, y);
            row += p == Red ? 'R' : (p == Blue ? 'B' : '.');
        }
        EXPECT_EQ(row, expected[y]) << "row " << y;
    }
}

// A flood from the centre of a hollow outline must stay inside it: the outline has no gaps.
TEST(RasterDC, EllipseAndRoundedOutlinesAreClosed) {
    const int sizes[][2] = {{9, 9}, {40, 11}, {13, 50}, {90, 90}};
    for (int rounded = 0; rounded < 2; ++rounded) {
        for (const auto& size : sizes) {
            SCOPED_TRACE(std::to_string(size[0]) + " x " + std::to_string(size[1]));
            vMemoryDC dc(100, 100);
            UseColours(dc, Black, Blue, StyleSolid, StyleTransparent);
            if (rounded) {
                dc.PaintRoundedRect(2, 2, size[0], size[1], 6);
            } else {
                dc.PaintEllipse(2, 2, size[0], size[1]);
            }
            std::vector<std::pair<int, int>> stack{{2 + size[0] / 2, 2 + size[1] / 2}};
            std::vector<bool> seen(100 * 100, false);
            while (!stack.empty()) {
                auto [x, y] = stack.back();
                stack.pop_back();
                if (x < 0 || y < 0 || x >= 100 || y >= 100 || seen[y * 100 + x] ||
                    dc.PixelAt(x, y) != White) {
                    continue;
                }
                seen[y * 100 + x] = true;
                ASSERT_TRUE(x > 2 && y > 2 && x < 2 + size[0] && y < 2 + size[1])
                    << "leaked at " << x << "," << y;
                stack.insert(stack.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
            }
        }
    }
}

TEST(RasterDC, RoundedRectangleCutsItsCorners) {
    vMemoryDC dc(40, 40);
    UseColours(dc, Red, Blue);
    dc.PaintRoundedRect(10, 10, 20, 20, 8);
    EXPECT_EQ(dc.PixelAt(10, 10), White);
    EXPECT_EQ(dc.PixelAt(30, 30), White);
    EXPECT_EQ(dc.PixelAt(20, 10), Red);
    EXPECT_EQ(dc.PixelAt(10, 20), Red);
    EXPECT_EQ(dc.PixelAt(30, 20), Red);
    EXPECT_EQ(dc.PixelAt(20, 20), Blue);
    // A negative radius derives the corner from the size: (20 + 20) / 4 = 10.
    vMemoryDC same(40, 40);
    UseColours(same, Red, Blue);
    same.PaintRoundedRect(10, 10, 20, 20, -2);
    vMemoryDC explicitCorner(40, 40);
    UseColours(explicitCorner, Red, Blue);
    explicitCorner.PaintRoundedRect(10, 10, 20, 20, 10);
    EXPECT_EQ(Snapshot(same), Snapshot(explicitCorner));
}

TEST(RasterDC, ExclusiveOrTwiceRestoresThePicture) {
    for (int width : {1, 3}) {
        SCOPED_TRACE("pen width " + std::to_string(width));
        vMemoryDC dc(60, 60);
        UseColours(dc, Red, Blue);
        dc.PaintRectangle(5, 5, 30, 20);
        dc.PaintEllipse(20, 20, 30, 30);
        dc.PaintLine(0, 59, 59, 0);
        const std::vector<uint32_t> before = Snapshot(dc);
        dc.UsePen(vPen(0, 200, 0, width, StyleSolid));
        for (int pass = 0; pass < 2; ++pass) {
            dc.XorLine(3, 50, 57, 7);
            dc.XorLine(10, 10, 10, 10);
            dc.XorEllipse(8, 8, 40, 25);
            dc.XorRectangle(12, 30, 30, 15);
            dc.XorRectangle(1, 1, 1, 1);
            dc.XorPoint(40, 40);
            if (pass == 0) {
                EXPECT_NE(Snapshot(dc), before);
            }
        }
        EXPECT_EQ(Snapshot(dc), before);
    }
}

TEST(RasterDC, ExclusiveOrInvertsWithWhite) {
    vMemoryDC dc(20, 20);
    dc.UsePen(vPen(255, 0, 0, 1, StyleSolid));
    dc.XorLine(0, 5, 10, 5);
    EXPECT_EQ(dc.PixelAt(4, 5), Black) << "white inverted, whatever the pen colour";
    EXPECT_EQ(dc.PixelAt(10, 5), White);
    dc.XorEllipse(0, 10, 6, 6);
    EXPECT_EQ(dc.PixelAt(3, 13), White) << "no fill";
}

TEST(RasterDC, ScaleConvertsTheFarEdge) {
    vMemoryDC dc(120, 120);
    dc.SetDrawScale(1, 2);
    dc.PaintLine(0, 0, 101, 101);
    EXPECT_EQ(dc.PixelAt(49, 49), Black);
    EXPECT_EQ(dc.PixelAt(50, 50), White) << "the line ends at device point (50, 50)";
    EXPECT_EQ(Painted(dc).count, 50);

    vMemoryDC plain(120, 120);
    plain.PaintLine(0, 0, 101, 101);
    EXPECT_EQ(plain.PixelAt(100, 100), Black);
    EXPECT_EQ(Painted(plain).count, 101);

    vMemoryDC rect(40, 40);
    rect.SetDrawScale(1, 2);
    rect.PaintRectangle(11, 11, 10, 10);  // far edge 21 -> 10, not 5 + 10 / 2
    Bounds b = Painted(rect);
    EXPECT_EQ(b.left, 5);
    EXPECT_EQ(b.right, 10);
}

TEST(RasterDC, PenStyles) {
    vMemoryDC dc(80, 20);
    dc.UsePen(vPen(0, 0, 0, 4, StyleTransparent));
    dc.PaintLine(0, 1, 60, 1);
    dc.PaintPoint(5, 5);
    EXPECT_EQ(Painted(dc).count, 0) << "transparent pen draws nothing";

    struct Case {
        int style;
        int count;
    } cases[] = {{StyleDash, 18 + 18 + 12}, {StyleDot, 30}, {StyleDashDot, 12 + 12 + 9}};
    for (const Case& c : cases) {
        vMemoryDC line(80, 20);
        line.UsePen(vPen(0, 0, 0, 5, c.style));
        line.PaintLine(0, 3, 60, 3);
        Bounds b = Painted(line);
        EXPECT_EQ(b.count, c.count) << "style " << c.style;
        EXPECT_EQ(b.top, 3) << "patterned pens are one pixel wide";
        EXPECT_EQ(b.bottom, 3);
    }

    vMemoryDC wide(80, 20);
    wide.UsePen(vPen(0, 0, 0, 3, StyleSolid));
    wide.PaintLine(10, 10, 20, 10);
    Bounds b = Painted(wide);
    EXPECT_EQ(b.top, 9);
    EXPECT_EQ(b.bottom, 11);
}

TEST(RasterDC, BrushStyles) {
    vMemoryDC dc(60, 60);
    UseColours(dc, Red, Blue, StyleSolid, StyleTransparent);
    dc.PaintRectangle(5, 5, 20, 20);
    EXPECT_EQ(dc.PixelAt(15, 15), White) << "hollow brush";
    EXPECT_EQ(dc.PixelAt(5, 15), Red);

    UseColours(dc, Red, Blue, StyleTransparent, StyleSolid);
    dc.PaintRectangle(30, 30, 10, 10);
    EXPECT_EQ(dc.PixelAt(30, 30), Blue) << "no outline: the fill covers the figure";

    UseColours(dc, Red, Blue, StyleSolid, StyleCrossHatch);
    dc.PaintRectangle(30, 0, 20, 20);
    int hatch = 0;
    int paper = 0;
    for (int y = 2; y < 19; ++y) {
        for (int x = 32; x < 49; ++x) {
            (dc.PixelAt(x, y) == Blue ? hatch : paper) += 1;
        }
    }
    EXPECT_GT(hatch, 0);
    EXPECT_GT(paper, hatch) << "a hatching leaves most of the figure to the background";
}

TEST(RasterDC, PolygonFillRules) {
    // A five-pointed star drawn in one stroke, its first point repeated at the end: its centre
    // is inside by the winding rule and outside by the alternate rule.
    const vPoint star[] = {{50, 10}, {74, 82}, {12, 37}, {88, 37}, {26, 82}, {50, 10}};
    vMemoryDC alternate(100, 100);
    UseColours(alternate, Red, Blue);
    alternate.PaintPolygon(6, star, FillAlternate);
    EXPECT_EQ(alternate.PixelAt(50, 50), White);
    EXPECT_EQ(alternate.PixelAt(50, 25), Blue);

    vMemoryDC winding(100, 100);
    UseColours(winding, Red, Blue);
    winding.PaintPolygon(6, star, FillWinding);
    EXPECT_EQ(winding.PixelAt(50, 50), Blue);
    EXPECT_EQ(winding.PixelAt(50, 10), Red) << "vertices are outlined";
    EXPECT_EQ(winding.PixelAt(5, 5), White);

    vMemoryDC none(100, 100);
    none.PaintPolygon(2, star, FillAlternate);
    none.PaintPolygon(6, nullptr, FillAlternate);
    none.PaintPolygon(-3, star, FillAlternate);
    EXPECT_EQ(Painted(none).count, 0);
}

TEST(RasterDC, PolylineSegmentsAndPoints) {
    vMemoryDC dc(20, 20);
    const vPoint path[] = {{1, 1}, {6, 1}, {6, 6}};
    dc.PaintPolyline(path, 3);
    EXPECT_EQ(dc.PixelAt(6, 1), Black);
    EXPECT_EQ(dc.PixelAt(6, 6), White) << "the last point is left out";
    EXPECT_EQ(Painted(dc).count, 10);
    dc.PaintPolyline(path, 1);
    const vLine segments[] = {{10, 10, 13, 10}, {10, 12, 10, 12}};
    dc.PaintSegments(segments, 2);
    const vPoint dots[] = {{15, 15}, {16, 17}};
    dc.PaintPoints(dots, 2);
    EXPECT_EQ(Painted(dc).count, 10 + 3 + 2);
}

TEST(RasterDC, FarCoordinatesAreClippedNotWalked) {
    vMemoryDC dc(50, 40);
    dc.PaintLine(-1000000000, 5, 1000000000, 5);
    for (int x = 0; x < 50; ++x) {
        ASSERT_EQ(dc.PixelAt(x, 5), Black) << x;
    }
    dc.PaintLine(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    for (int k = 0; k < 40; ++k) {
        ASSERT_EQ(dc.PixelAt(k, k), Black) << k;
    }
    EXPECT_EQ(Painted(dc).count, 50 + 40 - 1);

    vMemoryDC big(50, 40);
    UseColours(big, Red, Blue);
    big.PaintEllipse(-100000, -100000, 200050, 200040);
    EXPECT_EQ(big.PixelAt(25, 20), Blue);
    big.PaintRectangle(INT_MAX - 5, INT_MAX - 5, 100, 100);
    big.PaintEllipse(INT_MIN, 0, -100, 10);
    big.XorRectangle(-5, -5, INT_MAX, INT_MAX);
    big.PaintRoundedRect(0, 0, INT_MAX, INT_MAX, INT_MIN);
    big.UsePen(vPen(0, 0, 0, 9, StyleSolid));
    big.PaintPoint(INT_MAX, INT_MIN);
    big.XorPoint(INT_MIN, INT_MAX);
}

// Clipping a long line must not move its pixels: what lands on the surface is exactly what
// the whole line would have painted there, step by step.
TEST(RasterDC, ClippedLinesKeepTheirPixels) {
    const vLine lines[] = {{-1000000, -3, 1000000, 50},
                           {1500000, 37, -2000, 2},
                           {20, -700000, 33, 900000},
                           {-99999, 99999, 99999, -99999},
                           {-1000, -990, 1000, 980}};
    for (const vLine& l : lines) {
        SCOPED_TRACE(std::to_string(l.x) + "," + std::to_string(l.y));
        vMemoryDC dc(60, 40);
        dc.PaintLine(l.x, l.y, l.x2, l.y2);
        std::vector<uint32_t> expected(60 * 40, White);
        const int64_t dx = int64_t(l.x2) - l.x;
        const int64_t dy = int64_t(l.y2) - l.y;
        const int64_t major = std::max(std::abs(dx), std::abs(dy));
        const int64_t minor = std::min(std::abs(dx), std::abs(dy));
        for (int64_t k = 0; k < major; ++k) {
            const int64_t offset = (2 * k * minor + major) / (2 * major);
            const bool xMajor = std::abs(dx) >= std::abs(dy);
            const int64_t x = l.x + (xMajor ? k : offset) * (dx < 0 ? -1 : 1);
            const int64_t y = l.y + (xMajor ? offset : k) * (dy < 0 ? -1 : 1);
            if (x >= 0 && y >= 0 && x < 60 && y < 40) {
                expected[y * 60 + x] = Black;
            }
        }
        EXPECT_EQ(Snapshot(dc), expected);
        EXPECT_GT(Painted(dc).count, 0);
    }
}

TEST(RasterDC, PixelRowSkipsWhatLiesOffTheSurface) {
    vMemoryDC dc(4, 4);
    // Packed colours: red | green << 8 | blue << 16.
    const uint32_t colours[] = {0x0000ff, 0x00ff00, 0xff0000, 0x000000, 0x0000ff, 0x00ff00};
    dc.PaintPixelRow(-3, 1, 6, colours);
    EXPECT_EQ(dc.PixelAt(0, 1), Black);
    EXPECT_EQ(dc.PixelAt(1, 1), Red);
    EXPECT_EQ(dc.PixelAt(2, 1), 0xff00ff00u);
    EXPECT_EQ(dc.PixelAt(3, 1), White);
    dc.PaintPixelRow(0, -1, 6, colours);
    dc.PaintPixelRow(2, 2, 6, colours);
    dc.PaintPixelRow(0, 3, 2, nullptr);
    EXPECT_EQ(dc.PixelAt(2, 2), Red);
    EXPECT_EQ(dc.PixelAt(3, 2), 0xff00ff00u);
    EXPECT_EQ(Painted(dc).count, 3 + 2);
}

TEST(RasterDC, EraseUsesTheBackgroundInDeviceCoordinates) {
    vMemoryDC dc(10, 10);
    dc.SetBackground(vColor(0, 0, 255));
    dc.SetDrawScale(1, 2);
    dc.EraseRect(2, 2, 3, 3);
    EXPECT_EQ(dc.PixelAt(2, 2), Blue);
    EXPECT_EQ(dc.PixelAt(4, 4), Blue);
    EXPECT_EQ(dc.PixelAt(5, 5), White);
    EXPECT_EQ(dc.PixelAt(1, 1), White);
    dc.EraseRect(6, 6, 0, 3);
    EXPECT_EQ(Painted(dc).count, 9);
    dc.EraseCanvas();
    EXPECT_EQ(Painted(dc).count, 100);
    EXPECT_EQ(dc.PixelAt(9, 0), Blue);
}

TEST(RasterDC, BlitCopiesAndClipsBlocks) {
    vMemoryDC src(20, 20);
    src.UsePen(vPen(255, 0, 0));
    src.PaintPoint(5, 6);
    src.PaintPoint(0, 0);
    src.PaintPoint(2, 6);
    vMemoryDC dest(30, 30);
    dest.BlitFrom(&src, 10, 10, 0, 0, 0, 0);
    EXPECT_EQ(dest.PixelAt(15, 16), Red) << "non-positive sizes take the source's";
    EXPECT_EQ(dest.PixelAt(10, 10), Red);

    vMemoryDC clipped(30, 30);
    clipped.BlitFrom(&src, 25, -6, -5, 0, 100, 100);
    // Source rows 6.. land at the top, columns 0..4 at the right edge.
    EXPECT_EQ(clipped.PixelAt(27, 0), Red) << "negative source positions count as 0";
    EXPECT_EQ(Painted(clipped).count, 1);
    clipped.BlitFrom(nullptr, 0, 0, 0, 0, 5, 5);

    vMemoryDC row(12, 1);
    for (int x = 0; x < 10; ++x) {
        row.UsePen(vPen(x, 0, 0));
        row.PaintPoint(x, 0);
    }
    row.BlitFrom(&row, 2, 0, 0, 0, 10, 1);
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(row.PixelAt(x + 2, 0), PixelSurface::FromRgb(x, 0, 0)) << "overlapping copy";
    }
}

TEST(RasterDC, IconsDrawTheirBitsWithTransparency) {
    vMemoryDC dc(10, 4);
    dc.UseBrush(vBrush(0, 0, 255));
    const unsigned char bits[] = {0xa0, 0x60};  // 1010.... / 0110....
    vIcon mono(bits, 2, 8, 1, 1);
    dc.PaintIcon(1, 1, mono);
    EXPECT_EQ(dc.PixelAt(1, 1), Blue);
    EXPECT_EQ(dc.PixelAt(2, 1), White) << "clear bits match the bottom-left pixel: transparent";
    EXPECT_EQ(dc.PixelAt(3, 2), Blue);
    EXPECT_EQ(Painted(dc).count, 4);

    const unsigned int palette[] = {0x000000, 0x0000ff};
    const unsigned char indices[] = {1, 0};
    dc.PaintIcon(5, 3, vIcon(indices, 1, 2, 8, 0, palette));
    EXPECT_EQ(dc.PixelAt(5, 3), Red);
    EXPECT_EQ(dc.PixelAt(6, 3), Black);
    const unsigned char rgb[] = {0, 0, 255};
    dc.PaintIcon(8, 0, vIcon(rgb, 1, 1, 24));
    EXPECT_EQ(dc.PixelAt(8, 0), Blue);
    dc.PaintIcon(0, 0, vIcon(indices, 1, 2, 8));  // no palette: nothing
    EXPECT_EQ(dc.PixelAt(0, 0), White);
}

class FakeText : public vTextPlatform {
public:
    struct Call {
        int x;
        int top;
        std::string text;
        uint32_t colour;
        bool opaque;
        uint32_t background;
    };
    std::vector<Call> calls;
    bool metrics = true;

    void DrawText(PixelSurface&, int x, int top, const char* text, const vFont&,
                  uint32_t textColour, bool opaque, uint32_t background) override {
        calls.push_back({x, top, text, textColour, opaque, background});
    }
    int TextWidth(const char* text, const vFont&) override {
        return 7 * static_cast<int>(std::strlen(text));
    }
    bool FontMetrics(const vFont&, int& ascent, int& descent) override {
        ascent = 10;
        descent = 4;
        return metrics;
    }

private:
    vPlatformOverride<vTextPlatform> _installed{&vPlatform::text, this};
};

TEST(RasterDC, TextIsAnchoredBottomLeftInThePenColour) {
    FakeText text;
    vMemoryDC dc(300, 300);
    dc.UsePen(vPen(220, 220, 230));
    dc.PaintText(130, 166, "(0,0)");
    ASSERT_EQ(text.calls.size(), 1u);
    EXPECT_EQ(text.calls[0].x, 130);
    EXPECT_EQ(text.calls[0].top, 166 - 14);
    EXPECT_EQ(text.calls[0].colour, PixelSurface::FromRgb(220, 220, 230));
    EXPECT_TRUE(text.calls[0].opaque);
    EXPECT_EQ(text.calls[0].background, White);

    text.metrics = false;
    dc.PaintText(10, 20, "x");
    EXPECT_EQ(text.calls.back().top, 20 - 8) << "fallback metrics 5 + 3";
    int ascent = 0;
    int descent = 0;
    EXPECT_EQ(dc.TextHeight(ascent, descent), 8);
    EXPECT_EQ(ascent, 5);

    dc.UsePen(vPen(0, 0, 0, 1, StyleTransparent));
    vFont coloured;
    coloured.SetColor(0x0000ff);
    dc.UseFont(coloured);
    dc.PaintText(1, 30, "y");
    EXPECT_FALSE(text.calls.back().opaque);
    EXPECT_EQ(text.calls.back().colour, Red) << "a font colour wins over the pen";

    dc.PaintText(1, 1, "");
    dc.PaintText(1, 1, nullptr);
    EXPECT_EQ(text.calls.size(), 3u);
    EXPECT_EQ(dc.TextWidth("abc"), 21);
}

TEST(RasterDC, StyledTextColours) {
    FakeText text;
    vMemoryDC dc(50, 50);
    dc.UsePen(vPen(255, 0, 0));
    dc.PaintStyledText(0, 20, "a", TextReverse);
    EXPECT_EQ(text.calls.back().colour, White);
    EXPECT_EQ(text.calls.back().background, Red);
    dc.PaintStyledText(0, 20, "a", TextColours | 5 | 7 << 4);
    EXPECT_EQ(text.calls.back().colour, Blue);
    EXPECT_EQ(text.calls.back().background, 0xffffff00u);
}

TEST(RasterDC, WithoutTextPlatformNoTextAndFallbackMetrics) {
    vMemoryDC dc(50, 50);
    dc.PaintText(5, 20, "hello");
    EXPECT_EQ(Painted(dc).count, 0);
    int ascent = 0;
    int descent = 0;
    EXPECT_EQ(dc.TextHeight(ascent, descent), 8);
    EXPECT_EQ(descent, 3);
}

// A window's context shows its surface from ReleaseDCHandle: every drawing call must bracket
// its drawing with the two hooks.
class HookedDC : public vMemoryDC {
public:
    HookedDC() : vMemoryDC(40, 40) {}
    int acquired = 0;
    int released = 0;
    int paintedAtAcquire = -1;
    int paintedAtRelease = -1;
    void AcquireDC() override {
        ++acquired;
        paintedAtAcquire = PixelAt(7, 8) != White;
    }
    void ReleaseDCHandle() override {
        ++released;
        paintedAtRelease = PixelAt(7, 8) != White;
    }
};

TEST(RasterDC, EveryDrawingCallAcquiresFirstAndReleasesLast) {
    const vPoint points[] = {{1, 1}, {5, 5}, {1, 5}, {1, 1}};
    const vLine lines[] = {{0, 0, 3, 3}};
    const vRect rects[] = {{2, 2, 3, 3}, {20, 20, 4, 4}};
    const uint32_t colours[] = {0, 0};
    const unsigned char bits[] = {0x80};
    vMemoryDC other(5, 5);
    const std::vector<std::function<void(HookedDC&)>> calls = {
        [](HookedDC& dc) { dc.EraseCanvas(); },
        [](HookedDC& dc) { dc.EraseRect(1, 1, 2, 2); },
        [&](HookedDC& dc) { dc.BlitFrom(&other, 0, 0, 0, 0, 0, 0); },
        [](HookedDC& dc) { dc.PaintStyledText(1, 9, "a", 0); },
        [](HookedDC& dc) { dc.PaintText(1, 9, "a"); },
        [](HookedDC& dc) { dc.PaintEllipse(1, 1, 5, 5); },
        [&](HookedDC& dc) { dc.PaintIcon(1, 1, vIcon(bits, 1, 1)); },
        [](HookedDC& dc) { dc.PaintLine(1, 1, 9, 9); },
        [&](HookedDC& dc) { dc.PaintSegments(lines, 1); },
        [&](HookedDC& dc) { dc.PaintPolyline(points, 4); },
        [&](HookedDC& dc) { dc.PaintPixelRow(1, 1, 2, colours); },
        [](HookedDC& dc) { dc.PaintPoint(7, 8); },
        [&](HookedDC& dc) { dc.PaintPoints(points, 4); },
        [&](HookedDC& dc) { dc.PaintPolygon(4, points, FillAlternate); },
        [](HookedDC& dc) { dc.PaintRoundedRect(1, 1, 9, 9, 3); },
        [](HookedDC& dc) { dc.PaintRectangle(1, 1, 9, 9); },
        [&](HookedDC& dc) { dc.PaintRectangles(rects, 2); },
        [](HookedDC& dc) { dc.XorLine(1, 1, 9, 9); },
        [](HookedDC& dc) { dc.XorEllipse(1, 1, 9, 9); },
        [](HookedDC& dc) { dc.XorPoint(7, 8); },
        [](HookedDC& dc) { dc.XorRectangle(1, 1, 9, 9); },
    };
    for (size_t i = 0; i < calls.size(); ++i) {
        HookedDC dc;
        calls[i](dc);
        EXPECT_EQ(dc.acquired, 1) << "call " << i;
        EXPECT_EQ(dc.released, 1) << "call " << i;
    }
    HookedDC dc;
    dc.PaintPoint(7, 8);
    EXPECT_EQ(dc.paintedAtAcquire, 0);
    EXPECT_EQ(dc.paintedAtRelease, 1);
}

TEST(RasterDC, MemoryContextReportsAndResizesItsSurface) {
    vMemoryDC dc(30, 20);
    EXPECT_EQ(dc.SurfaceWidth(), 30);
    EXPECT_EQ(dc.SurfaceHeight(), 20);
    dc.SetBackground(vColor(255, 0, 0));
    dc.Resize(8, 9);
    EXPECT_EQ(dc.SurfaceWidth(), 8);
    EXPECT_EQ(dc.PixelAt(7, 8), Red);
    EXPECT_EQ(dc.PixelAt(8, 8), 0u);
    vWinDC bare;
    bare.PaintLine(0, 0, 5, 5);
    bare.PaintRectangle(0, 0, 5, 5);
    EXPECT_EQ(bare.SurfaceWidth(), 0);
}

}  // namespace
