#include <algorithm>
#include <cstdlib>

#include "model/KCanvasPane.h"
#include "model/NodeHandles.h"

// Select mode's marks over the outline: each handle as a line from its node, the chosen points
// and handles as filled squares of a colour of their own, and the band being drawn. They are
// sizes in pixels, so they show alike at every zoom.

namespace {

const vPen HandlePen(70, 90, 200, 1, StyleSolid);
constexpr unsigned int SelectedRed = 220;
constexpr unsigned int SelectedGreen = 20;
constexpr unsigned int SelectedBlue = 60;
constexpr int HandleMarkHalf = 2;
constexpr int SelectedMarkHalf = 3;

}  // namespace

void KCanvasPane::DrawSelectOverlay() {
    const vPen penBefore = _cpDC != nullptr ? _cpDC->CurrentPen() : vPen(0, 0, 0, 1, StyleSolid);
    const vBrush brushBefore = CurrentBrush();
    if (HandlesInSelect()) {
        DrawSelectHandles();
    }
    DrawSelectedItems();
    if (_select.drag == SelectDrag::Band &&
        (_select.fromX != _select.toX || _select.fromY != _select.toY)) {
        XorRectangle(std::min(_select.fromX, _select.toX), std::min(_select.fromY, _select.toY),
                     std::abs(_select.toX - _select.fromX), std::abs(_select.toY - _select.fromY));
    }
    UsePen(penBefore);
    UseBrush(brushBefore);
}

void KCanvasPane::DrawSelectHandles() {
    UsePen(HandlePen);
    UseBrush(vBrush(0, 0, 0, StyleTransparent, FillAlternate));
    const int count = std::clamp(pointCount, 0, MaxPoints);
    for (int node = 0; node < count; ++node) {
        const NodeHandles handles = HandlesOf(drawing, node);
        const int nodeX = PixelX(points[node].x);
        const int nodeY = PixelY(points[node].y);
        for (const auto& handle : {handles.leaving, handles.arriving}) {
            if (!handle) {
                continue;
            }
            const Point2& at = ValueOf(drawing, *handle);
            const int x = PixelX(at.x);
            const int y = PixelY(at.y);
            PaintLine(nodeX, nodeY, x, y);
            PaintRectangle(x - HandleMarkHalf, y - HandleMarkHalf, 2 * HandleMarkHalf,
                           2 * HandleMarkHalf);
        }
    }
}

void KCanvasPane::DrawSelectedItems() {
    UsePen(vPen(SelectedRed, SelectedGreen, SelectedBlue, 1, StyleSolid));
    UseBrush(vBrush(SelectedRed, SelectedGreen, SelectedBlue, StyleSolid, FillAlternate));
    for (const SelectedItem& item : selection.Items()) {
        if (item.index < 0 || item.index >= pointCount) {
            continue;
        }
        const Point2& at = ValueOf(drawing, item);
        PaintRectangle(PixelX(at.x) - SelectedMarkHalf, PixelY(at.y) - SelectedMarkHalf,
                       2 * SelectedMarkHalf, 2 * SelectedMarkHalf);
    }
}
