#pragma once

#include <vector>

#include "model/Point2.h"

// One cubic bezier segment: from `from` to `to`, pulled by its two handles.
struct CubicPiece {
    Point2 from;
    Point2 handle1;
    Point2 handle2;
    Point2 to;
    // Whether it leaves `from` in the direction the piece before it arrives.
    bool smoothStart = false;
};

struct FittedOutline {
    std::vector<CubicPiece> pieces;
    // The largest distance of a point of the polyline from its piece.
    double deviation = 0;
};

// What makes a corner of a polyline and what stays a straight line.
struct FitOptions {
    // Largest distance of every point of the polyline from its piece.
    double tolerance = 1e-3;
    // A turn sharper than this (radians) at a point is a corner.
    double cornerAngle = 0.5;
    // An edge at least this long is a straight line of its own, not a chord of a curve.
    double straightEdge = 1e300;
};

// Cubic pieces through a closed polyline (its last point joined to the first, no repeat): each
// run between two corners or straight edges is fitted by least squares with the run's end
// tangents, and split where it strays more than the tolerance. Straight edges stay straight,
// their handles on the line.
FittedOutline FitClosedPolyline(const std::vector<Point2>& ring, const FitOptions& options);
