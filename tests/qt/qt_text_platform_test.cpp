#include <gtest/gtest.h>

#include <QImage>
#include <cstdio>
#include <set>
#include <string>

#include "toolkit/platform/qt/QtTextPlatform.h"
#include "toolkit/platform/vHeadlessSession.h"
#include "toolkit/platform/vPlatformOverride.h"
#include "toolkit/vMemoryDC.h"

namespace {

constexpr uint32_t Black = 0xff000000u;
constexpr uint32_t White = 0xffffffffu;

class QtText : public ::testing::Test {
protected:
    QtText() : dc(80, 40) {
        // A black page, so that the text cell shows where its opaque background went.
        dc.UseBrush(vBrush(0, 0, 0, StyleSolid, FillAlternate));
        dc.UsePen(vPen(0, 0, 0, 1, StyleSolid));
        dc.PaintRectangle(0, 0, 79, 39);
    }

    // The colours found in a block of pixels.
    std::set<uint32_t> Colours(int x0, int y0, int x1, int y1) const {
        std::set<uint32_t> found;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                found.insert(dc.PixelAt(x, y));
            }
        }
        return found;
    }

    QtTextPlatform text;
    vPlatformOverride<vTextPlatform> textInstalled{&vPlatform::text, &text};
    vMemoryDC dc;
};

}  // namespace

TEST_F(QtText, FixedFontIsMonospacedTwelvePixels) {
    int ascent = 0;
    int descent = 0;
    int height = dc.TextHeight(ascent, descent);
    EXPECT_EQ(height, ascent + descent);
    EXPECT_GE(height, 12);
    EXPECT_LE(height, 18);
    EXPECT_EQ(dc.TextWidth("iiii"), dc.TextWidth("MMMM"));
    EXPECT_EQ(dc.TextWidth("(0,0)"), 5 * dc.TextWidth("0"));
    EXPECT_EQ(text.FontFor(vFont()).pixelSize(), 12);
    EXPECT_EQ(text.FontFor(vFont()).styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
}

TEST_F(QtText, TextIsAnchoredBottomLeftInThePenColourOnAnOpaqueBackground) {
    int ascent = 0;
    int descent = 0;
    int height = dc.TextHeight(ascent, descent);
    int width = dc.TextWidth("Hg");
    int x = 5;
    int y = 30;
    int top = y - height;
    dc.UsePen(vPen(220, 220, 230, 1, StyleSolid));
    dc.PaintText(x, y, "Hg");

    uint32_t grid = PixelSurface::FromRgb(220, 220, 230);
    EXPECT_EQ(Colours(x, top, x + width, y), (std::set<uint32_t>{grid, White}))
        << "crisp glyphs in the pen colour on white";
    EXPECT_EQ(Colours(x, top - 1, x + width, top), std::set<uint32_t>{Black}) << "above";
    EXPECT_EQ(Colours(x, y, x + width, y + 1), std::set<uint32_t>{Black}) << "below";
    EXPECT_EQ(Colours(x - 1, top, x, y), std::set<uint32_t>{Black}) << "left";
    EXPECT_EQ(Colours(x + width, top, x + width + 1, y), std::set<uint32_t>{Black}) << "right";
}

TEST_F(QtText, TransparentPenLeavesTheBackgroundAndFontColourWins) {
    vFont red;
    red.SetColor(0x0000ff);
    dc.UseFont(red);
    dc.UsePen(vPen(0, 255, 0, 1, StyleTransparent));
    dc.PaintText(2, 30, "WW");
    int ascent = 0;
    int descent = 0;
    int height = dc.TextHeight(ascent, descent);
    EXPECT_EQ(Colours(2, 30 - height, 2 + dc.TextWidth("WW"), 30),
              (std::set<uint32_t>{Black, PixelSurface::FromRgb(255, 0, 0)}));
}

TEST(QtHeadless, SavesASurfaceAsPng) {
    vHeadlessSession session;
    EXPECT_TRUE(session.Ready());
    EXPECT_NE(vTextPlatform::Current(), nullptr) << "text drawing is installed";
    vMemoryDC dc(12, 7);
    dc.UseBrush(vBrush(10, 200, 30, StyleSolid, FillAlternate));
    dc.PaintRectangle(2, 2, 1, 1);
    std::string path = ::testing::TempDir() + "vexlin_surface.png";
    ASSERT_TRUE(vHeadlessSession::SavePng(dc.Pixels(), path.c_str()));
    QImage image(QString::fromStdString(path));
    ASSERT_EQ(image.size(), QSize(12, 7));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(10, 200, 30));
    EXPECT_EQ(image.pixelColor(3, 3), QColor(255, 255, 255));
    std::remove(path.c_str());
    EXPECT_FALSE(vHeadlessSession::SavePng(dc.Pixels(), "/nonexistent-dir/x.png"));
    EXPECT_FALSE(vHeadlessSession::SavePng(PixelSurface(), path.c_str()));
}
