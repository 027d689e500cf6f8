#include "model/CanvasView.h"

#include <algorithm>
#include <cmath>

namespace {

// A zoom's place on the ladder; the slack keeps a zoom that is a step from being read as just
// below it.
double Rung(double zoom) {
    return std::log(zoom) / std::log(CanvasView::ZoomStep);
}
constexpr double Slack = 1e-9;

}  // namespace

double CanvasView::Clamped(double zoom) {
    if (!(zoom > MinZoom)) {
        return MinZoom;
    }
    return std::min(zoom, MaxZoom);
}

double CanvasView::ZoomedIn(double zoom) {
    const double rung = std::floor(Rung(Clamped(zoom)) + Slack) + 1;
    return Clamped(std::pow(ZoomStep, rung));
}

double CanvasView::ZoomedOut(double zoom) {
    const double rung = std::ceil(Rung(Clamped(zoom)) - Slack) - 1;
    return Clamped(std::pow(ZoomStep, rung));
}
