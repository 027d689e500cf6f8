#pragma once

#include <vector>

#include "model/Point2.h"

// One segment of a surface of revolution's profile: the square of the radius is a cubic in the
// height, r(h)^2 = f(h), for h between two neighbouring points' heights. With u the height's
// share of the way from h1 to h2, f is the Hermite cubic of the end values f1, f2 and the end
// slopes scaled to the whole step, m1 and m2.
struct SorSegment {
    double h1;
    double h2;
    double f1;
    double f2;
    double m1;
    double m2;

    double SquareAt(double u) const;
    // The profile point (radius, height); the radius is 0 where f dips below 0.
    Point2 At(double u) const;
};

// The segments from a point list (x the radius, y the height, file units, as the ray tracer
// reads them). The profile runs from the second point to the one before last; the first and
// last only give the end slopes. A segment whose heights give no finite curve (two equal
// heights) is left out; the rest is drawn whatever rule the points break.
std::vector<SorSegment> SorCurve(const std::vector<Point2>& points);
