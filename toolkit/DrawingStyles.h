#pragma once

// Style numbers shared by pens, brushes and fonts; the values are part of the toolkit's interface.
enum vDrawStyle {
    StyleSolid = 1,
    StyleTransparent = 2,
    StyleHorizontalHatch = 3,
    StyleVerticalHatch = 4,
    StyleForwardDiagonal = 5,
    StyleBackwardDiagonal = 6,
    StyleCrossHatch = 7,
    StyleDiagonalCross = 8,
    StyleDash = 9,
    StyleDot = 10,
    StyleDashDot = 11,
};

enum vFillRule {
    FillAlternate = 12,
    FillWinding = 13,
};

enum vFontFamily {
    FontFixed = 0,
    FontDefault = 1,
    FontSystem = 2,
    FontSerif = 3,
    FontSans = 4,
    FontMono = 5,
    FontSymbol = 6,
    FontLogical = 7,
};

enum vFontStyle {
    FontNormalStyle = 0,
    FontItalic = 10,
};

enum vFontWeight {
    FontWeightNormal = 8,
    FontWeightBold = 9,
};
