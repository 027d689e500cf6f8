#include "model/CurveFlattening.h"

#include <algorithm>
#include <cmath>

#include "model/SegmentDistance.h"

namespace {

// A segment of a huge curve (a drawing scaled far beyond the view) is cut into no more chords
// than this; the clip box keeps such segments from needing them.
constexpr double MaxStepsPerSegment = 4096;

// A finer tolerance (or none at all) is taken as this one: the halving of profile segments
// would otherwise run to its last level everywhere.
constexpr double FinestTolerance = 1e-3;

// A profile segment is halved at least this often and at most this often.
constexpr int SorMinDepth = 2;
constexpr int SorMaxDepth = 24;

// However large a profile segment is, it is halved no finer than this share of its size: one
// reaching far beyond any view would otherwise be halved to the last level along its whole
// length, millions of points for one segment.
constexpr double FinestShareOfSize = 1e-6;

double ToleranceOf(const FlattenOptions& options) {
    return options.tolerance > FinestTolerance ? options.tolerance : FinestTolerance;
}

SplineSegment Mapped(const SplineSegment& s, const Affine2& map) {
    return {map.ApplyLinear(s.a), map.ApplyLinear(s.b), map.ApplyLinear(s.c), map.Apply(s.d)};
}

// Chords over equal steps 1/m of t stay within max |p''| / (8 m^2) of the curve, and p'' = 6at + 2b
// is longest at one of the ends.
double StepsFor(const SplineSegment& s, double tolerance) {
    double bend = std::max(std::hypot(2 * s.b.x, 2 * s.b.y),
                           std::hypot(6 * s.a.x + 2 * s.b.x, 6 * s.a.y + 2 * s.b.y));
    double steps = std::ceil(std::sqrt(bend / (8 * tolerance)));
    return steps >= 1 ? std::min(steps, MaxStepsPerSegment) : 1;
}

// Whether the segment's bezier control points, and so the whole segment, lie outside the box.
bool Outside(const SplineSegment& s, const ClipBox& box, double margin) {
    const Point2 controls[] = {s.d,
                               {s.d.x + s.c.x / 3, s.d.y + s.c.y / 3},
                               {s.d.x + (2 * s.c.x + s.b.x) / 3, s.d.y + (2 * s.c.y + s.b.y) / 3},
                               s.At(1)};
    auto beyond = [&controls](auto outside) {
        return std::all_of(std::begin(controls), std::end(controls), outside);
    };
    return beyond([&](const Point2& p) { return p.x < box.left - margin; }) ||
           beyond([&](const Point2& p) { return p.x > box.right + margin; }) ||
           beyond([&](const Point2& p) { return p.y < box.top - margin; }) ||
           beyond([&](const Point2& p) { return p.y > box.bottom + margin; });
}

void AppendSegment(const SplineSegment& segment, const FlattenOptions& options, Polylines& out) {
    SplineSegment s = Mapped(segment, options.map);
    double tolerance = ToleranceOf(options);
    bool hidden = options.clip && Outside(s, *options.clip, tolerance);
    double steps = hidden ? 1 : StepsFor(s, tolerance);
    for (double i = 1; i <= steps; ++i) {
        out.points.push_back(s.At(i / steps));
    }
}

void EndLine(Polylines& out) {
    out.ends.push_back(static_cast<int>(out.points.size()));
}

// Where f crosses 0 or turns, in (0, 1), with 0 and 1, in order: between two neighbours f
// keeps one sign.
std::vector<double> SignBreaks(const SorSegment& s) {
    double a = 2 * s.f1 - 2 * s.f2 + s.m1 + s.m2;
    double b = -3 * s.f1 + 3 * s.f2 - 2 * s.m1 - s.m2;
    // f' = 3a u^2 + 2b u + m1.
    std::vector<double> breaks{0, 1};
    double qa = 3 * a;
    double qb = 2 * b;
    double disc = qb * qb - 4 * qa * s.m1;
    if (qa != 0 && disc >= 0) {
        double q = -0.5 * (qb + std::copysign(std::sqrt(disc), qb));
        breaks.push_back(q / qa);
        if (q != 0) {
            breaks.push_back(s.m1 / q);
        }
    } else if (qa == 0 && qb != 0) {
        breaks.push_back(-s.m1 / qb);
    }
    breaks.erase(std::remove_if(breaks.begin() + 2, breaks.end(),
                                [](double u) { return !(u > 0 && u < 1); }),
                 breaks.end());
    std::sort(breaks.begin(), breaks.end());
    size_t turns = breaks.size();
    for (size_t k = 0; k + 1 < turns; ++k) {
        double lo = breaks[k];
        double hi = breaks[k + 1];
        if ((s.SquareAt(lo) < 0) == (s.SquareAt(hi) < 0)) {
            continue;
        }
        bool loNegative = s.SquareAt(lo) < 0;
        for (int i = 0; i < 100 && lo < hi; ++i) {
            double mid = 0.5 * (lo + hi);
            if (mid <= lo || mid >= hi) {
                break;
            }
            ((s.SquareAt(mid) < 0) == loNegative ? lo : hi) = mid;
        }
        breaks.push_back(s.SquareAt(lo) >= 0 ? lo : hi);
    }
    std::sort(breaks.begin(), breaks.end());
    return breaks;
}

// The size of a profile segment in the caller's units, at least: its rise and its widest
// diameter (the square of the radius, a cubic, stays within the larger end value and 4/27 of
// each end slope).
double SizeOf(const SorSegment& s, const Affine2& map) {
    double widest = std::sqrt(std::max(std::fabs(s.f1), std::fabs(s.f2)) +
                              4.0 / 27 * (std::fabs(s.m1) + std::fabs(s.m2)));
    double across = std::max(std::fabs(s.h2 - s.h1), 2 * widest);
    Point2 x = map.ApplyLinear({across, 0});
    Point2 y = map.ApplyLinear({0, across});
    return std::max(std::hypot(x.x, x.y), std::hypot(y.x, y.y));
}

class ProfileFlattener {
public:
    ProfileFlattener(const FlattenOptions& options, Polylines& out)
        : _options(options), _out(out) {}

    void Segment(const SorSegment& s) {
        bool joined = _previous && _previous->h2 == s.h1 && _previous->f2 == s.f1;
        if (!joined) {
            End();
        }
        _previous = &s;
        _tolerance =
            std::max(0.5 * ToleranceOf(_options), FinestShareOfSize * SizeOf(s, _options.map));
        std::vector<double> breaks = SignBreaks(s);
        for (size_t k = 0; k + 1 < breaks.size(); ++k) {
            double from = breaks[k];
            double to = breaks[k + 1];
            if (s.SquareAt(0.5 * (from + to)) < 0) {
                End();
                continue;
            }
            Point2 start = Map(s, from);
            if (!_running) {
                _out.points.push_back(start);
                _running = true;
            }
            Subdivide(s, from, start, to, Map(s, to), 0);
        }
    }

    void End() {
        if (_running) {
            EndLine(_out);
        }
        _running = false;
    }

private:
    Point2 Map(const SorSegment& s, double u) const { return _options.map.Apply(s.At(u)); }

    void Subdivide(const SorSegment& s, double u0, const Point2& p0, double u1, const Point2& p1,
                   int depth) {
        double mid = 0.5 * (u0 + u1);
        Point2 middle = Map(s, mid);
        if (depth >= SorMaxDepth || (depth >= SorMinDepth && Flat(s, u0, p0, u1, p1, middle))) {
            _out.points.push_back(p1);
            return;
        }
        Subdivide(s, u0, p0, mid, middle, depth + 1);
        Subdivide(s, mid, middle, u1, p1, depth + 1);
    }

    // Whether the chord stays within the segment's tolerance at the middle and the two
    // quarters. A curve beyond the numbers counts as flat, so that it ends the halving.
    bool Flat(const SorSegment& s, double u0, const Point2& p0, double u1, const Point2& p1,
              const Point2& middle) const {
        return !(DistanceToSegment(middle, p0, p1) > _tolerance ||
                 DistanceToSegment(Map(s, 0.75 * u0 + 0.25 * u1), p0, p1) > _tolerance ||
                 DistanceToSegment(Map(s, 0.25 * u0 + 0.75 * u1), p0, p1) > _tolerance);
    }

    const FlattenOptions& _options;
    Polylines& _out;
    // Half the caller's tolerance, which leaves room for the curve between the three points
    // Flat looks at; coarser for a segment of a size beyond any view.
    double _tolerance = 0;
    const SorSegment* _previous = nullptr;
    bool _running = false;
};

}  // namespace

void FlattenCurve(const SplineCurve& curve, const FlattenOptions& options, Polylines& out) {
    int first = 0;
    for (int end : curve.pieceEnds) {
        if (first < end) {
            out.points.push_back(options.map.Apply(curve.segments[first].d));
            for (int i = first; i < end; ++i) {
                AppendSegment(curve.segments[i], options, out);
            }
            EndLine(out);
        }
        first = end;
    }
}

void FlattenCurve(const std::vector<SorSegment>& curve, const FlattenOptions& options,
                  Polylines& out) {
    ProfileFlattener flattener(options, out);
    for (const SorSegment& segment : curve) {
        flattener.Segment(segment);
    }
    flattener.End();
}
