#pragma once

#include <string>
#include <vector>

#include "toolkit/vDC.h"

// A drawing context that draws nothing and keeps every call with its arguments as a line of
// text, for example "PaintLine(1,2,3,4)", "UsePen(220,220,230,1,1)" (red, green, blue, width,
// style), "UseBrush(0,0,0,1)" (red, green, blue, style) or "PaintText(130,166,(0,0))".
class RecordingDC : public vDC {
public:
    std::vector<std::string> calls;

    void Clear() { calls.clear(); }
    // Number of calls whose text starts with the prefix ("PaintPoint(" counts dots).
    int Count(const std::string& prefix) const;
    // The calls whose text starts with the prefix, in order.
    std::vector<std::string> Matching(const std::string& prefix) const;

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
    void UsePen(const vPen& pen) override;
    void UseBrush(const vBrush& brush) override;
    void UseFont(const vFont& font) override;
    void SetBackground(const vColor& colour) override;

private:
    void Record(const char* name, std::initializer_list<int> values, const char* text = nullptr);
};
