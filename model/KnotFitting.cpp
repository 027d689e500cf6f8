#include "model/KnotFitting.h"

#include <algorithm>
#include <cmath>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "model/ModelUnits.h"
#include "model/ReadBack.h"
#include "model/SegmentDistance.h"

namespace {

// A stretch is not halved below this share of one segment of the piece: by then the written
// digits, not the fit, decide the deviation.
constexpr double ShortestStretch = 1e-9;
// Samples lie this share of the tolerance from their chords at most; what they miss is added to
// the deviation found.
constexpr double SampleShare = 0.1;
constexpr double MostSteps = 64;

Point2 Plus(const Point2& p, const Point2& q, double times = 1) {
    return {p.x + times * q.x, p.y + times * q.y};
}

bool SameWritten(const Point2& p, const Point2& q) {
    return p.x == q.x && p.y == q.y;
}

// Appends points of the segment over t0 .. t1 whose chords stay within `chord` of it, or as
// close as MostSteps of them come; returns how close that is. p'' is linear in t, so its
// length over [0, 1] is largest at an end.
double Sample(const SplineSegment& s, double t0, double t1, double chord,
              std::vector<Point2>& out) {
    const double bend = std::max(std::hypot(2 * s.b.x, 2 * s.b.y),
                                 std::hypot(6 * s.a.x + 2 * s.b.x, 6 * s.a.y + 2 * s.b.y));
    const double span = t1 - t0;
    const double steps =
        std::clamp(std::ceil(span * std::sqrt(bend / (8 * chord))), 1.0, MostSteps);
    for (double j = out.empty() ? 0 : 1; j <= steps; ++j) {
        out.push_back(s.At(t0 + span * j / steps));
    }
    const double step = span / steps;
    return bend * step * step / 8;
}

// The largest distance from a point of `from` to the polyline `to`.
double Farthest(const std::vector<Point2>& from, const std::vector<Point2>& to) {
    double farthest = 0;
    for (const Point2& p : from) {
        double nearest = HUGE_VAL;
        for (size_t i = 0; i + 1 < to.size() && nearest > farthest; ++i) {
            nearest = std::min(nearest, SquaredDistanceToSegment(p, to[i], to[i + 1]));
        }
        if (to.size() == 1) {
            nearest = SquaredDistanceToSegment(p, to[0], to[0]);
        }
        farthest = std::max(farthest, nearest);
    }
    return std::sqrt(farthest);
}

class PieceFitter {
public:
    PieceFitter(const CurvePiece& piece, int spline, double tolerance)
        : _piece(piece),
          _spline(spline),
          _tolerance(tolerance),
          _chord(tolerance * SampleShare),
          _span(static_cast<double>(piece.segments.size())) {}

    FittedPiece Fit(size_t maxPoints) {
        StartAtJoints();
        FittedPiece fitted;
        std::vector<double> deviations;
        for (;;) {
            const SplineCurve target = TargetCurve(fitted);
            Measure(target, deviations);
            const std::vector<size_t> failing = ToHalve(deviations);
            fitted.deviation = deviations.empty()
                                   ? HUGE_VAL
                                   : *std::max_element(deviations.begin(), deviations.end());
            if (deviations.empty() || failing.empty() || _knots.size() > maxPoints ||
                !Halve(failing)) {
                break;
            }
        }
        fitted.fitted = _knots.size() <= maxPoints;
        for (const Knot& knot : _knots) {
            fitted.points.push_back(knot.value);
        }
        return fitted;
    }

private:
    struct Knot {
        double u;
        Point2 value;
        // Of the stretch from this knot to the next; below 0 until measured.
        double deviation = -1;
    };

    Point2 At(double u) const {
        const size_t last = _piece.segments.size() - 1;
        const size_t i = std::min(static_cast<size_t>(std::max(u, 0.0)), last);
        return _piece.segments[i].At(u - static_cast<double>(i));
    }

    // The piece's derivative by u, at a joint that of the segment after it, or before it.
    Point2 Slope(double u, bool before) const {
        const size_t last = _piece.segments.size() - 1;
        double whole = std::floor(u);
        if (before && whole == u && u > 0) {
            whole -= 1;
        }
        const size_t i = std::min(static_cast<size_t>(std::max(whole, 0.0)), last);
        const SplineSegment& s = _piece.segments[i];
        const double t = u - static_cast<double>(i);
        return {(3 * s.a.x * t + 2 * s.b.x) * t + s.c.x, (3 * s.a.y * t + 2 * s.b.y) * t + s.c.y};
    }

    Point2 KnotValue(double u) const {
        Point2 p = At(u);
        // A lathe's radius is never below 0; a profile that dips below it is drawn on the axis.
        if (!_piece.closed && p.x < 0) {
            p.x = 0;
        }
        return WrittenFileValue(p);
    }

    // A knot that would end the outline early or repeat its neighbour is left out.
    bool Allowed(const Point2& value, size_t before) const {
        const bool repeatsFirst = _piece.closed && SameWritten(value, _knots.front().value);
        const bool repeatsNeighbour =
            SameWritten(value, _knots[before - 1].value) ||
            (before < _knots.size() && SameWritten(value, _knots[before].value));
        return !repeatsFirst && !repeatsNeighbour;
    }

    size_t Stretches() const { return _piece.closed ? _knots.size() : _knots.size() - 1; }
    double EndOf(size_t stretch) const {
        return stretch + 1 < _knots.size() ? _knots[stretch + 1].u : _span;
    }

    void StartAtJoints() {
        const size_t joints = _piece.segments.size() + (_piece.closed ? 0 : 1);
        _knots.push_back({0, KnotValue(0)});
        for (size_t i = 1; i < joints; ++i) {
            const double u = static_cast<double>(i);
            const Point2 value = KnotValue(u);
            const bool last = i + 1 == joints && !_piece.closed;
            if (last && _knots.size() > 1 && SameWritten(value, _knots.back().value)) {
                _knots.back() = {u, value};
            } else if (last || Allowed(value, _knots.size())) {
                _knots.push_back({u, value});
            }
        }
        // An outline needs three points, a profile two.
        const size_t least = _piece.closed ? 3 : 2;
        for (size_t tries = 0; _knots.size() < least && tries < 8; ++tries) {
            std::vector<size_t> all(Stretches());
            for (size_t i = 0; i < all.size(); ++i) {
                all[i] = i;
            }
            Halve(all);
        }
    }

    // The stretches beyond the tolerance, and for a quadratic or cubic target their neighbours,
    // whose knots shape them: a stretch after a corner bends as far as the knot before it lies.
    std::vector<size_t> ToHalve(const std::vector<double>& deviations) const {
        const size_t count = deviations.size();
        const bool neighbours = _spline == QuadraticSpline || _spline == CubicSpline;
        std::vector<char> marked(count, 0);
        for (size_t i = 0; i < count; ++i) {
            if (!(deviations[i] > _tolerance)) {
                continue;
            }
            marked[i] = 1;
            if (neighbours && (i > 0 || _piece.closed)) {
                marked[(i + count - 1) % count] = 1;
            }
            if (neighbours && (i + 1 < count || _piece.closed)) {
                marked[(i + 1) % count] = 1;
            }
        }
        std::vector<size_t> halve;
        for (size_t i = 0; i < count; ++i) {
            if (marked[i]) {
                halve.push_back(i);
            }
        }
        return halve;
    }

    // Halves the stretches, the last first so that the indices hold; false when none could be.
    bool Halve(const std::vector<size_t>& stretches) {
        bool halved = false;
        for (auto i = stretches.rbegin(); i != stretches.rend(); ++i) {
            const double from = _knots[*i].u;
            const double to = EndOf(*i);
            if (to - from < ShortestStretch) {
                continue;
            }
            const double u = (from + to) / 2;
            const Point2 value = KnotValue(u);
            if (Allowed(value, *i + 1)) {
                _knots.insert(_knots.begin() + static_cast<long>(*i) + 1, {u, value});
                Unmeasure(*i + 1);
                halved = true;
            }
        }
        return halved;
    }

    // A stretch is shaped by at most the knot before it and the two after it: those around a
    // new knot are measured again, the others keep their deviation.
    void Unmeasure(size_t added) {
        const long count = static_cast<long>(_knots.size());
        for (long i = static_cast<long>(added) - 2; i <= static_cast<long>(added) + 1; ++i) {
            if (_piece.closed || (i >= 0 && i < count)) {
                _knots[static_cast<size_t>((i + count) % count)].deviation = -1;
            }
        }
    }

    // The control point before the first knot that gives the target's first stretch the piece's
    // own direction there, and the one after the last that gives its last stretch its own.
    Point2 Leading() const {
        const Point2 slope = Slope(0, false);
        Point2 leading = Plus(_knots[1].value, slope, -2 * _knots[1].u);
        if (!_piece.closed && leading.x < 0) {
            leading.x = 0;
        }
        return WrittenFileValue(leading);
    }
    Point2 Closing() const {
        const Point2 slope = Slope(_span, true);
        return WrittenFileValue(Plus(_knots.back().value, slope, 2 * (_span - _knots.back().u)));
    }

    // The point list the writer writes for the knots, as POV-Ray reads it, and its curve.
    SplineCurve TargetCurve(FittedPiece& fitted) const {
        std::vector<Point2> list;
        const bool controlled = _spline == QuadraticSpline || _spline == CubicSpline;
        if (controlled) {
            fitted.leading = Leading();
            list.push_back(fitted.leading);
        }
        for (const Knot& knot : _knots) {
            list.push_back(knot.value);
        }
        if (_piece.closed) {
            list.push_back(_knots.front().value);
            if (_spline == CubicSpline) {
                fitted.closing = Closing();
                list.push_back(fitted.closing);
            }
            return PrismCurve(_spline, list);
        }
        if (_spline == CubicSpline) {
            // The writer's own end slope point: a quarter of the way back along the last chord.
            const Point2& end = _knots.back().value;
            const Point2& before = _knots[_knots.size() - 2].value;
            list.push_back(ReadBack(Plus(end, Plus(before, end, -1), 0.25)));
        }
        return LatheCurve(_spline, list);
    }

    void Measure(const SplineCurve& target, std::vector<double>& deviations) {
        deviations.assign(Stretches(), HUGE_VAL);
        if (target.segments.size() != deviations.size()) {
            return;
        }
        std::vector<Point2> fitted;
        std::vector<Point2> source;
        for (size_t i = 0; i < deviations.size(); ++i) {
            if (_knots[i].deviation < 0) {
                fitted.clear();
                const double missed = std::max(Sample(target.segments[i], 0, 1, _chord, fitted),
                                               SourceSamples(_knots[i].u, EndOf(i), source));
                _knots[i].deviation =
                    std::max(Farthest(fitted, source), Farthest(source, fitted)) + 2 * missed;
            }
            deviations[i] = _knots[i].deviation;
        }
    }

    // Returns how far the samples' chords may miss the piece.
    double SourceSamples(double from, double to, std::vector<Point2>& out) const {
        out.clear();
        double missed = 0;
        for (double start = std::floor(from); start < to; start += 1) {
            const SplineSegment& s = _piece.segments[static_cast<size_t>(start)];
            missed = std::max(missed, Sample(s, std::max(from, start) - start,
                                             std::min(to, start + 1) - start, _chord, out));
        }
        return missed;
    }

    const CurvePiece& _piece;
    int _spline;
    double _tolerance;
    double _chord;
    double _span;
    std::vector<Knot> _knots;
};

}  // namespace

FittedPiece FitPiece(const CurvePiece& piece, int spline, double tolerance, size_t maxPoints) {
    if (piece.segments.empty()) {
        return {};
    }
    return PieceFitter(piece, spline, tolerance).Fit(maxPoints);
}

Point2 ModelOfFile(const Point2& file) {
    return {file.x * ModelUnitsPerFileUnit, -file.y * ModelUnitsPerFileUnit};
}

Point2 WrittenFileValue(const Point2& file) {
    const Point2 model = ModelOfFile(file);
    return ReadBack(Point2{KCanvasPane::FileX(model.x), KCanvasPane::FileY(model.y)});
}
