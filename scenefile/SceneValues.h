#pragma once

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "model/EditState.h"
#include "model/ModelUnits.h"
#include "model/Point2.h"

// The values of a scene file's lines as the reader takes them.

// The largest file value that is still finite once turned into model units.
constexpr double FileValueLimit = DBL_MAX / ModelUnitsPerFileUnit;

// A point or control line: "<" x "," y ">" and anything after; both numbers must stay finite in
// model units.
inline bool ReadPair(const char* line, Point2& value) {
    return std::sscanf(line, "%*c %lf %*c %lf", &value.x, &value.y) == 2 &&
           std::fabs(value.x) <= FileValueLimit && std::fabs(value.y) <= FileValueLimit;
}

// The SplineType a keyword line names, or -1.
inline int SplineKeyword(const char* line) {
    static const char* const keywords[] = {"linear_spline", "quadratic_spline", "cubic_spline",
                                           "bezier_spline"};
    for (int spline = LinearSpline; spline <= BezierSpline; ++spline) {
        if (std::strcmp(line, keywords[spline]) == 0) {
            return spline;
        }
    }
    return -1;
}

// Two values as read are the same point when both numbers are equal.
inline bool SameValue(const Point2& a, const Point2& b) {
    return a.x == b.x && a.y == b.y;
}
