#pragma once

#include "model/Point2.h"

// An affine map of the plane, its coefficients named as SVG names them:
// x' = a x + c y + e, y' = b x + d y + f.
struct Affine2 {
    double a = 1;
    double b = 0;
    double c = 0;
    double d = 1;
    double e = 0;
    double f = 0;

    Point2 Apply(const Point2& p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    // The map without its move: what it makes of a difference of two points.
    Point2 ApplyLinear(const Point2& p) const { return {a * p.x + c * p.y, b * p.x + d * p.y}; }
    // The map that applies inner first, then this one.
    Affine2 operator*(const Affine2& inner) const {
        return {a * inner.a + c * inner.b,     b * inner.a + d * inner.b,
                a * inner.c + c * inner.d,     b * inner.c + d * inner.d,
                a * inner.e + c * inner.f + e, b * inner.e + d * inner.f + f};
    }
};
