#include "model/SplineCurve.h"

#include <cmath>
#include <initializer_list>

#include "model/EditState.h"

namespace {

const char* const TooFewLinear =
    "Parse Error: Prism with linear splines must have at least three points.";
const char* const TooFewQuadratic =
    "Parse Error: Prism with quadratic splines must have at least five points.";
const char* const TooFewCubic =
    "Parse Error: Prism with cubic splines must have at least six points.";
const char* const NotFourPerSegment =
    "Parse Error: Prism with Bezier splines must have four points per segment.";
const char* const LinearNotClosed = "Parse Warning: Linear prism not closed. Closing it.";
const char* const NotClosed = "Parse Warning: Prism not closed. Ignoring it.";
const char* const TooFewInPrism = "Possible Parse Error: Too few points in prism.";

// The ray tracer takes two points as one when neither coordinate differs by 1e-10 or more.
bool Same(const Point2& p, const Point2& q) {
    return std::fabs(p.x - q.x) < 1e-10 && std::fabs(p.y - q.y) < 1e-10;
}

// The sum of weights[k] p[k].
Point2 Weighted(const Point2* p, std::initializer_list<double> weights) {
    Point2 sum{0, 0};
    for (double w : weights) {
        sum.x += w * p->x;
        sum.y += w * p->y;
        ++p;
    }
    return sum;
}

// The segment of a spline whose points start at p.
SplineSegment SegmentAt(int spline, const Point2* p) {
    switch (spline) {
        case QuadraticSpline:  // from p[1] to p[2]; p[0] only bends its start
            return {{0, 0}, Weighted(p, {0.5, -1, 0.5}), Weighted(p, {-0.5, 0, 0.5}), p[1]};
        case CubicSpline:  // uniform Catmull-Rom from p[1] to p[2]
            return {Weighted(p, {-0.5, 1.5, -1.5, 0.5}), Weighted(p, {1, -2.5, 2, -0.5}),
                    Weighted(p, {-0.5, 0, 0.5}), p[1]};
        case BezierSpline:
            return {Weighted(p, {-1, 3, -3, 1}), Weighted(p, {3, -6, 3}), Weighted(p, {-3, 3}),
                    p[0]};
        default:
            return {{0, 0}, {0, 0}, Weighted(p, {-1, 1}), p[0]};
    }
}

// How many points of the list a segment weighs.
int PointsPerSegment(int spline) {
    switch (spline) {
        case QuadraticSpline:
            return 3;
        case CubicSpline:
        case BezierSpline:
            return 4;
        default:
            return 2;
    }
}

class CurveBuilder {
public:
    CurveBuilder(int spline, const std::vector<Point2>& points)
        : _spline(spline), _points(points) {}

    // The segments that start at first .. last - 1.
    void AddSegments(int first, int last) {
        for (int i = first; i < last; ++i) {
            _curve.segments.push_back(SegmentAt(_spline, &_points[i]));
        }
    }
    void EndPiece() {
        int end = static_cast<int>(_curve.segments.size());
        if (end > (_curve.pieceEnds.empty() ? 0 : _curve.pieceEnds.back())) {
            _curve.pieceEnds.push_back(end);
        }
    }
    // The closing edge a linear prism gets when its last outline does not come back.
    void AddEdge(const Point2& from, const Point2& to) {
        const Point2 ends[] = {from, to};
        _curve.segments.push_back(SegmentAt(LinearSpline, ends));
    }
    void Warn(const char* text) { _curve.messages.warning = text; }
    void Refuse(const char* text) { _curve.messages.error = text; }
    void DropAll() {
        _curve.segments.clear();
        _curve.pieceEnds.clear();
    }
    SplineCurve Take() { return std::move(_curve); }

private:
    int _spline;
    const std::vector<Point2>& _points;
    SplineCurve _curve;
};

// The first index after from whose point is the same as the one at from; n when none.
int ClosingIndex(const std::vector<Point2>& points, int from) {
    int n = static_cast<int>(points.size());
    int i = from + 1;
    while (i < n && !Same(points[i], points[from])) {
        ++i;
    }
    return i;
}

void LinearSubPrisms(const std::vector<Point2>& points, CurveBuilder& curve) {
    int n = static_cast<int>(points.size());
    // One point left after a closed outline is passed over without a word.
    for (int start = 0; n - start > 1;) {
        int close = ClosingIndex(points, start);
        if (close < n) {
            curve.AddSegments(start, close);
            curve.EndPiece();
            start = close + 1;
            continue;
        }
        curve.Warn(LinearNotClosed);
        curve.AddSegments(start, n - 1);
        curve.AddEdge(points[n - 1], points[start]);
        curve.EndPiece();
        return;
    }
}

// Quadratic and cubic: a control point before each outline, cubic one more after its closing
// point. A single point left over is passed over; anything more that does not make a closed
// outline refuses the whole prism.
void ControlledSubPrisms(int spline, const std::vector<Point2>& points, CurveBuilder& curve) {
    int n = static_cast<int>(points.size());
    int trailing = spline == CubicSpline ? 1 : 0;
    for (int start = 0; n - start > 1;) {
        if (n - start == 2) {
            curve.Refuse(TooFewInPrism);
            return;
        }
        int close = ClosingIndex(points, start + 1);
        if (close + trailing >= n) {
            // Closed but for a cubic's trailing control point, it is only too short.
            if (close == n) {
                curve.Warn(NotClosed);
            }
            curve.Refuse(TooFewInPrism);
            return;
        }
        curve.AddSegments(start, close - 1);
        curve.EndPiece();
        start = close + 1 + trailing;
    }
}

// Bezier: groups of four; a group that does not start where the one before it ended starts a
// new sub-prism, and every sub-prism must end on its own first point, or the prism is dropped.
void BezierSubPrisms(const std::vector<Point2>& points, CurveBuilder& curve) {
    int n = static_cast<int>(points.size());
    int start = 0;
    for (int group = 4; group <= n; group += 4) {
        curve.AddSegments(group - 4, group - 3);
        bool last = group == n;
        if (last || !Same(points[group], points[group - 1])) {
            if (!Same(points[group - 1], points[start])) {
                curve.Warn(NotClosed);
                curve.DropAll();
                return;
            }
            curve.EndPiece();
            start = group;
        }
    }
}

}  // namespace

SplineCurve PrismCurve(int spline, const std::vector<Point2>& points) {
    CurveBuilder curve(spline, points);
    int n = static_cast<int>(points.size());
    switch (spline) {
        case QuadraticSpline:
        case CubicSpline:
            if (n < (spline == CubicSpline ? 6 : 5)) {
                curve.Refuse(spline == CubicSpline ? TooFewCubic : TooFewQuadratic);
                break;
            }
            ControlledSubPrisms(spline, points, curve);
            break;
        case BezierSpline:
            if (n % 4 != 0) {
                curve.Refuse(NotFourPerSegment);
                break;
            }
            BezierSubPrisms(points, curve);
            break;
        default:
            if (n < 3) {
                curve.Refuse(TooFewLinear);
                break;
            }
            LinearSubPrisms(points, curve);
            break;
    }
    return curve.Take();
}

SplineCurve LatheCurve(int spline, const std::vector<Point2>& points) {
    CurveBuilder curve(spline, points);
    int n = static_cast<int>(points.size());
    if (spline != BezierSpline) {
        curve.AddSegments(0, n - PointsPerSegment(spline) + 1);
        curve.EndPiece();
        return curve.Take();
    }
    // Bezier groups are not joined: each gap starts a new piece.
    for (int group = 0; group + 4 <= n; group += 4) {
        if (group > 0 && !Same(points[group], points[group - 1])) {
            curve.EndPiece();
        }
        curve.AddSegments(group, group + 1);
    }
    curve.EndPiece();
    return curve.Take();
}
