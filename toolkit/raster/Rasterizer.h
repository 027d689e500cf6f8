#pragma once

#include <cstdint>

#include "toolkit/DrawingTypes.h"
#include "toolkit/raster/PixelSurface.h"

// How the outline of a figure is drawn: a colour, a width and an optional dash pattern, or an
// inversion of what is there (exclusive or with white, so drawing twice restores the pixels).
struct RasterPen {
    uint32_t colour = 0xff000000u;
    int width = 1;
    // Bit i of the mask tells whether pixel i of each period is drawn; period 0 draws solid.
    uint32_t dashMask = 0;
    int dashPeriod = 0;
    bool invert = false;

    bool DrawsAt(int64_t position) const {
        if (dashPeriod <= 0) {
            return true;
        }
        int64_t phase = position % dashPeriod;
        return (dashMask >> (phase < 0 ? phase + dashPeriod : phase) & 1u) != 0;
    }
};

// How the inside of a figure is filled: solid, or a hatching (the brush style number) in the
// colour over the background colour.
struct RasterFill {
    uint32_t colour = 0xff000000u;
    uint32_t background = 0xffffffffu;
    int hatch = 0;
};

// A box given by its inclusive pixel bounds, with elliptic corners cornerW by cornerH pixels:
// 0 by 0 is a plain rectangle, the box's own size an ellipse inscribed in it.
struct RasterBox {
    int x0;
    int y0;
    int x1;
    int y1;
    int cornerW;
    int cornerH;
};

// Our own raster code: the pixel rules of the toolkit's drawing calls on a 32-bit surface.
// Everything is clipped to the surface, whatever the coordinates.
class Rasterizer {
public:
    explicit Rasterizer(PixelSurface& surface) : _surface(surface) {}

    void Plot(int x, int y, uint32_t colour) {
        if (_surface.Contains(x, y)) {
            _surface.At(x, y) = colour;
        }
    }
    void Invert(int x, int y) {
        if (_surface.Contains(x, y)) {
            _surface.At(x, y) ^= 0x00ffffffu;
        }
    }

    // From (x0, y0) towards (x1, y1), leaving out the end point; nothing for zero length.
    void Line(int x0, int y0, int x1, int y1, const RasterPen& pen);
    // One dot of the pen's width centred on (x, y).
    void Dot(int x, int y, const RasterPen& pen);
    // Outline with the pen (pen.width wide, inside the box) and fill the rest; either may be
    // null.
    void Box(const RasterBox& box, const RasterPen* pen, const RasterFill* fill);
    // Fill by pixel centres with the even-odd or the winding rule, then outline the closed
    // polygon; either may be null.
    void Polygon(const vPoint* points, int count, bool winding, const RasterPen* pen,
                 const RasterFill* fill);
    // Inclusive bounds.
    void FillRect(int x0, int y0, int x1, int y1, uint32_t colour);

    // The row span of a box at row y; false when the row misses it.
    static bool BoxSpan(const RasterBox& box, int y, int& left, int& right);

private:
    template <class Visit>
    void WalkLine(int x0, int y0, int x1, int y1, int margin, Visit&& visit) const;
    void WideLine(int x0, int y0, int x1, int y1, const RasterPen& pen);
    void FillSpan(int y, int left, int right, const RasterFill& fill);
    void OutlineSpan(int y, int left, int right, const RasterBox& box, const RasterPen& pen);
    void FillCrossings(int y, double left, double right, const RasterFill& fill);

    PixelSurface& _surface;
};
