#pragma once

#include <cstddef>
#include <vector>

#include "model/Point2.h"
#include "model/SplineCurve.h"

// A stretch of POV-Ray's curve in file units: segments in order, each starting where the one
// before it ends. A closed piece (a prism's outline) ends where it starts; an open one is a
// lathe's profile.
struct CurvePiece {
    std::vector<SplineSegment> segments;
    bool closed = false;
};

// Points on a piece through which a spline (linear, quadratic or cubic), drawn as POV-Ray draws
// it, stays within a tolerance of the piece. Every value is one the writer writes and the ray
// tracer reads back (WrittenFileValue), so the deviation is that of the file.
struct FittedPiece {
    // A closed piece's outline without its closing repeat; an open piece's profile end to end.
    std::vector<Point2> points;
    // Quadratic and cubic: the control point before the points.
    Point2 leading{0, 0};
    // Cubic, closed: the control point after the closing repeat.
    Point2 closing{0, 0};
    // The largest distance found between the two curves, sampling error included.
    double deviation = 0;
    // False when the points would have run past `maxPoints` (then `points` holds that many and
    // more, the least a fit needs).
    bool fitted = true;
};

// Refines points on the piece, starting from its own joints, until every stretch of the fitted
// spline between two of them lies within the tolerance of the piece (file units), or no stretch
// can be halved any more, or there are more than maxPoints of them. An open piece keeps every
// radius at 0 or more, as a lathe must.
FittedPiece FitPiece(const CurvePiece& piece, int spline, double tolerance, size_t maxPoints);

// The file value as the writer writes it from the nearest model position and the reader reads
// it back.
Point2 WrittenFileValue(const Point2& file);
// The model position of a file value.
Point2 ModelOfFile(const Point2& file);
