#pragma once

#include "model/Point2.h"

// How the canvas looks at the drawing: a zoom about the canvas centre and the model point shown
// there. The default view, zoom 1 with the model origin in the centre, is the canvas's own
// mapping; the window size keeps deciding the pixels per model unit at every zoom.
struct CanvasView {
    // Six digits in the file make finer steps than 1/64 of a canvas pixel per model unit
    // useless, and beyond 16 times smaller the drawing is a dot.
    static constexpr double MinZoom = 1.0 / 16;
    static constexpr double MaxZoom = 64;
    static constexpr double ZoomStep = 1.25;

    double zoom = 1;
    Point2 centre{0, 0};

    bool IsIdentity() const { return zoom == 1 && centre.x == 0 && centre.y == 0; }
    bool operator==(const CanvasView& other) const {
        return zoom == other.zoom && centre.x == other.centre.x && centre.y == other.centre.y;
    }
    bool operator!=(const CanvasView& other) const { return !(*this == other); }

    // The next zoom of the ladder of powers of ZoomStep, kept within MinZoom .. MaxZoom: a
    // zoom between two steps goes to the nearer one in that direction.
    static double ZoomedIn(double zoom);
    static double ZoomedOut(double zoom);
    static double Clamped(double zoom);
};
