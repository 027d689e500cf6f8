#include "toolkit/SunkenEdge.h"

#include "toolkit/platform/vItemPainter.h"

void PaintFaceAndEdge(vItemPainter& painter, bool flat) {
    const int w = painter.Width();
    const int h = painter.Height();
    painter.FillRect(0, 0, w, h, ShadeFace);
    if (flat || w < 3 || h < 3) {
        return;
    }
    painter.Line(1, h - 2, 1, 1, ShadeShadow);
    painter.Line(1, 1, w - 2, 1, ShadeShadow);
    painter.Line(w - 2, 1, w - 2, h - 2, ShadeHighlight);
    painter.Line(w - 2, h - 2, 0, h - 2, ShadeHighlight);
}
