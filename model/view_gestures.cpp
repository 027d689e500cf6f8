#include <algorithm>
#include <cmath>

#include "model/DrawingEntries.h"
#include "model/KCanvasPane.h"

// What the view and the snap option change in the gestures: how a press picks and where a
// position lands. In the default view with snap off none of this runs: the gestures keep the
// canvas's own arithmetic.

namespace {

double Snapped(double value, double step) {
    const double snapped = std::round(value / step) * step;
    return std::isfinite(snapped) ? snapped : value;
}

// The guide (file positions, `unitsPerFile` model units each) nearest to the model value within
// `within` pixels at `scale` pixels a model unit, when it is nearer than `snapped`.
double NearerGuide(double value, double snapped, const std::vector<double>& guides,
                   double unitsPerFile, double scale, double within) {
    for (const double guide : guides) {
        const double at = guide * unitsPerFile;
        if (std::fabs((at - value) * scale) <= within &&
            std::fabs(at - value) < std::fabs(snapped - value)) {
            snapped = at;
        }
    }
    return snapped;
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
    snapped.x = NearerGuide(model.x, snapped.x, guides.vertical, ModelUnitsPerFileUnit,
                            ViewScaleX(), PickPixels);
    snapped.y = NearerGuide(model.y, snapped.y, guides.horizontal, -ModelUnitsPerFileUnit,
                            ViewScaleY(), PickPixels);
    return snapped;
}

Point2 KCanvasPane::SnapToPoint(Point2 model, const PointTargets& targets) const {
    Point2 snapped = SnapToGrid(model);
    if (!targets) {
        return snapped;
    }
    const auto gap = [&](const Point2& p) {
        return std::hypot((p.x - model.x) * ViewScaleX(), (p.y - model.y) * ViewScaleY());
    };
    double best = gap(snapped);
    const int count = std::clamp(pointCount, 0, MaxPoints);
    for (int i = 0; i < count; ++i) {
        const double distance = gap(points[i]);
        if (distance <= PickPixels && distance < best && targets(i)) {
            best = distance;
            snapped = points[i];
        }
    }
    return snapped;
}

KCanvasPane::PointTargets KCanvasPane::OtherPoints(int entry, std::vector<bool> moving) const {
    // An entry beyond the points is the next of the open set, if there is one.
    const EntrySpan span = SpanOf(drawing, entry);
    const int first = entry < pointCount ? span.first : (HasOpenSet() ? setEnds[setCount] : -1);
    const int closing = span.finished ? span.end - 1 : -1;
    moving.resize(static_cast<size_t>(MaxPoints), false);
    return [moving = std::move(moving), first, closing](int i) {
        return i != first && i != closing && !moving[static_cast<size_t>(i)];
    };
}

void KCanvasPane::SetGuides(const GuideLines& wanted) {
    guides = wanted;
    RedrawOutline(true);
}

Point2 KCanvasPane::Placed(Point2 model, const PointTargets& targets) const {
    if (options.snapToGrid) {
        return SnapToPoint(model, targets);
    }
    if (OwnMapping()) {
        return {std::trunc(model.x), std::trunc(model.y)};
    }
    return model;
}

Point2 KCanvasPane::PlacedAt(int x, int y, bool truncates, const PointTargets& targets) const {
    const Point2 model{ModelX(x), ModelY(y)};
    if (!truncates && !options.snapToGrid) {
        return model;
    }
    return Placed(model, targets);
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
