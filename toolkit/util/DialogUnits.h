#pragma once

#include <cmath>

// Dialog units become pixels here and nowhere else, with the fixed base units of the 8-point
// dialog font: 4 horizontal units are 6 pixels, 8 vertical units are 13 pixels.
inline int DialogUnitsToPixelsX(int du) {
    return static_cast<int>(std::lround(du * 6.0 / 4.0));
}

inline int DialogUnitsToPixelsY(int du) {
    return static_cast<int>(std::lround(du * 13.0 / 8.0));
}

struct PixelRect {
    int x;
    int y;
    int width;
    int height;
};

// Both edges are converted, so controls that touch in dialog units touch in pixels too.
inline PixelRect DialogRectToPixels(int x, int y, int cx, int cy) {
    const int left = DialogUnitsToPixelsX(x);
    const int top = DialogUnitsToPixelsY(y);
    return {left, top, DialogUnitsToPixelsX(x + cx) - left, DialogUnitsToPixelsY(y + cy) - top};
}
