#include "model/CurveFitting.h"

#include <algorithm>
#include <cmath>

namespace {

// A piece is reparameterised this often before it is split.
constexpr int Reparameterisations = 4;

Point2 Sub(const Point2& a, const Point2& b) {
    return {a.x - b.x, a.y - b.y};
}
Point2 Add(const Point2& a, const Point2& b) {
    return {a.x + b.x, a.y + b.y};
}
Point2 Scale(const Point2& a, double k) {
    return {a.x * k, a.y * k};
}
double Dot(const Point2& a, const Point2& b) {
    return a.x * b.x + a.y * b.y;
}
double Length(const Point2& a) {
    return std::hypot(a.x, a.y);
}
Point2 Unit(const Point2& a) {
    const double length = Length(a);
    return length > 0 ? Scale(a, 1 / length) : Point2{0, 0};
}

Point2 At(const CubicPiece& c, double t) {
    const double s = 1 - t;
    return Add(Add(Scale(c.from, s * s * s), Scale(c.handle1, 3 * s * s * t)),
               Add(Scale(c.handle2, 3 * s * t * t), Scale(c.to, t * t * t)));
}
Point2 Derivative(const CubicPiece& c, double t) {
    const double s = 1 - t;
    return Add(
        Add(Scale(Sub(c.handle1, c.from), 3 * s * s), Scale(Sub(c.handle2, c.handle1), 6 * s * t)),
        Scale(Sub(c.to, c.handle2), 3 * t * t));
}
Point2 SecondDerivative(const CubicPiece& c, double t) {
    const Point2 first = Add(Sub(c.handle2, Scale(c.handle1, 2)), c.from);
    const Point2 second = Add(Sub(c.to, Scale(c.handle2, 2)), c.handle1);
    return Add(Scale(first, 6 * (1 - t)), Scale(second, 6 * t));
}

CubicPiece Straight(const Point2& from, const Point2& to) {
    return {from, Add(from, Scale(Sub(to, from), 1.0 / 3)),
            Add(from, Scale(Sub(to, from), 2.0 / 3)), to};
}

// One run of points, fitted piece by piece into the outline.
class RunFitter {
public:
    RunFitter(const std::vector<Point2>& points, const FitOptions& options, FittedOutline& out)
        : _p(points), _options(options), _out(out) {}

    void Fit(int first, int last, Point2 startTangent, Point2 endTangent) {
        if (last - first == 1) {
            Keep(Straight(_p[first], _p[last]), 0);
            return;
        }
        std::vector<double> u = ChordParameters(first, last);
        CubicPiece piece = LeastSquares(first, last, u, startTangent, endTangent);
        int worst = 0;
        double error = MaxError(first, piece, u, worst);
        for (int i = 0; i < Reparameterisations && error > _options.tolerance; ++i) {
            Reparameterise(first, piece, u);
            piece = LeastSquares(first, last, u, startTangent, endTangent);
            error = MaxError(first, piece, u, worst);
        }
        if (error <= _options.tolerance) {
            Keep(piece, error);
            return;
        }
        const int split = std::clamp(first + worst, first + 1, last - 1);
        const Point2 centre = Unit(Sub(_p[split - 1], _p[split + 1]));
        Fit(first, split, startTangent, centre);
        Fit(split, last, Scale(centre, -1), endTangent);
    }

private:
    void Keep(const CubicPiece& piece, double error) {
        _out.pieces.push_back(piece);
        _out.deviation = std::max(_out.deviation, error);
    }

    std::vector<double> ChordParameters(int first, int last) const {
        std::vector<double> u(last - first + 1, 0.0);
        for (int i = first + 1; i <= last; ++i) {
            u[i - first] = u[i - first - 1] + Length(Sub(_p[i], _p[i - 1]));
        }
        const double total = u.back();
        for (double& value : u) {
            value = total > 0 ? value / total : 0;
        }
        return u;
    }

    // The handle lengths that bring the piece closest to the points in the least-squares sense,
    // its handles along the given tangents.
    CubicPiece LeastSquares(int first, int last, const std::vector<double>& u,
                            const Point2& startTangent, const Point2& endTangent) const {
        const Point2 from = _p[first];
        const Point2 to = _p[last];
        double c00 = 0, c01 = 0, c11 = 0, x0 = 0, x1 = 0;
        for (int i = first; i <= last; ++i) {
            const double t = u[i - first];
            const double s = 1 - t;
            const Point2 a0 = Scale(startTangent, 3 * s * s * t);
            const Point2 a1 = Scale(endTangent, 3 * s * t * t);
            c00 += Dot(a0, a0);
            c01 += Dot(a0, a1);
            c11 += Dot(a1, a1);
            const Point2 rest = Sub(_p[i], Add(Scale(from, s * s * s + 3 * s * s * t),
                                               Scale(to, 3 * s * t * t + t * t * t)));
            x0 += Dot(a0, rest);
            x1 += Dot(a1, rest);
        }
        const double det = c00 * c11 - c01 * c01;
        const double chord = Length(Sub(to, from));
        double alpha1 = det != 0 ? (x0 * c11 - x1 * c01) / det : 0;
        double alpha2 = det != 0 ? (c00 * x1 - c01 * x0) / det : 0;
        // Handles that vanish or turn back make a poor curve: a third of the chord instead.
        const double least = chord * 1e-6;
        if (!(alpha1 > least) || !(alpha2 > least)) {
            alpha1 = alpha2 = chord / 3;
        }
        return {from, Add(from, Scale(startTangent, alpha1)), Add(to, Scale(endTangent, alpha2)),
                to};
    }

    double MaxError(int first, const CubicPiece& piece, const std::vector<double>& u,
                    int& worst) const {
        double error = 0;
        worst = static_cast<int>(u.size()) / 2;
        for (size_t i = 1; i + 1 < u.size(); ++i) {
            const double d = Length(Sub(At(piece, u[i]), _p[first + i]));
            if (d > error) {
                error = d;
                worst = static_cast<int>(i);
            }
        }
        return error;
    }

    // One Newton step for each point towards the parameter of its nearest curve point.
    void Reparameterise(int first, const CubicPiece& piece, std::vector<double>& u) const {
        for (size_t i = 1; i + 1 < u.size(); ++i) {
            const Point2 d = Sub(At(piece, u[i]), _p[first + i]);
            const Point2 d1 = Derivative(piece, u[i]);
            const Point2 d2 = SecondDerivative(piece, u[i]);
            const double denominator = Dot(d1, d1) + Dot(d, d2);
            if (denominator != 0) {
                u[i] = std::clamp(u[i] - Dot(d, d1) / denominator, 0.0, 1.0);
            }
        }
    }

    const std::vector<Point2>& _p;
    const FitOptions& _options;
    FittedOutline& _out;
};

double TurnAngle(const Point2& before, const Point2& at, const Point2& after) {
    const Point2 in = Sub(at, before);
    const Point2 out = Sub(after, at);
    return std::atan2(std::fabs(in.x * out.y - in.y * out.x), Dot(in, out));
}

// The indices of the ring where runs break: corners, and both ends of every straight edge.
std::vector<int> Breaks(const std::vector<Point2>& ring, const FitOptions& options) {
    const int n = static_cast<int>(ring.size());
    std::vector<int> breaks;
    for (int i = 0; i < n; ++i) {
        const Point2& before = ring[(i + n - 1) % n];
        const Point2& after = ring[(i + 1) % n];
        const bool longEdge = Length(Sub(ring[i], before)) >= options.straightEdge ||
                              Length(Sub(after, ring[i])) >= options.straightEdge;
        if (longEdge || TurnAngle(before, ring[i], after) > options.cornerAngle) {
            breaks.push_back(i);
        }
    }
    return breaks;
}

// A run's tangent at its first point (leaving) or its last (arriving), from its neighbour.
Point2 EndTangent(const std::vector<Point2>& run, bool start) {
    const size_t n = run.size();
    return start ? Unit(Sub(run[1], run[0])) : Unit(Sub(run[n - 2], run[n - 1]));
}

}  // namespace

FittedOutline FitClosedPolyline(const std::vector<Point2>& ring, const FitOptions& options) {
    FittedOutline out;
    const int n = static_cast<int>(ring.size());
    if (n < 2) {
        return out;
    }
    std::vector<int> breaks = Breaks(ring, options);
    // A smooth ring with no corner at all breaks at its first point, smoothly.
    const bool smoothRing = breaks.empty();
    if (smoothRing) {
        breaks.push_back(0);
    }
    const int runs = static_cast<int>(breaks.size());
    for (int r = 0; r < runs; ++r) {
        const int first = breaks[r];
        const int last = r + 1 < runs ? breaks[r + 1] : breaks[0] + n;
        std::vector<Point2> run;
        for (int i = first; i <= last; ++i) {
            run.push_back(ring[i % n]);
        }
        Point2 start = EndTangent(run, true);
        Point2 end = EndTangent(run, false);
        if (smoothRing) {
            start = Unit(Sub(ring[1 % n], ring[n - 1]));
            end = Scale(start, -1);
        }
        const size_t before = out.pieces.size();
        RunFitter(run, options, out).Fit(0, static_cast<int>(run.size()) - 1, start, end);
        for (size_t k = before + 1; k < out.pieces.size(); ++k) {
            out.pieces[k].smoothStart = true;
        }
        out.pieces[before].smoothStart = smoothRing;
    }
    return out;
}
