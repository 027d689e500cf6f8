#include "model/SplineConversion.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

#include "model/DrawingHandles.h"
#include "model/KCanvasPane.h"
#include "model/KnotFitting.h"
#include "model/ReadBack.h"
#include "model/SegmentDistance.h"
#include "model/SplineCurve.h"
#include "model/WrittenPoints.h"

namespace {

constexpr double DefaultShareOfSize = 0.001;
// Six written digits hold a value to about a millionth of the drawing's size: a finer
// tolerance is this one.
constexpr double FinestShareOfSize = 1e-6;
// A fit that runs past the drawing's capacity is given up: the refusal then names the entries
// it had reached.
constexpr size_t MostFittedPoints = MaxPoints;

std::string Format(const char* format, double a, double b) {
    char text[200];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

Point2 FileOf(const Point2& model) {
    return {KCanvasPane::FileX(model.x), KCanvasPane::FileY(model.y)};
}

Point2 WrittenOf(const Point2& model) {
    return ReadBack(FileOf(model));
}

// One set of the converted drawing, in model units: its points (the closing repeat of a
// finished set included) with their two handles, and a cubic prism's own closing control.
struct BuiltSet {
    std::vector<Point2> points;
    std::vector<Point2> control1;
    std::vector<Point2> control2;
    std::optional<Point2> closing;
    bool finished = true;

    void Add(const Point2& point, const Point2& first, const Point2& second) {
        points.push_back(point);
        control1.push_back(first);
        control2.push_back(second);
    }
    // Handles on the segment to the next point, where the spline has none of its own.
    void AddOnSegments(const std::vector<Point2>& model) {
        for (size_t i = 0; i < model.size(); ++i) {
            Point2 first;
            Point2 second;
            DefaultHandles(model[i], model[std::min(i + 1, model.size() - 1)], first, second);
            Add(model[i], first, second);
        }
    }
};

std::vector<CurvePiece> PiecesOf(const SplineCurve& curve, bool closed) {
    std::vector<CurvePiece> pieces;
    size_t first = 0;
    for (int end : curve.pieceEnds) {
        CurvePiece piece;
        piece.closed = closed;
        piece.segments.assign(curve.segments.begin() + static_cast<long>(first),
                              curve.segments.begin() + end);
        pieces.push_back(std::move(piece));
        first = static_cast<size_t>(end);
    }
    return pieces;
}

// Straight segments through the file values, back to the first when closed.
CurvePiece PolylinePiece(const std::vector<Point2>& values, bool closed) {
    CurvePiece piece;
    piece.closed = closed;
    const size_t count = values.size();
    for (size_t i = 0; i + 1 < count + (closed ? 1 : 0); ++i) {
        const Point2& from = values[i];
        const Point2& to = values[(i + 1) % count];
        piece.segments.push_back({{0, 0}, {0, 0}, {to.x - from.x, to.y - from.y}, from});
    }
    return piece;
}

class Converter {
public:
    Converter(const Drawing& drawing, ShapeKind kind, int target, double tolerance)
        : _drawing(drawing), _kind(kind), _target(target), _tolerance(tolerance) {
        for (WrittenSet& set : WrittenSets(WrittenPoints(drawing, kind))) {
            _written[set.set] = std::move(set.values);
        }
    }

    void Run(SplineConversion& result) {
        // Set ends as the writer takes them: ascending and within the points.
        const int points = std::clamp(_drawing.pointCount, 0, MaxPoints);
        const int sets = std::clamp(_drawing.setCount, 0, MaxSets);
        int first = 0;
        for (int k = 1; k <= sets; ++k) {
            const int end = std::clamp(_drawing.setEnds[k], first, points);
            ConvertSet(k, first, end);
            first = end;
        }
        if (points > first) {
            ConvertSet(0, first, points);
        }
        if (!Fits(result)) {
            return;
        }
        result.ok = true;
        result.exact = _target == BezierSpline;
        result.deviation = _deviation;
        result.drawing = Assembled();
        result.notes.push_back(
            result.exact ? std::string("Converted to bezier exactly: POV-Ray draws the same curve.")
                         : std::string("Converted to ") + SplineName(_target) +
                               Format(": POV-Ray's curve moves by at most %.3g file units "
                                      "(tolerance %.3g).",
                                      _deviation, _tolerance));
        if (_keptUnfinished) {
            result.notes.push_back(
                "The unfinished set keeps its points: POV-Ray draws no curve from it until it is "
                "closed.");
        }
    }

private:
    bool Lathe() const { return _kind == ::Lathe; }

    // The set's points first .. end - 1 as the writer writes them.
    std::vector<Point2> WrittenPointsOf(int first, int end) const {
        std::vector<Point2> values;
        for (int i = first; i < end; ++i) {
            values.push_back(WrittenOf(_drawing.points[i]));
        }
        return values;
    }

    void ConvertSet(int set, int first, int end) {
        if (end <= first) {
            return;
        }
        const auto written = _written.find(set);
        if (written == _written.end()) {
            KeepSet(set, first, end);
            return;
        }
        const std::vector<Point2>& values = written->second;
        const int spline = _drawing.splineType;
        if (!Lathe()) {
            if (set == 0) {
                KeepSet(set, first, end);
                return;
            }
            std::vector<CurvePiece> pieces = PiecesOf(PrismCurve(spline, values), true);
            if (pieces.empty()) {
                pieces.push_back(PolylinePiece(WrittenPointsOf(first, end - 1), true));
            }
            for (const CurvePiece& piece : pieces) {
                AddPiece(piece, true);
            }
            return;
        }
        CurvePiece profile;
        for (const CurvePiece& piece : PiecesOf(LatheCurve(spline, values), false)) {
            profile.segments.insert(profile.segments.end(), piece.segments.begin(),
                                    piece.segments.end());
        }
        const bool repeatWritten = _drawing.isOpen != 1 || set == 0;
        if (profile.segments.empty()) {
            profile = PolylinePiece(WrittenPointsOf(first, repeatWritten ? end : end - 1), false);
        }
        AddPiece(profile, set != 0);
        if (set != 0) {
            // A finished profile's last point repeats its first, whether or not it is written.
            BuiltSet& built = _sets.back();
            const Point2& start = built.points.front();
            if (repeatWritten) {
                built.points.back() = start;
            } else {
                built.Add(start, start, start);
            }
        }
    }

    // A set POV-Ray draws nothing from keeps its points.
    void KeepSet(int set, int first, int end) {
        BuiltSet built;
        built.finished = set != 0;
        std::vector<Point2> points(_drawing.points + first, _drawing.points + end);
        built.AddOnSegments(points);
        if (_target != BezierSpline) {
            built.control1.front() = _drawing.control1[first];
        }
        _sets.push_back(std::move(built));
        _keptUnfinished = _keptUnfinished || set == 0;
    }

    void AddPiece(const CurvePiece& piece, bool finished) {
        BuiltSet built;
        built.finished = finished;
        if (_target == BezierSpline) {
            AddBezier(piece, built);
        } else {
            AddFitted(piece, built);
        }
        _sets.push_back(std::move(built));
    }

    // Every segment of POV-Ray's curves is a cubic polynomial: one bezier segment exactly.
    static void AddBezier(const CurvePiece& piece, BuiltSet& built) {
        for (const SplineSegment& s : piece.segments) {
            const Point2 first{s.d.x + s.c.x / 3, s.d.y + s.c.y / 3};
            const Point2 second{s.d.x + (2 * s.c.x + s.b.x) / 3, s.d.y + (2 * s.c.y + s.b.y) / 3};
            built.Add(ModelOfFile(s.d), ModelOfFile(first), ModelOfFile(second));
        }
        const Point2 end =
            piece.closed ? built.points.front() : ModelOfFile(piece.segments.back().At(1));
        built.Add(end, end, end);
    }

    void AddFitted(const CurvePiece& piece, BuiltSet& built) {
        const FittedPiece fitted = FitPiece(piece, _target, _tolerance, MostFittedPoints);
        _gaveUp = _gaveUp || !fitted.fitted;
        _deviation = std::max(_deviation, fitted.deviation);
        std::vector<Point2> model;
        for (const Point2& value : fitted.points) {
            model.push_back(ModelOfFile(value));
        }
        if (piece.closed && !model.empty()) {
            model.push_back(model.front());
        }
        built.AddOnSegments(model);
        if (_target == QuadraticSpline || _target == CubicSpline) {
            built.control1.front() = ModelOfFile(fitted.leading);
        }
        if (_target == CubicSpline && piece.closed) {
            built.closing = ModelOfFile(fitted.closing);
        }
    }

    bool Fits(SplineConversion& result) const {
        size_t points = 0;
        int sets = 0;
        for (const BuiltSet& set : _sets) {
            points += set.points.size();
            sets += set.finished ? 1 : 0;
        }
        if (!std::isfinite(_deviation) || !AllFinite()) {
            result.refusal =
                "The drawing's curve is too large to convert: a value would not be "
                "finite.";
            return false;
        }
        if (sets > MaxSets) {
            result.refusal = "The converted drawing would need " + std::to_string(sets) +
                             " sets; a drawing holds " + std::to_string(MaxSets) + ".";
            return false;
        }
        if (_gaveUp || points > static_cast<size_t>(MaxPoints)) {
            result.refusal = "The converted drawing would need " +
                             std::string(_gaveUp ? "more than " : "") + std::to_string(points) +
                             " entries; a drawing holds " + std::to_string(MaxPoints) +
                             ". A larger tolerance needs fewer.";
            return false;
        }
        return true;
    }

    bool AllFinite() const {
        auto finite = [](const Point2& p) { return std::isfinite(p.x) && std::isfinite(p.y); };
        for (const BuiltSet& set : _sets) {
            for (const auto* values : {&set.points, &set.control1, &set.control2}) {
                if (!std::all_of(values->begin(), values->end(), finite)) {
                    return false;
                }
            }
            if (set.closing && !finite(*set.closing)) {
                return false;
            }
        }
        return true;
    }

    Drawing Assembled() const {
        Drawing out = _drawing;
        out.pointCount = 0;
        out.setCount = 0;
        std::fill(std::begin(out.points), std::end(out.points), Point2{0, 0});
        std::fill(std::begin(out.control1), std::end(out.control1), Point2{0, 0});
        std::fill(std::begin(out.control2), std::end(out.control2), Point2{0, 0});
        std::fill(std::begin(out.setEnds), std::end(out.setEnds), 0);
        std::fill(std::begin(out.nodeTypes), std::end(out.nodeTypes), NodeType::Corner);
        out.trailingControls.clear();
        out.splineType = _target;
        for (const BuiltSet& set : _sets) {
            const int first = out.pointCount;
            std::copy(set.points.begin(), set.points.end(), out.points + first);
            std::copy(set.control1.begin(), set.control1.end(), out.control1 + first);
            std::copy(set.control2.begin(), set.control2.end(), out.control2 + first);
            out.pointCount += static_cast<int>(set.points.size());
            if (set.finished) {
                out.setEnds[++out.setCount] = out.pointCount;
                if (set.closing) {
                    KeepTrailingControl(out, first, out.pointCount, FileOf(*set.closing), false);
                }
            }
        }
        return out;
    }

    const Drawing& _drawing;
    ShapeKind _kind;
    int _target;
    double _tolerance;
    std::map<int, std::vector<Point2>> _written;
    std::vector<BuiltSet> _sets;
    double _deviation = 0;
    bool _gaveUp = false;
    bool _keptUnfinished = false;
};

// Whether every bezier handle lies on the straight segment of its point: the curve is then the
// outline of straight lines.
bool HandlesOnSegments(const Drawing& drawing) {
    const int count = std::clamp(drawing.pointCount, 0, MaxPoints);
    for (int j = 0; j + 1 < count; ++j) {
        const Point2& from = drawing.points[j];
        const Point2& to = drawing.points[j + 1];
        const double slack = 1e-9 * (1 + std::fabs(from.x) + std::fabs(from.y));
        if (DistanceToSegment(drawing.control1[j], from, to) > slack ||
            DistanceToSegment(drawing.control2[j], from, to) > slack) {
            return false;
        }
    }
    return true;
}

// The diagonal around the written values, in file units; 1 for a drawing without extent.
double SizeOf(const Drawing& drawing, ShapeKind kind) {
    const WrittenPointList list = WrittenPoints(drawing, kind);
    Point2 low{HUGE_VAL, HUGE_VAL};
    Point2 high{-HUGE_VAL, -HUGE_VAL};
    for (const WrittenEntry& entry : list.entries) {
        low = {std::min(low.x, entry.file.x), std::min(low.y, entry.file.y)};
        high = {std::max(high.x, entry.file.x), std::max(high.y, entry.file.y)};
    }
    const double size = std::hypot(high.x - low.x, high.y - low.y);
    return size > 0 && std::isfinite(size) ? size : 1;
}

}  // namespace

const char* SplineName(int spline) {
    static const char* const names[] = {"linear", "quadratic", "cubic", "bezier"};
    return spline >= LinearSpline && spline <= BezierSpline ? names[spline] : "unknown";
}

double DefaultTolerance(const Drawing& drawing, ShapeKind kind) {
    return SizeOf(drawing, kind) * DefaultShareOfSize;
}

SplineConversion ConvertSpline(const Drawing& drawing, ShapeKind kind, int target,
                               double tolerance) {
    SplineConversion result;
    result.drawing = drawing;
    if (kind != Prism && kind != Lathe) {
        result.refusal = kind == Polygon ? "A polygon has no spline: it is always straight."
                                         : "A surface of revolution has no spline to convert.";
        return result;
    }
    if (target < LinearSpline || target > BezierSpline) {
        result.refusal = "There is no such spline.";
        return result;
    }
    if (target == drawing.splineType) {
        result.ok = true;
        result.exact = true;
        return result;
    }
    const double size = SizeOf(drawing, kind);
    const double wanted =
        std::max(tolerance > 0 ? tolerance : size * DefaultShareOfSize, size * FinestShareOfSize);
    Converter(drawing, kind, target, wanted).Run(result);
    return result;
}

std::string PlainConversionNote(const Drawing& drawing, ShapeKind kind, int target) {
    const int source = drawing.splineType;
    if ((kind != Prism && kind != Lathe) || target == source || drawing.pointCount == 0) {
        return "";
    }
    if (source == BezierSpline) {
        return "the bezier handles are dropped: the curve changes";
    }
    if (target == BezierSpline && source == LinearSpline && HandlesOnSegments(drawing)) {
        return "";
    }
    return std::string("the curve changes: the points are joined by a ") + SplineName(target) +
           " spline now";
}
