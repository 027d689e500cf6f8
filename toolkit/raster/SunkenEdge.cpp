#include "toolkit/raster/SunkenEdge.h"

#include "toolkit/platform/vItemPainter.h"

namespace {

// The four sides of the rectangle inset by `inset`: `topLeft` along the left and top,
// `bottomRight` along the right and bottom.
void PaintEdge(vItemPainter& painter, int inset, vShade topLeft, vShade bottomRight) {
    const int right = painter.Width() - 1 - inset;
    const int bottom = painter.Height() - 1 - inset;
    painter.Line(inset, bottom, inset, inset, topLeft);
    painter.Line(inset, inset, right, inset, topLeft);
    painter.Line(right, inset, right, bottom, bottomRight);
    painter.Line(right, bottom, inset - 1, bottom, bottomRight);
}

}  // namespace

void PaintFaceAndEdge(vItemPainter& painter, EdgeStyle edge) {
    const int w = painter.Width();
    const int h = painter.Height();
    painter.FillRect(0, 0, w, h, ShadeFace);
    if (edge == EdgeFlat || w < 3 || h < 3) {
        return;
    }
    PaintEdge(painter, 1, ShadeShadow, ShadeHighlight);
    if (edge == EdgeEtched && w >= 5 && h >= 5) {
        PaintEdge(painter, 2, ShadeHighlight, ShadeShadow);
    }
}
