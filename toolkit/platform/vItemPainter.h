#pragma once

#include "toolkit/vIcon.h"

// The shades owner-drawn controls and pane edges are painted with: the application's shared
// face brush and shadow, highlight, white and grey pens.
enum vShade {
    ShadeFace,
    ShadeShadow,
    ShadeHighlight,
    ShadeWhite,
    ShadeGrey,
};

// What the platform hands the toolkit to paint an owner-drawn control or a pane's edges, in
// pixels of that control or pane.
class vItemPainter {
public:
    virtual ~vItemPainter() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // The platform's thin border width in pixels.
    virtual int BorderHeight() const { return 1; }
    virtual void FillRect(int x, int y, int width, int height, vShade shade) = 0;
    // A line from (x, y) to (x2, y2), the end point left out.
    virtual void Line(int x, int y, int x2, int y2, vShade shade) = 0;
    // One line of text centred in the rectangle, on a transparent background.
    virtual void CentredText(int x, int y, int width, int height, const char* text) = 0;
    virtual void Icon(int x, int y, const vIcon& icon) = 0;
};
