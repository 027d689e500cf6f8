#pragma once

#include <string>
#include <vector>

#include "model/CurveFitting.h"
#include "model/Drawing.h"
#include "model/RegionClipping.h"
#include "model/SplineCurve.h"

// What an operation on the drawing's sets made of it: the new drawing, or why there is none.
struct SetsResult {
    bool ok = false;
    // Why the drawing was left as it was.
    std::string message;
    Drawing drawing;
    // What the operation changed beside the asked-for result, one sentence each.
    std::vector<std::string> notes;
    // The largest distance, in file units, of the written curves or lines from the exact result
    // of the operation on the flattened outlines.
    double deviation = 0;

    static SetsResult Refused(std::string why) {
        SetsResult result;
        result.message = std::move(why);
        return result;
    }
};

// How a result's outlines are written into the drawing: as lines of a linear one, or as curves
// fitted back to bezier segments.
enum class OutlineForm { Lines, Curves };

// The sets numbered (1 .. setCount) in the list, or every finished set when it is empty;
// false, with the reason, for a number that names none.
bool ChosenSets(const Drawing& drawing, const std::vector<int>& asked, std::vector<int>& chosen,
                std::string& why);

// Curves are flattened within this share of the size of what they belong to.
constexpr double FlattenShare = 1e-5;

// Curves are fitted back within this share of the size of what they belong to, at first.
constexpr double FitShare = 1e-4;

// Cubic pieces through a closed ring flattened within FlattenShare of the size: fitted within
// the tolerance as curves, or kept as its lines.
FittedOutline FitRing(const Ring& ring, OutlineForm form, double tolerance, double size);

// The chosen sets flattened: each set's outlines as closed rings in file units.
struct FlatSets {
    std::vector<Rings> regions;
    // The largest side of the box around the sets' values, handles included (file units).
    double size = 0;
};

// Each chosen set as the ray tracer fills it, as the kind (Polygon or Prism) writes it, curves
// flattened within FlattenShare of the size.
FlatSets FlattenedSets(const Drawing& drawing, int kind, const std::vector<int>& sets);

// The largest side of the box around the points, in file units; 0 for none.
double SizeOf(const std::vector<Point2>& points);

// Flattened within the tolerance (file units): each piece of the curve one polyline.
std::vector<std::vector<Point2>> FlattenedPieces(const SplineCurve& curve, double tolerance);

// The drawing with the chosen sets replaced by one set per ring, where the first of them was,
// written in the form; curves are fitted within a small share of the size (file units) and,
// while the result does not fit the drawing's capacity, more loosely (said in a note), lines
// simplified alike. Refused, with what the result needs, when it does not fit at all.
SetsResult ReplaceSets(const Drawing& drawing, const std::vector<int>& chosen, const Rings& rings,
                       OutlineForm form, double size);

// Finished sets made in their own spline (the drawing `made` holds them alone, in model units,
// with that spline) put into the drawing of the kind in place of the chosen sets, or after its
// finished sets when none is chosen: an empty drawing takes them in their spline as a prism, a
// drawing of another spline gets them converted to its own by the shape-keeping conversion,
// with its notes, and a polygon gets them flattened. Refused, with what it needs, when the
// result does not fit.
SetsResult PlaceSets(const Drawing& drawing, int kind, const std::vector<int>& chosen,
                     const Drawing& made);

// PlaceSets for a result made as bezier sets.
SetsResult PlaceBezierSets(const Drawing& drawing, int kind, const std::vector<int>& chosen,
                           const Drawing& bezier);

// The form a result takes in a drawing of the kind (curves for any spline but linear), or false
// with the reason when the kind has no room for it.
bool FormFor(const Drawing& drawing, int kind, OutlineForm& form, std::string& why);

// From file units (y up) to model units and back.
Point2 ModelOf(const Point2& file);
Point2 FileOf(const Point2& model);
