#pragma once

#include <cstdint>

#include "toolkit/DrawingTypes.h"
#include "toolkit/vBrush.h"
#include "toolkit/vFont.h"
#include "toolkit/vIcon.h"
#include "toolkit/vPen.h"

// A drawing context: the current pen, brush, font, background and integer scale, and the drawing
// calls. Every drawing call is abstract; the state calls are shared by all contexts.
class vDC {
public:
    vDC() = default;
    vDC(const vDC&) = delete;
    vDC& operator=(const vDC&) = delete;
    virtual ~vDC() = default;

    virtual void EraseCanvas() = 0;
    virtual void EraseRect(int x, int y, int width, int height) = 0;
    virtual void BlitFrom(vDC* source, int destX, int destY, int srcX, int srcY, int width,
                          int height) = 0;
    virtual void PaintStyledText(int x, int y, const char* text, int attributes) = 0;
    virtual void PaintText(int x, int y, const char* text) = 0;
    virtual void PaintEllipse(int x, int y, int width, int height) = 0;
    virtual void PaintIcon(int x, int y, const vIcon& icon) = 0;
    virtual void PaintLine(int x, int y, int x2, int y2) = 0;
    virtual void PaintSegments(const vLine* segments, int count) = 0;
    virtual void PaintPolyline(const vPoint* points, int count) = 0;
    virtual void PaintPixelRow(int x, int y, int count, const uint32_t* colours) = 0;
    virtual void PaintPoint(int x, int y) = 0;
    virtual void PaintPoints(const vPoint* points, int count) = 0;
    virtual void PaintPolygon(int count, const vPoint* points, int fillRule) = 0;
    virtual void PaintRoundedRect(int x, int y, int width, int height, int radius) = 0;
    virtual void PaintRectangle(int x, int y, int width, int height) = 0;
    virtual void PaintRectangles(const vRect* rectangles, int count) = 0;
    virtual void XorLine(int x, int y, int x2, int y2) = 0;
    virtual void XorEllipse(int x, int y, int width, int height) = 0;
    virtual void XorPoint(int x, int y) = 0;
    virtual void XorRectangle(int x, int y, int width, int height) = 0;

    // Page hooks of printing contexts; a screen context leaves them empty.
    virtual int BeginPage() { return 0; }
    virtual void EndPage() {}
    virtual void BeginPrinting() {}
    virtual void EndPrinting() {}

    virtual int SurfaceHeight() const { return 0; }
    virtual int SurfaceWidth() const { return 0; }
    virtual void SetBackground(const vColor& colour) { _background = colour; }
    virtual void SetDrawScale(int multiplier, int divisor);
    virtual void GetDrawScale(int& multiplier, int& divisor) const;
    virtual void UseFont(const vFont& font) { _font = font; }
    virtual vFont CurrentFont() const { return _font; }
    virtual void UsePen(const vPen& pen) { _pen = pen; }
    virtual vPen CurrentPen() const { return _pen; }
    virtual void UseBrush(const vBrush& brush) { _brush = brush; }
    virtual vBrush CurrentBrush() const { return _brush; }
    virtual int TextHeight(int& ascent, int& descent);
    virtual int TextWidth(const char* text);
    virtual int ScaleValue(int value) const;
    virtual void FlushDrawing() {}
    virtual void AcquireDC() {}
    virtual void BeginPaintCycle() {}
    virtual void EndPaintCycle() {}
    virtual void ReleaseDCHandle() {}

    const vColor& Background() const { return _background; }
    int TranslateX() const { return _translateX; }
    int TranslateY() const { return _translateY; }

protected:
    // Canvas coordinate to device coordinate: translation first, then the integer scale.
    int ToDevice(int value, int translation) const { return ScaleValue(value + translation); }

    int _multiplier = 1;
    int _divisor = 1;
    bool _scaling = false;
    int _translateX = 0;
    int _translateY = 0;
    vBrush _brush{0, 0, 0, StyleSolid, FillAlternate};
    vFont _font;
    vPen _pen{0, 0, 0, 1, StyleSolid};
    vColor _background{255, 255, 255};
};
