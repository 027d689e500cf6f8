#pragma once

#include <string>
#include <vector>

#include "model/Drawing.h"
#include "model/EditState.h"

// A drawing given another spline with the curve POV-Ray draws from it kept: exactly where the
// target spline can draw it (any spline to bezier), else fitted within a tolerance.
struct SplineConversion {
    bool ok = false;
    // The converted drawing; when refused, the drawing as it was.
    Drawing drawing;
    bool exact = false;
    // The largest distance between the curves, in file units (0 when exact).
    double deviation = 0;
    // What the user should know: the deviation, the sets left as they were.
    std::vector<std::string> notes;
    // Why the conversion was refused.
    std::string refusal;
};

// 0.1 % of the drawing's size (the diagonal around its written values), in file units.
double DefaultTolerance(const Drawing& drawing, ShapeKind kind);

// The drawing, written as the kind (Prism or Lathe) with its own spline, rewritten with the
// target spline (a SplineType) so that POV-Ray draws the same curve, or one within the
// tolerance (file units; 0 or less: the default). A set's first point is never repeated inside
// it. Refused, with the entries or sets it would need, when the result would not fit the
// drawing's capacities.
SplineConversion ConvertSpline(const Drawing& drawing, ShapeKind kind, int target,
                               double tolerance);

// What giving the drawing another spline with its points kept does to the curve of the kind
// (Prism or Lathe): "" when nothing changes.
std::string PlainConversionNote(const Drawing& drawing, ShapeKind kind, int target);

// The spline's name as the tool and the prism values dialog name it: "linear" ... "bezier".
const char* SplineName(int spline);
