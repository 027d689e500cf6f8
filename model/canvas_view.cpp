#include <algorithm>
#include <cmath>

#include "model/KCanvasPane.h"

// The view: zoom and pan on top of the canvas's own mapping, and the options every canvas
// shares.

namespace {

// Share of the canvas left free around the whole drawing.
constexpr double FitMargin = 0.1;
// Pixels the view scrolls for one notch of the wheel.
constexpr double WheelScroll = 40;
constexpr int WheelNotch = 120;
constexpr int ModShiftBit = 1;
constexpr int ModControlBit = 4;
constexpr int MiddleButton = 2;

bool Finite(const Point2& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace

Affine2 KCanvasPane::FileToPixels() const {
    const double sx = ViewScaleX() * ModelUnitsPerFileUnit;
    const double sy = ViewScaleY() * ModelUnitsPerFileUnit;
    return {sx, 0, 0, -sy, ViewOriginX(), ViewOriginY()};
}

void KCanvasPane::SetView(const CanvasView& wanted) {
    CanvasView next{CanvasView::Clamped(wanted.zoom), wanted.centre};
    if (!Finite(next.centre)) {
        next.centre = view.centre;
    }
    if (next == view) {
        return;
    }
    view = next;
    RedrawOutline(true);
    ShowZoom();
}

void KCanvasPane::ZoomAbout(int px, int py, double zoom) {
    const Point2 under{ModelX(px), ModelY(py)};
    zoom = CanvasView::Clamped(zoom);
    CanvasView next{zoom, view.centre};
    if (scaleX > 0 && scaleY > 0) {
        // The pixel's own model point is its centre in every view but the default one.
        const double atX = OwnMapping() ? px : px + 0.5;
        const double atY = OwnMapping() ? py : py + 0.5;
        next.centre = {under.x - (atX - originX) / (BaseScaleX() * zoom),
                       under.y - (atY - originY) / (BaseScaleY() * zoom)};
    }
    // Back at zoom 1 about the origin, the view is the default one again, to the bit.
    if (zoom == 1 && std::fabs(next.centre.x) * BaseScaleX() < 0.5 &&
        std::fabs(next.centre.y) * BaseScaleY() < 0.5) {
        next.centre = {0, 0};
    }
    SetView(next);
}

void KCanvasPane::ZoomStep(bool in) {
    const double zoom = in ? CanvasView::ZoomedIn(view.zoom) : CanvasView::ZoomedOut(view.zoom);
    SetView({zoom, view.centre});
}

void KCanvasPane::PanByPixels(double dx, double dy) {
    if (!(scaleX > 0 && scaleY > 0)) {
        return;
    }
    SetView({view.zoom, {view.centre.x - dx / ViewScaleX(), view.centre.y - dy / ViewScaleY()}});
}

void KCanvasPane::FitWholeDrawing() {
    const int count = std::clamp(pointCount, 0, MaxPoints);
    if (count == 0 || !(scaleX > 0 && scaleY > 0)) {
        SetView(CanvasView{});
        return;
    }
    Point2 low = points[0];
    Point2 high = points[0];
    for (int i = 1; i < count; ++i) {
        low = {std::min(low.x, points[i].x), std::min(low.y, points[i].y)};
        high = {std::max(high.x, points[i].x), std::max(high.y, points[i].y)};
    }
    // A lathe or surface of revolution shows every profile mirrored across the axis too.
    if (IsTurnedKind(shapeKind)) {
        high.x = std::max(std::fabs(low.x), std::fabs(high.x));
        low.x = -high.x;
    }
    // Half the drawing's extent in pixels at zoom 1; a single point counts as a pixel wide.
    const double halfWidth = std::max((high.x - low.x) * 0.5 * BaseScaleX(), 0.5);
    const double halfHeight = std::max((high.y - low.y) * 0.5 * BaseScaleY(), 0.5);
    const double room = 1 - FitMargin;
    const double zoom = std::min(originX * room / halfWidth, originY * room / halfHeight);
    SetView({zoom, {low.x * 0.5 + high.x * 0.5, low.y * 0.5 + high.y * 0.5}});
}

void KCanvasPane::ShowZoom() {
    if (ownerWindow) {
        ownerWindow->ShowZoom(view.zoom);
    }
}

void KCanvasPane::OnMouseWheel(int x, int y, int delta, bool sideways, int modifiers) {
    if ((modifiers & ModControlBit) != 0 && !sideways) {
        if (delta != 0) {
            ZoomAbout(
                x, y,
                delta > 0 ? CanvasView::ZoomedIn(view.zoom) : CanvasView::ZoomedOut(view.zoom));
        }
        return;
    }
    // At zoom 1 the wheel does nothing, as it always did.
    if (view.zoom == 1) {
        return;
    }
    const double by = WheelScroll * delta / WheelNotch;
    if (sideways || (modifiers & ModShiftBit) != 0) {
        PanByPixels(by, 0);
    } else {
        PanByPixels(0, by);
    }
}

// At zoom 1 the middle button does nothing, as it always did.
void KCanvasPane::StartPan(int x, int y, int button) {
    panFromX = button == MiddleButton && view.zoom != 1 ? x : -1;
    panFromY = y;
}

bool KCanvasPane::DragPan(int x, int y, int button) {
    if (button != MiddleButton || panFromX < 0) {
        return false;
    }
    const int dx = x - panFromX;
    const int dy = y - panFromY;
    panFromX = x;
    panFromY = y;
    PanByPixels(dx, dy);
    return true;
}

void KCanvasPane::SetOptions(const CanvasOptions& wanted) {
    CanvasOptions next = wanted;
    if (!CanvasOptions::ValidSpacing(next.gridSpacing)) {
        next.gridSpacing = options.gridSpacing;
    }
    if (next == options) {
        return;
    }
    options = next;
    RedrawOutline(true);
}
