#include "model/SetOutlines.h"

#include <algorithm>
#include <cmath>

#include "model/CurveFlattening.h"
#include "model/DrawingHandles.h"
#include "model/ModelUnits.h"
#include "model/SplineConversion.h"
#include "model/WrittenPoints.h"

namespace {

// Curves are fitted within FitShare of the drawing's size, doubled at each try while the result
// does not fit the drawing; lines are simplified alike after a first try as they are.
constexpr int Tries = 4;

struct Placed {
    std::vector<std::vector<CubicPiece>> outlines;
    double deviation = 0;
    int entries = 0;
};

Placed Place(const Rings& rings, OutlineForm form, double tolerance, double size) {
    Placed placed;
    const Rings simplified =
        form == OutlineForm::Lines && tolerance > 0 ? SimplifiedRings(rings, tolerance) : rings;
    for (const Ring& ring : simplified) {
        FittedOutline fitted = FitRing(ring, form, tolerance, size);
        placed.deviation = std::max(placed.deviation, fitted.deviation);
        placed.entries += static_cast<int>(fitted.pieces.size()) + 1;
        placed.outlines.push_back(std::move(fitted.pieces));
    }
    if (form == OutlineForm::Lines) {
        placed.deviation = tolerance;
    }
    return placed;
}

bool AllFinite(const Placed& placed) {
    for (const auto& outline : placed.outlines) {
        for (const CubicPiece& piece : outline) {
            for (const Point2& p : {piece.from, piece.handle1, piece.handle2}) {
                const Point2 model = ModelOf(p);
                if (!std::isfinite(model.x) || !std::isfinite(model.y)) {
                    return false;
                }
            }
        }
    }
    return true;
}

int SetSize(const Drawing& drawing, int set) {
    return drawing.setEnds[set] - drawing.setEnds[set - 1];
}

class DrawingBuilder {
public:
    explicit DrawingBuilder(Drawing& to) : _to(to) {
        _to.pointCount = 0;
        _to.setCount = 0;
        _to.setEnds[0] = 0;
    }

    void CopyPoints(const Drawing& from, int first, int end) {
        for (int i = first; i < end; ++i) {
            const int j = _to.pointCount++;
            _to.points[j] = from.points[i];
            _to.control1[j] = from.control1[i];
            _to.control2[j] = from.control2[i];
            _to.nodeTypes[j] = from.nodeTypes[i];
        }
    }

    void CopySet(const Drawing& from, int set) {
        CopyPoints(from, from.setEnds[set - 1], from.setEnds[set]);
        _to.setEnds[++_to.setCount] = _to.pointCount;
    }

    void AddSet(const std::vector<CubicPiece>& pieces, OutlineForm form) {
        const int first = _to.pointCount;
        for (const CubicPiece& piece : pieces) {
            const int j = _to.pointCount++;
            _to.points[j] = ModelOf(piece.from);
            _to.control1[j] = ModelOf(piece.handle1);
            _to.control2[j] = ModelOf(piece.handle2);
            _to.nodeTypes[j] = piece.smoothStart ? NodeType::Smooth : NodeType::Corner;
        }
        const int last = _to.pointCount++;
        _to.points[last] = _to.points[first];
        _to.control1[last] = _to.control2[last] = _to.points[first];
        _to.nodeTypes[last] = _to.nodeTypes[first];
        if (form == OutlineForm::Lines) {
            for (int j = first; j < last; ++j) {
                DefaultHandles(_to.points[j], _to.points[j + 1], _to.control1[j], _to.control2[j]);
            }
        }
        _to.setEnds[++_to.setCount] = _to.pointCount;
    }

private:
    Drawing& _to;
};

// The entries and sets of the drawing that stay when the chosen sets are replaced.
void Kept(const Drawing& drawing, const std::vector<int>& chosen, int& entries, int& sets) {
    entries = drawing.pointCount - drawing.setEnds[drawing.setCount];
    sets = 0;
    for (int set = 1; set <= drawing.setCount; ++set) {
        if (!std::binary_search(chosen.begin(), chosen.end(), set)) {
            entries += SetSize(drawing, set);
            ++sets;
        }
    }
}

std::string Needs(int entries, int sets) {
    return "The result needs " + std::to_string(entries) + " entries and " + std::to_string(sets) +
           " sets; a drawing holds " + std::to_string(MaxPoints) + " entries and " +
           std::to_string(MaxSets) + " sets.";
}

// The drawing with the chosen sets (none: no set) replaced by the new drawing's sets, where the
// first chosen one was (none: after the finished sets); the caller has checked the room.
Drawing Spliced(const Drawing& drawing, const std::vector<int>& chosen, const Drawing& added) {
    Drawing spliced = drawing;
    DrawingBuilder builder(spliced);
    const int at = chosen.empty() ? drawing.setCount + 1 : chosen.front();
    for (int set = 1; set <= drawing.setCount + 1; ++set) {
        for (int k = 1; set == at && k <= added.setCount; ++k) {
            builder.CopySet(added, k);
        }
        if (set <= drawing.setCount && !std::binary_search(chosen.begin(), chosen.end(), set)) {
            builder.CopySet(drawing, set);
        }
    }
    builder.CopyPoints(drawing, drawing.setEnds[drawing.setCount], drawing.pointCount);
    spliced.CheckInvariants();
    return spliced;
}

}  // namespace

FittedOutline FitRing(const Ring& ring, OutlineForm form, double tolerance, double size) {
    FitOptions options;
    options.tolerance = tolerance;
    options.cornerAngle = 0.35;
    // Longer than any chord of a flattened curve bending less sharply than a circle four times
    // the size across: a chord of length c strays c^2 / (8 r) from a curve of radius r.
    options.straightEdge =
        form == OutlineForm::Lines ? 0 : std::sqrt(8 * (2 * size) * (FlattenShare * size));
    return FitClosedPolyline(ring, options);
}

Point2 ModelOf(const Point2& file) {
    return {file.x * ModelUnitsPerFileUnit, -file.y * ModelUnitsPerFileUnit};
}

Point2 FileOf(const Point2& model) {
    return {model.x / ModelUnitsPerFileUnit, -model.y / ModelUnitsPerFileUnit};
}

bool ChosenSets(const Drawing& drawing, const std::vector<int>& asked, std::vector<int>& chosen,
                std::string& why) {
    chosen.clear();
    for (int set : asked) {
        if (set < 1 || set > drawing.setCount) {
            why = "There is no set " + std::to_string(set) + ": the drawing has " +
                  std::to_string(drawing.setCount) + " finished sets.";
            return false;
        }
        chosen.push_back(set);
    }
    if (asked.empty()) {
        for (int set = 1; set <= drawing.setCount; ++set) {
            chosen.push_back(set);
        }
    }
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    if (chosen.empty()) {
        why = "The drawing has no finished set.";
        return false;
    }
    return true;
}

std::vector<std::vector<Point2>> FlattenedPieces(const SplineCurve& curve, double tolerance) {
    // Scaled so that the tolerance is one unit, far above the flattening's finest.
    const double scale = tolerance > 0 ? 1 / tolerance : 1;
    FlattenOptions options;
    options.map = {scale, 0, 0, scale, 0, 0};
    options.tolerance = 1;
    Polylines lines;
    FlattenCurve(curve, options, lines);
    std::vector<std::vector<Point2>> pieces;
    int first = 0;
    for (int end : lines.ends) {
        std::vector<Point2> piece;
        for (int i = first; i < end; ++i) {
            piece.push_back({lines.points[i].x / scale, lines.points[i].y / scale});
        }
        pieces.push_back(std::move(piece));
        first = end;
    }
    return pieces;
}

FlatSets FlattenedSets(const Drawing& drawing, int kind, const std::vector<int>& sets) {
    const int spline = kind == Polygon ? LinearSpline : drawing.splineType;
    const std::vector<WrittenSet> written =
        WrittenSets(WrittenPoints(drawing, kind == Polygon ? Polygon : Prism));
    FlatSets flat;
    std::vector<Point2> values;
    for (const WrittenSet& set : written) {
        if (std::binary_search(sets.begin(), sets.end(), set.set)) {
            values.insert(values.end(), set.values.begin(), set.values.end());
        }
    }
    flat.size = SizeOf(values);
    for (int set : sets) {
        Rings rings;
        for (const WrittenSet& one : written) {
            if (one.set != set) {
                continue;
            }
            for (Ring& ring :
                 FlattenedPieces(PrismCurve(spline, one.values), FlattenShare * flat.size)) {
                if (ring.size() > 1 && ring.front().x == ring.back().x &&
                    ring.front().y == ring.back().y) {
                    ring.pop_back();
                }
                if (ring.size() >= 3) {
                    rings.push_back(std::move(ring));
                }
            }
        }
        flat.regions.push_back(std::move(rings));
    }
    return flat;
}

double SizeOf(const std::vector<Point2>& points) {
    double left = HUGE_VAL, right = -HUGE_VAL, bottom = HUGE_VAL, top = -HUGE_VAL;
    for (const Point2& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    return left <= right ? std::max(right - left, top - bottom) : 0;
}

bool FormFor(const Drawing& drawing, int kind, OutlineForm& form, std::string& why) {
    if (IsTurnedKind(kind)) {
        why = "This works on polygons and prisms; a lathe's or sor's sets are profiles.";
        return false;
    }
    if (kind == Polygon || drawing.splineType == LinearSpline) {
        form = OutlineForm::Lines;
        return true;
    }
    // Other splines take the result as bezier curves converted to them.
    form = OutlineForm::Curves;
    return true;
}

SetsResult PlaceSets(const Drawing& drawing, int kind, const std::vector<int>& chosen,
                     const Drawing& made) {
    const bool empty = drawing.pointCount == 0;
    const int target =
        kind == Polygon ? LinearSpline : (empty ? made.splineType : drawing.splineType);
    SetsResult result;
    Drawing sets = made;
    sets.trailingControls.clear();
    if (target != sets.splineType) {
        SplineConversion converted = ConvertSpline(sets, Prism, target, 0);
        if (!converted.ok) {
            return SetsResult::Refused(converted.refusal);
        }
        sets = std::move(converted.drawing);
        result.notes = std::move(converted.notes);
        result.deviation = converted.deviation;
    }
    int entries = 0;
    int setCount = 0;
    Kept(drawing, chosen, entries, setCount);
    entries += sets.pointCount;
    setCount += sets.setCount;
    if (entries > MaxPoints || setCount > MaxSets) {
        return SetsResult::Refused(Needs(entries, setCount));
    }
    result.ok = true;
    result.drawing = Spliced(drawing, chosen, sets);
    if (empty && kind != Polygon) {
        result.drawing.splineType = target;
    }
    return result;
}

SetsResult PlaceBezierSets(const Drawing& drawing, int kind, const std::vector<int>& chosen,
                           const Drawing& bezier) {
    Drawing sets = bezier;
    sets.splineType = BezierSpline;
    return PlaceSets(drawing, kind, chosen, sets);
}

SetsResult ReplaceSets(const Drawing& drawing, const std::vector<int>& chosen, const Rings& rings,
                       OutlineForm form, double size) {
    int kept = 0;
    int keptSets = 0;
    Kept(drawing, chosen, kept, keptSets);
    Placed placed;
    int tried = 0;
    for (; tried < Tries; ++tried) {
        const double share = FitShare * std::exp2(tried);
        placed =
            Place(rings, form, form == OutlineForm::Lines && tried == 0 ? 0 : share * size, size);
        if (kept + placed.entries <= MaxPoints) {
            break;
        }
    }
    const int sets = keptSets + static_cast<int>(placed.outlines.size());
    if (kept + placed.entries > MaxPoints || sets > MaxSets) {
        return SetsResult::Refused(Needs(kept + placed.entries, sets));
    }
    if (!AllFinite(placed)) {
        return SetsResult::Refused("The result would not be finite.");
    }
    Drawing made;
    DrawingBuilder builder(made);
    for (const auto& outline : placed.outlines) {
        builder.AddSet(outline, form);
    }
    SetsResult result;
    if (form == OutlineForm::Curves) {
        result = PlaceBezierSets(drawing, Prism, chosen, made);
    } else {
        result.ok = true;
        result.drawing = Spliced(drawing, chosen, made);
    }
    result.deviation += placed.deviation;
    if (result.ok && tried > 0) {
        result.notes.insert(result.notes.begin(), "Simplified to fit the drawing's " +
                                                      std::to_string(MaxPoints) + " entries.");
    }
    return result;
}
