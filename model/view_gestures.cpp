#include <algorithm>
#include <cmath>

#include "model/KCanvasPane.h"

// What the view and the snap option change in the gestures: how a press picks and where a
// position lands. In the default view with snap off none of this runs: the gestures keep the
// canvas's own arithmetic.

namespace {

double Snapped(double value, double step) {
    const double snapped = std::round(value / step) * step;
    return std::isfinite(snapped) ? snapped : value;
}

}  // namespace

double KCanvasPane::PixelDistance(int x, int y, const Point2& model) const {
    const double dx = model.x * ViewScaleX() + ViewOriginX() - (x + 0.5);
    const double dy = model.y * ViewScaleY() + ViewOriginY() - (y + 0.5);
    return std::sqrt(dx * dx + dy * dy);
}

int KCanvasPane::PickPoint(int x, int y) const {
    if (OwnMapping()) {
        return FindNearestPoint(x, y);
    }
    double best = PickPixels;
    int result = -1;
    const int count = std::clamp(pointCount, 0, MaxPoints);
    for (int i = 0; i < count; ++i) {
        const double distance = PixelDistance(x, y, points[i]);
        if (distance < best) {
            best = distance;
            result = i;
        }
    }
    return result;
}

Point2 KCanvasPane::SnapToGrid(Point2 model) const {
    const double step = options.gridSpacing * ModelUnitsPerFileUnit;
    Point2 snapped{Snapped(model.x, step), Snapped(model.y, step)};
    if (std::fabs(model.x * ViewScaleX()) <= PickPixels) {
        snapped.x = 0;
    }
    return snapped;
}

Point2 KCanvasPane::Placed(Point2 model) const {
    if (options.snapToGrid) {
        return SnapToGrid(model);
    }
    if (OwnMapping()) {
        return {std::trunc(model.x), std::trunc(model.y)};
    }
    return model;
}

Point2 KCanvasPane::PlacedAt(int x, int y, bool truncates) const {
    const Point2 model{ModelX(x), ModelY(y)};
    if (!truncates && !options.snapToGrid) {
        return model;
    }
    return Placed(model);
}

Point2 KCanvasPane::MoveStep(Point2 by) const {
    if (options.snapToGrid) {
        const double step = options.gridSpacing * ModelUnitsPerFileUnit;
        return {Snapped(by.x, step), Snapped(by.y, step)};
    }
    if (OwnMapping()) {
        return {std::trunc(by.x), std::trunc(by.y)};
    }
    return by;
}
