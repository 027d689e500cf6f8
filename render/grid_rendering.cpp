#include <cmath>

#include "model/KCanvasPane.h"

// The grid beside the canvas's own: lines at the snap spacing, as many times wider as keeps
// them apart on the canvas, under the canvas's own lines at their model positions.

namespace {

const vPen FineGridPen(238, 238, 244, 1, StyleSolid);
const vPen GridPen(220, 220, 230, 1, StyleSolid);
const vPen BlackPen(0, 0, 0, 1, StyleSolid);
// Guides stand apart from the grid's greys and the outline's black.
const vPen GuidePen(0, 150, 220, 1, StyleDash);
// Closer lines would grey the canvas over.
constexpr double MinLineGap = 8;
// The canvas's own lines: the model origin and a quarter of the canvas on each side of it.
constexpr double OwnLines[] = {0, -75, 75};

// Beyond this many steps from the origin, whole numbers of steps are no longer one apart.
constexpr double MaxWholeSteps = 9007199254740992.0;

// The multiples of step between low and high, as whole numbers of steps; none so far out that
// neighbouring multiples cannot be told apart (a view panned to a drawing's far-away points).
template <typename Paint>
void EachMultiple(double low, double high, double step, Paint paint) {
    const double first = std::ceil(low / step);
    const double last = std::floor(high / step);
    if (!(std::fabs(first) < MaxWholeSteps && std::fabs(last) < MaxWholeSteps)) {
        return;
    }
    for (double k = first; k <= last; ++k) {
        paint(k * step);
    }
}

}  // namespace

void KCanvasPane::DrawViewGrid() {
    const int right = TruncatePixel(2 * originX);
    const int bottom = TruncatePixel(2 * originY);
    const double sx = ViewScaleX();
    const double sy = ViewScaleY();
    double step = options.gridSpacing * ModelUnitsPerFileUnit;
    while (std::isfinite(step) && step > 0 && (step * sx < MinLineGap || step * sy < MinLineGap)) {
        step *= 2;
    }
    if (sx > 0 && sy > 0 && std::isfinite(step) && step > 0) {
        UsePen(FineGridPen);
        EachMultiple(ModelX(0) - step, ModelX(right) + step, step, [&](double x) {
            const int px = PixelX(x);
            PaintLine(px, 0, px, bottom);
        });
        EachMultiple(ModelY(0) - step, ModelY(bottom) + step, step, [&](double y) {
            const int py = PixelY(y);
            PaintLine(0, py, right, py);
        });
    }
    UsePen(GridPen);
    for (double x : OwnLines) {
        PaintLine(PixelX(x), 0, PixelX(x), bottom);
    }
    for (double y : OwnLines) {
        PaintLine(0, PixelY(y), right, PixelY(y));
    }
    PaintText(PixelX(0) - 20, PixelY(0) + 16, "(0,0)");
    UsePen(BlackPen);
}

void KCanvasPane::DrawGuides() {
    if (guides.Empty()) {
        return;
    }
    const int right = TruncatePixel(2 * originX);
    const int bottom = TruncatePixel(2 * originY);
    UsePen(GuidePen);
    for (const double y : guides.horizontal) {
        const int py = PixelY(-y * ModelUnitsPerFileUnit);
        PaintLine(0, py, right, py);
    }
    for (const double x : guides.vertical) {
        const int px = PixelX(x * ModelUnitsPerFileUnit);
        PaintLine(px, 0, px, bottom);
    }
    UsePen(BlackPen);
}
