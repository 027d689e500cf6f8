#pragma once

#include <cstdint>

#include "toolkit/raster/PixelSurface.h"
#include "toolkit/raster/Rasterizer.h"
#include "toolkit/vDC.h"

// Bits of the attribute of PaintStyledText. With none set the text is drawn as PaintText draws
// it; TextColours takes the text colour from the low four bits and the background from the
// next three, as indices into StandardColors.
enum vTextAttribute {
    TextReverse = 0x01,
    TextHighlight = 0x02,
    TextColours = 0x80,
};

// A drawing context over a pixel surface that it does not own: every figure is rasterised by
// our own code, text is drawn by the installed text platform. Each drawing call brackets its
// work with AcquireDC and ReleaseDCHandle, which a window's context uses to show the result.
class vWinDC : public vDC {
public:
    explicit vWinDC(PixelSurface* surface = nullptr);

    void SetSurface(PixelSurface* surface) { _surface = surface; }
    PixelSurface* Surface() const { return _surface; }

    void EraseCanvas() override;
    void EraseRect(int x, int y, int width, int height) override;
    void BlitFrom(vDC* source, int destX, int destY, int srcX, int srcY, int width,
                  int height) override;
    void PaintStyledText(int x, int y, const char* text, int attributes) override;
    void PaintText(int x, int y, const char* text) override;
    void PaintEllipse(int x, int y, int width, int height) override;
    void PaintIcon(int x, int y, const vIcon& icon) override;
    void PaintLine(int x, int y, int x2, int y2) override;
    void PaintSegments(const vLine* segments, int count) override;
    void PaintPolyline(const vPoint* points, int count) override;
    void PaintPixelRow(int x, int y, int count, const uint32_t* colours) override;
    void PaintPoint(int x, int y) override;
    void PaintPoints(const vPoint* points, int count) override;
    void PaintPolygon(int count, const vPoint* points, int fillRule) override;
    void PaintRoundedRect(int x, int y, int width, int height, int radius) override;
    void PaintRectangle(int x, int y, int width, int height) override;
    void PaintRectangles(const vRect* rectangles, int count) override;
    void XorLine(int x, int y, int x2, int y2) override;
    void XorEllipse(int x, int y, int width, int height) override;
    void XorPoint(int x, int y) override;
    void XorRectangle(int x, int y, int width, int height) override;

    int SurfaceHeight() const override { return _surface ? _surface->Height() : 0; }
    int SurfaceWidth() const override { return _surface ? _surface->Width() : 0; }
    void UsePen(const vPen& pen) override;
    int TextHeight(int& ascent, int& descent) override;
    int TextWidth(const char* text) override;

private:
    class DrawScope;

    // Without scaling the conversion is the translation alone; the curve previews convert
    // a few hundred thousand coordinates per repaint.
    int DeviceX(int x) const { return _scaling ? ToDevice(x, _translateX) : x + _translateX; }
    int DeviceY(int y) const { return _scaling ? ToDevice(y, _translateY) : y + _translateY; }
    void RealisePen();
    RasterFill CurrentFill() const;
    // The pen for outlines, or null when the pen draws nothing.
    const RasterPen* OutlinePen(bool invert, RasterPen& inverted) const;
    RasterBox DeviceBox(int x, int y, int width, int height, bool ellipse) const;
    void DrawPoint(int x, int y, const RasterPen& pen);
    void DrawRectangle(int x, int y, int width, int height, bool invert);
    void DrawEllipse(int x, int y, int width, int height, bool invert);
    void DrawBox(const RasterBox& box, bool invert);
    void DrawTextAt(int x, int y, const char* text, uint32_t colour, uint32_t background,
                    bool opaque);

    PixelSurface* _surface;
    RasterPen _rasterPen;
};
