#include "toolkit/vWinDC.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "toolkit/platform/vTextPlatform.h"
#include "toolkit/raster/StandardColors.h"

namespace {

// Far edges are worked out in 64 bits and boxes kept well inside the int range, so that no
// coordinate a caller passes can overflow the raster arithmetic.
constexpr int64_t BoxLimit = int64_t(1) << 28;

// Wider pens are drawn this wide: a width from a careless caller must not cost a stamp of
// millions of pixels per step.
constexpr int MaxPenWidth = 256;

int Saturated(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

int BoxCoordinate(int value) {
    return static_cast<int>(std::clamp<int64_t>(value, -BoxLimit, BoxLimit));
}

uint32_t SurfaceColour(const vColor& colour) {
    return PixelSurface::FromRgb(colour.Red(), colour.Green(), colour.Blue());
}

uint32_t FromPacked(uint32_t packed) {
    return PixelSurface::FromRgb(packed & 0xff, packed >> 8 & 0xff, packed >> 16 & 0xff);
}

// Dash patterns as drawn by one-pixel pens: 18 on 6 off, 3 on 3 off, 9 on 6 off 3 on 6 off.
void SetDashes(RasterPen& pen, int style) {
    switch (style) {
        case StyleDash:
            pen.dashMask = (1u << 18) - 1;
            pen.dashPeriod = 24;
            break;
        case StyleDot:
            pen.dashMask = 0x7u;
            pen.dashPeriod = 6;
            break;
        case StyleDashDot:
            pen.dashMask = ((1u << 9) - 1) | 0x7u << 15;
            pen.dashPeriod = 24;
            break;
        default:
            pen.dashMask = 0;
            pen.dashPeriod = 0;
            break;
    }
}

}  // namespace

class vWinDC::DrawScope {
public:
    explicit DrawScope(vWinDC& dc) : _dc(dc) { _dc.AcquireDC(); }
    ~DrawScope() { _dc.ReleaseDCHandle(); }
    DrawScope(const DrawScope&) = delete;
    DrawScope& operator=(const DrawScope&) = delete;

private:
    vWinDC& _dc;
};

vWinDC::vWinDC(PixelSurface* surface) : _surface(surface) {
    RealisePen();
}

void vWinDC::UsePen(const vPen& pen) {
    vDC::UsePen(pen);
    RealisePen();
}

void vWinDC::RealisePen() {
    _rasterPen.colour = SurfaceColour(_pen.Color());
    _rasterPen.width = std::min(_pen.EffectiveWidth(), MaxPenWidth);
    SetDashes(_rasterPen, _pen.Style());
    _pen.MarkCached();
}

RasterFill vWinDC::CurrentFill() const {
    RasterFill fill;
    fill.colour = SurfaceColour(_brush.Color());
    fill.background = SurfaceColour(_background);
    fill.hatch = _brush.IsHatched() ? _brush.Style() : 0;
    return fill;
}

const RasterPen* vWinDC::OutlinePen(bool invert, RasterPen& inverted) const {
    if (_pen.DrawsNothing()) {
        return nullptr;
    }
    if (!invert) {
        return &_rasterPen;
    }
    inverted = _rasterPen;
    inverted.invert = true;
    return &inverted;
}

// A rectangle covers its far edge, an ellipse stops one pixel short of it. The far edge is
// converted to device pixels, not the size, so scaled figures meet their neighbours.
RasterBox vWinDC::DeviceBox(int x, int y, int width, int height, bool ellipse) const {
    int left = DeviceX(x);
    int right = DeviceX(Saturated(int64_t(x) + width));
    int top = DeviceY(y);
    int bottom = DeviceY(Saturated(int64_t(y) + height));
    RasterBox box{BoxCoordinate(std::min(left, right)),
                  BoxCoordinate(std::min(top, bottom)),
                  BoxCoordinate(std::max(left, right)),
                  BoxCoordinate(std::max(top, bottom)),
                  0,
                  0};
    if (ellipse) {
        box.x1 -= 1;
        box.y1 -= 1;
        box.cornerW = box.x1 - box.x0 + 1;
        box.cornerH = box.y1 - box.y0 + 1;
    }
    return box;
}

void vWinDC::EraseCanvas() {
    DrawScope scope(*this);
    if (_surface) {
        Rasterizer(*_surface).FillRect(0, 0, _surface->Width() - 1, _surface->Height() - 1,
                                       SurfaceColour(_background));
    }
}

void vWinDC::EraseRect(int x, int y, int width, int height) {
    DrawScope scope(*this);
    if (_surface && width > 0 && height > 0) {
        Rasterizer(*_surface).FillRect(x, y, Saturated(int64_t(x) + width - 1),
                                       Saturated(int64_t(y) + height - 1),
                                       SurfaceColour(_background));
    }
}

void vWinDC::BlitFrom(vDC* source, int destX, int destY, int srcX, int srcY, int width,
                      int height) {
    DrawScope scope(*this);
    auto* from = dynamic_cast<vWinDC*>(source);
    if (!_surface || !from || !from->_surface) {
        return;
    }
    const PixelSurface& src = *from->_surface;
    int64_t sx = std::max(srcX, 0);
    int64_t sy = std::max(srcY, 0);
    int64_t w = width > 0 ? width : src.Width();
    int64_t h = height > 0 ? height : src.Height();
    int64_t dx = DeviceX(destX);
    int64_t dy = DeviceY(destY);
    // Cut off what lies left of or above the destination, then what overhangs either surface.
    int64_t skipX = std::max<int64_t>(0, -dx);
    int64_t skipY = std::max<int64_t>(0, -dy);
    sx += skipX;
    dx += skipX;
    w -= skipX;
    sy += skipY;
    dy += skipY;
    h -= skipY;
    w = std::min({w, src.Width() - sx, _surface->Width() - dx});
    h = std::min({h, src.Height() - sy, _surface->Height() - dy});
    if (w <= 0 || h <= 0) {
        return;
    }
    if (&src != _surface) {
        for (int64_t row = 0; row < h; ++row) {
            const uint32_t* from_row = src.Data() + (sy + row) * src.Width() + sx;
            std::copy(from_row, from_row + w,
                      _surface->Data() + (dy + row) * _surface->Width() + dx);
        }
        return;
    }
    // Copying within one surface may overlap: take the block first.
    std::vector<uint32_t> block(size_t(w * h));
    for (int64_t row = 0; row < h; ++row) {
        const uint32_t* from_row = src.Data() + (sy + row) * src.Width() + sx;
        std::copy(from_row, from_row + w, block.begin() + row * w);
    }
    for (int64_t row = 0; row < h; ++row) {
        uint32_t* to_row = _surface->Data() + (dy + row) * _surface->Width() + dx;
        std::copy(block.begin() + row * w, block.begin() + (row + 1) * w, to_row);
    }
}

void vWinDC::DrawTextAt(int x, int y, const char* text, uint32_t colour, uint32_t background,
                        bool opaque) {
    vTextPlatform* platform = vTextPlatform::Current();
    if (!_surface || !platform || !text || !*text) {
        return;
    }
    int ascent = 0;
    int descent = 0;
    int height = TextHeight(ascent, descent);
    platform->DrawText(*_surface, DeviceX(x), Saturated(int64_t(DeviceY(y)) - height), text, _font,
                       colour, opaque, background);
}

void vWinDC::PaintText(int x, int y, const char* text) {
    DrawScope scope(*this);
    uint32_t colour = _font.Color() != 0 ? FromPacked(_font.Color()) : _rasterPen.colour;
    DrawTextAt(x, y, text, colour, SurfaceColour(_background), !_pen.DrawsNothing());
}

void vWinDC::PaintStyledText(int x, int y, const char* text, int attributes) {
    DrawScope scope(*this);
    uint32_t colour = _font.Color() != 0 ? FromPacked(_font.Color()) : _rasterPen.colour;
    uint32_t background = SurfaceColour(_background);
    bool opaque = !_pen.DrawsNothing();
    if (attributes & TextColours) {
        colour = SurfaceColour(StandardColors[attributes & 0x0f].color);
        background = SurfaceColour(StandardColors[attributes >> 4 & 0x07].color);
        opaque = true;
    } else if (attributes & TextHighlight) {
        colour = SurfaceColour(StandardColors[StandardColorCount - 1].color);
        background = SurfaceColour(StandardColors[5].color);
        opaque = true;
    } else if (attributes & TextReverse) {
        std::swap(colour, background);
        opaque = true;
    }
    DrawTextAt(x, y, text, colour, background, opaque);
}

int vWinDC::TextHeight(int& ascent, int& descent) {
    vTextPlatform* platform = vTextPlatform::Current();
    if (platform && platform->FontMetrics(_font, ascent, descent)) {
        return ascent + descent;
    }
    return vDC::TextHeight(ascent, descent);
}

int vWinDC::TextWidth(const char* text) {
    vTextPlatform* platform = vTextPlatform::Current();
    if (platform && text) {
        return platform->TextWidth(text, _font);
    }
    return vDC::TextWidth(text);
}

// Outline with the pen and fill with the brush; an inverted figure is outlined only.
void vWinDC::DrawBox(const RasterBox& box, bool invert) {
    RasterPen inverted;
    const RasterPen* pen = OutlinePen(invert, inverted);
    RasterFill fill = CurrentFill();
    const RasterFill* inside = invert || _brush.IsHollow() ? nullptr : &fill;
    if (pen || inside) {
        Rasterizer(*_surface).Box(box, pen, inside);
    }
}

void vWinDC::DrawEllipse(int x, int y, int width, int height, bool invert) {
    if (!_surface || width == 0 || height == 0) {
        return;
    }
    DrawBox(DeviceBox(x, y, width, height, true), invert);
}

void vWinDC::PaintEllipse(int x, int y, int width, int height) {
    DrawScope scope(*this);
    DrawEllipse(x, y, width, height, false);
}

void vWinDC::XorEllipse(int x, int y, int width, int height) {
    DrawScope scope(*this);
    DrawEllipse(x, y, width, height, true);
}

// Rows top to bottom: 1-bit rows packed from the high bit and padded to whole bytes, 8-bit
// indices into the icon's palette of packed colours, 24-bit red, green, blue.
void vWinDC::PaintIcon(int x, int y, const vIcon& icon) {
    DrawScope scope(*this);
    const int depth = icon.depth;
    if (!_surface || !icon.pixels || icon.width <= 0 || icon.height <= 0 ||
        (depth != 1 && depth != 8 && depth != 24) || (depth == 8 && !icon.palette)) {
        return;
    }
    const size_t rowBytes =
        depth == 1 ? (size_t(icon.width) + 7) / 8 : size_t(icon.width) * depth / 8;
    auto value = [&](int column, int row) -> uint32_t {
        const unsigned char* p = icon.pixels + size_t(row) * rowBytes;
        if (depth == 1) {
            return p[column >> 3] >> (7 - (column & 7)) & 1u;
        }
        if (depth == 8) {
            return p[column];
        }
        p += size_t(column) * 3;
        return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    };
    const uint32_t ink = SurfaceColour(_brush.Color());
    const uint32_t paper = SurfaceColour(_background);
    const uint32_t clear = value(0, icon.height - 1);
    Rasterizer raster(*_surface);
    const int left = DeviceX(x);
    const int top = DeviceY(y);
    for (int row = 0; row < icon.height; ++row) {
        for (int column = 0; column < icon.width; ++column) {
            uint32_t v = value(column, row);
            if (icon.transparent && v == clear) {
                continue;
            }
            uint32_t colour = depth == 1   ? (v ? ink : paper)
                              : depth == 8 ? FromPacked(icon.palette[v])
                                           : 0xff000000u | v;
            raster.Plot(Saturated(int64_t(left) + column), Saturated(int64_t(top) + row), colour);
        }
    }
}

void vWinDC::PaintLine(int x, int y, int x2, int y2) {
    DrawScope scope(*this);
    if (_surface && !_pen.DrawsNothing()) {
        Rasterizer(*_surface).Line(DeviceX(x), DeviceY(y), DeviceX(x2), DeviceY(y2), _rasterPen);
    }
}

void vWinDC::XorLine(int x, int y, int x2, int y2) {
    DrawScope scope(*this);
    RasterPen inverted;
    const RasterPen* pen = OutlinePen(true, inverted);
    if (_surface && pen) {
        Rasterizer(*_surface).Line(DeviceX(x), DeviceY(y), DeviceX(x2), DeviceY(y2), *pen);
    }
}

void vWinDC::PaintSegments(const vLine* segments, int count) {
    DrawScope scope(*this);
    if (!_surface || !segments || _pen.DrawsNothing()) {
        return;
    }
    Rasterizer raster(*_surface);
    for (int i = 0; i < count; ++i) {
        const vLine& s = segments[i];
        raster.Line(DeviceX(s.x), DeviceY(s.y), DeviceX(s.x2), DeviceY(s.y2), _rasterPen);
    }
}

void vWinDC::PaintPolyline(const vPoint* points, int count) {
    DrawScope scope(*this);
    if (!_surface || !points || count < 2 || _pen.DrawsNothing()) {
        return;
    }
    Rasterizer raster(*_surface);
    for (int i = 1; i < count; ++i) {
        raster.Line(DeviceX(points[i - 1].x), DeviceY(points[i - 1].y), DeviceX(points[i].x),
                    DeviceY(points[i].y), _rasterPen);
    }
}

// Colours are packed platform colours; pixels left of the surface are skipped.
void vWinDC::PaintPixelRow(int x, int y, int count, const uint32_t* colours) {
    DrawScope scope(*this);
    const int top = DeviceY(y);
    if (!_surface || !colours || count <= 0 || top < 0 || top >= _surface->Height()) {
        return;
    }
    const int64_t left = DeviceX(x);
    const int64_t first = std::max<int64_t>(0, -left);
    const int64_t last = std::min<int64_t>(count, _surface->Width() - left);
    for (int64_t i = first; i < last; ++i) {
        _surface->At(static_cast<int>(left + i), top) = FromPacked(colours[i]);
    }
}

void vWinDC::DrawPoint(int x, int y, const RasterPen& pen) {
    Rasterizer(*_surface).Dot(DeviceX(x), DeviceY(y), pen);
}

// The curve previews make about a hundred thousand of these calls per repaint: one pixel, no
// allocation, the pen realised once when it was chosen.
void vWinDC::PaintPoint(int x, int y) {
    DrawScope scope(*this);
    if (!_surface || _pen.DrawsNothing()) {
        return;
    }
    if (_rasterPen.width > 1) {
        DrawPoint(x, y, _rasterPen);
        return;
    }
    const int dx = DeviceX(x);
    const int dy = DeviceY(y);
    if (_surface->Contains(dx, dy)) {
        _surface->At(dx, dy) = _rasterPen.colour;
    }
}

void vWinDC::PaintPoints(const vPoint* points, int count) {
    DrawScope scope(*this);
    if (!_surface || !points || _pen.DrawsNothing()) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        DrawPoint(points[i].x, points[i].y, _rasterPen);
    }
}

void vWinDC::XorPoint(int x, int y) {
    DrawScope scope(*this);
    RasterPen inverted;
    const RasterPen* pen = OutlinePen(true, inverted);
    if (_surface && pen) {
        DrawPoint(x, y, *pen);
    }
}

// The last of the count points is left out: callers pass their outline closed, its first
// point repeated at the end.
void vWinDC::PaintPolygon(int count, const vPoint* points, int fillRule) {
    DrawScope scope(*this);
    if (!_surface || !points || count - 1 < 2) {
        return;
    }
    std::vector<vPoint> device(size_t(count - 1));
    for (int i = 0; i < count - 1; ++i) {
        device[i] = vPoint{DeviceX(points[i].x), DeviceY(points[i].y)};
    }
    RasterFill fill = CurrentFill();
    RasterPen unused;
    Rasterizer(*_surface).Polygon(device.data(), count - 1, fillRule != FillAlternate,
                                  OutlinePen(false, unused), _brush.IsHollow() ? nullptr : &fill);
}

void vWinDC::PaintRoundedRect(int x, int y, int width, int height, int radius) {
    DrawScope scope(*this);
    if (!_surface || width == 0 || height == 0) {
        return;
    }
    RasterBox box = DeviceBox(x, y, width, height, false);
    int64_t corner = radius >= 0
                         ? ScaleValue(radius)
                         : ScaleValue(Saturated(int64_t(width) + height)) / (-2 * int64_t(radius));
    box.cornerW = box.cornerH = static_cast<int>(std::clamp<int64_t>(corner, 0, BoxLimit));
    DrawBox(box, false);
}

// A 1 x 1 rectangle is a single pixel in the brush colour (or inverted); any other covers
// width + 1 by height + 1 pixels.
void vWinDC::DrawRectangle(int x, int y, int width, int height, bool invert) {
    if (!_surface || width == 0 || height == 0) {
        return;
    }
    if (width == 1 && height == 1) {
        Rasterizer raster(*_surface);
        if (invert) {
            raster.Invert(DeviceX(x), DeviceY(y));
        } else {
            raster.Plot(DeviceX(x), DeviceY(y), SurfaceColour(_brush.Color()));
        }
        return;
    }
    DrawBox(DeviceBox(x, y, width, height, false), invert);
}

void vWinDC::PaintRectangle(int x, int y, int width, int height) {
    DrawScope scope(*this);
    DrawRectangle(x, y, width, height, false);
}

void vWinDC::PaintRectangles(const vRect* rectangles, int count) {
    DrawScope scope(*this);
    if (!rectangles) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        DrawRectangle(rectangles[i].x, rectangles[i].y, rectangles[i].w, rectangles[i].h, false);
    }
}

void vWinDC::XorRectangle(int x, int y, int width, int height) {
    DrawScope scope(*this);
    DrawRectangle(x, y, width, height, true);
}
