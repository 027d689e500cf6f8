#include <gtest/gtest.h>

#include "toolkit/raster/StandardColors.h"
#include "toolkit/vBrush.h"
#include "toolkit/vColor.h"
#include "toolkit/vFont.h"
#include "toolkit/vPen.h"

TEST(ValueClasses, ColorKeepsPackedFormInStep) {
    vColor c(1, 2, 3);
    EXPECT_EQ(c.Packed(), 0x030201u);
    c.SetGreen(0xff);
    EXPECT_EQ(c.Packed(), 0x03ff01u);
    EXPECT_EQ(c, vColor(1, 255, 3));
    EXPECT_NE(c, vColor(1, 255, 4));
}

TEST(ValueClasses, StandardColorsRunFromBlackToWhite) {
    EXPECT_STREQ(StandardColors[0].name, "Black");
    EXPECT_EQ(StandardColors[7].color, vColor(255, 255, 0));
    EXPECT_STREQ(StandardColors[13].name, "Dark Gray");
    EXPECT_EQ(StandardColors[15].color, vColor(255, 255, 255));
}

TEST(ValueClasses, PenDropsItsCacheOnlyWhenSomethingChanges) {
    vPen pen(10, 20, 30, 3, StyleSolid);
    pen.MarkCached();
    pen.SetColor(10, 20, 30);
    EXPECT_TRUE(pen.CacheValid()) << "same colour keeps the cached pen";
    pen.SetColor(10, 20, 31);
    EXPECT_FALSE(pen.CacheValid());
    pen.MarkCached();
    pen.SetStyle(StyleDot);
    EXPECT_FALSE(pen.CacheValid());
    EXPECT_EQ(pen.EffectiveWidth(), 1) << "dotted pens are one pixel wide";
}

TEST(ValueClasses, BrushAndFontDropTheirCaches) {
    vBrush brush(0, 0, 0);
    brush.MarkCached();
    brush.SetStyle(StyleTransparent);
    EXPECT_FALSE(brush.CacheValid());
    EXPECT_TRUE(brush.IsHollow());

    vFont font;
    int marker = 0;
    font.SetCachedHandle(&marker);
    vFont copy;
    copy = font;
    EXPECT_EQ(copy.CachedHandle(), nullptr);
    font.SetFont(FontSans, 12, FontItalic, FontWeightBold);
    EXPECT_EQ(font.CachedHandle(), nullptr);
    EXPECT_EQ(font.PlatformWeight(), 700);
}
