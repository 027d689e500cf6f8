#pragma once

#include <vector>

#include "model/Point2.h"

// One piece of a ray-tracer spline: p(t) = a t^3 + b t^2 + c t + d for t from 0 to 1.
struct SplineSegment {
    Point2 a;
    Point2 b;
    Point2 c;
    Point2 d;

    Point2 At(double t) const {
        return {((a.x * t + b.x) * t + c.x) * t + d.x, ((a.y * t + b.y) * t + c.y) * t + d.y};
    }
};

// What the ray tracer prints about a declaration's point list, in its own words: a warning it
// goes on after, and an error that refuses the whole declaration. Null for none.
struct PovMessages {
    const char* warning = nullptr;
    const char* error = nullptr;
};

// The curve POV-Ray builds from a point list: its segments in order, grouped into pieces, each
// segment of a piece starting where the one before it ends.
struct SplineCurve {
    std::vector<SplineSegment> segments;
    std::vector<int> pieceEnds;  // one past the last segment of each piece
    PovMessages messages;
};

// A prism's outline from its point list (a SplineType; the values as the ray tracer reads them,
// in file units): every sub-prism it builds is a closed piece. What it ignores gives no piece;
// when it refuses the declaration the pieces are those it had built before giving up, and an
// unclosed bezier prism, which it drops whole, has none.
SplineCurve PrismCurve(int spline, const std::vector<Point2>& points);

// A lathe's profile from its point list (x the radius, y the height): one open piece, or one
// per run of joined bezier segments. Slope-only points give no segment of their own. Drawn as
// far as the points go, whatever rule they break (ProfileRules says which).
SplineCurve LatheCurve(int spline, const std::vector<Point2>& points);
