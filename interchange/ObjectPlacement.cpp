#include "interchange/ObjectPlacement.h"

#include <algorithm>
#include <cmath>

#include "interchange/PovObjectWords.h"
#include "model/EditState.h"

namespace {

using Vec3 = SceneTransform::Vec3;
using Modifier = EvaluatedScene::Modifier;

double Largest(const SceneTransform& t) {
    double largest = 0;
    for (const Vec3& row : t.linear) {
        for (double v : row) {
            largest = std::max(largest, std::fabs(v));
        }
    }
    return largest;
}

// Equal but for the rounding of the turns' sines and cosines.
bool Near(double a, double b, double scale) {
    return std::fabs(a - b) <= 1e-12 * scale;
}

double Determinant(const SceneTransform& t) {
    const auto& m = t.linear;
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// y goes to y alone, and x and z stay off it.
bool KeepsY(const SceneTransform& t) {
    const auto& m = t.linear;
    const double s = Largest(t);
    return Near(m[0][1], 0, s) && Near(m[2][1], 0, s) && Near(m[1][0], 0, s) &&
           Near(m[1][2], 0, s) && m[1][1] != 0;
}

bool ExactForPrism(const SceneTransform& t, int sweep) {
    return KeepsY(t) &&
           (sweep != ConicSweep || (t.offset[0] == 0 && t.offset[1] == 0 && t.offset[2] == 0));
}

// A uniform positive scale, turns about y and mirrors across it, moves along it.
bool ExactForProfile(const SceneTransform& t) {
    const auto& m = t.linear;
    const double s = m[1][1];
    return KeepsY(t) && s > 0 && t.offset[0] == 0 && t.offset[2] == 0 &&
           Near(m[0][0] * m[0][0] + m[0][2] * m[0][2], s * s, s * s) &&
           Near(m[2][0] * m[2][0] + m[2][2] * m[2][2], s * s, s * s) &&
           Near(m[0][0] * m[2][0] + m[0][2] * m[2][2], 0, s * s);
}

bool Exact(const SceneTransform& t, int kind, int sweep) {
    switch (kind) {
        case Prism:
            return ExactForPrism(t, sweep);
        case Polygon:
            return Determinant(t) != 0;
        default:
            return ExactForProfile(t);
    }
}

bool IsIdentity(const SceneTransform& t) {
    const SceneTransform identity;
    return t.linear == identity.linear && t.offset == identity.offset;
}

// Composes the modifiers into `composed`; returns the one to name in a note when they do not
// keep the shape exact, else null.
const Modifier* Composed(const std::vector<Modifier>& modifiers, int kind, int sweep,
                         SceneTransform& composed) {
    const Modifier* inexact = nullptr;
    for (const Modifier& modifier : modifiers) {
        if (inexact == nullptr &&
            (!modifier.evaluated || !Exact(modifier.transform, kind, sweep))) {
            inexact = &modifier;
        }
        composed = composed.Then(modifier.transform);
    }
    if (inexact == nullptr && !Exact(composed, kind, sweep) && !modifiers.empty()) {
        inexact = &modifiers.front();
    }
    return inexact;
}

void PlacePrism(const std::vector<Vec3>& listed, const SceneTransform& t, PrismValues& prism,
                std::vector<Point2>& points) {
    const auto& m = t.linear;
    // A conic sweep's points lie at height 1: a point at height h is h times its listed one.
    const double lift = prism.sweep == ConicSweep ? m[1][1] : 1;
    for (const Vec3& p : listed) {
        points.push_back({(p[0] * m[0][0] + p[1] * m[2][0] + t.offset[0]) / lift,
                          (p[0] * m[0][2] + p[1] * m[2][2] + t.offset[2]) / lift});
    }
    prism.start = prism.start * m[1][1] + t.offset[1];
    prism.end = prism.end * m[1][1] + t.offset[1];
}

void PlaceProfile(const std::vector<Vec3>& listed, const SceneTransform& t,
                  std::vector<Point2>& points) {
    const double s = t.linear[1][1];
    for (const Vec3& p : listed) {
        points.push_back({p[0] * s, p[1] * s + t.offset[1]});
    }
}

std::string Shown(const Vec3& v) {
    auto clean = [](double x) { return std::fabs(x) < 1e-12 ? 0.0 : x; };
    return Printed("<%.6g, %.6g, %.6g>", clean(v[0]), clean(v[1]), clean(v[2]));
}

Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The polygon's normal by Newell's sums, turned toward +z when it leans that way at all, so
// that a polygon parallel to z = 0 is only moved.
Vec3 NormalOf(const std::vector<Vec3>& q) {
    Vec3 n{0, 0, 0};
    for (size_t i = 0; i < q.size(); ++i) {
        const Vec3& a = q[i];
        const Vec3& b = q[(i + 1) % q.size()];
        n[0] += (a[1] - b[1]) * (a[2] + b[2]);
        n[1] += (a[2] - b[2]) * (a[0] + b[0]);
        n[2] += (a[0] - b[0]) * (a[1] + b[1]);
    }
    const double length = std::sqrt(Dot(n, n));
    if (length == 0) {
        return n;
    }
    const double sign = n[2] < 0 ? -1 : 1;
    return {sign * n[0] / length, sign * n[1] / length, sign * n[2] / length};
}

// The turn that takes the unit normal onto +z, then the move along z that takes the plane at
// distance d onto z = 0.
SceneTransform IntoZ0(const Vec3& n, double d) {
    SceneTransform into;
    const Vec3 axis = Cross(n, {0, 0, 1});
    const double s = std::sqrt(Dot(axis, axis));
    const double c = n[2];
    if (s > 1e-15) {
        const Vec3 k{axis[0] / s, axis[1] / s, axis[2] / s};
        for (int i = 0; i < 3; ++i) {
            Vec3 e{0, 0, 0};
            e[i] = 1;
            const Vec3 kxe = Cross(k, e);
            const double along = Dot(k, e) * (1 - c);
            for (int j = 0; j < 3; ++j) {
                into.linear[i][j] = e[j] * c + kxe[j] * s + k[j] * along;
            }
        }
    }
    into.offset = {0, 0, -d};
    return into;
}

// The modifier that takes the polygon from z = 0 back where the scene put it: the turn's
// inverse is its transpose.
std::string WayBack(const SceneTransform& into, const Vec3& n, double d) {
    const SceneTransform identity;
    if (into.linear == identity.linear) {
        return "translate " + Shown({0, 0, d});
    }
    std::string text = "matrix <";
    for (int i = 0; i < 3; ++i) {
        const Vec3 row{into.linear[0][i], into.linear[1][i], into.linear[2][i]};
        text += Shown(row).substr(1, Shown(row).size() - 2) + ", ";
    }
    const std::string offset = Shown({d * n[0], d * n[1], d * n[2]});
    return text + offset.substr(1);
}

// The listed points are mapped where they stand: a polygon may list hundreds of thousands.
bool PlacePolygon(std::vector<Vec3>& q, const SceneTransform& t, int line,
                  std::vector<Point2>& points, ImportReport& report) {
    double extent = 1;
    for (Vec3& p : q) {
        p = t.Apply(p);
        extent = std::max({extent, std::fabs(p[0]), std::fabs(p[1]), std::fabs(p[2])});
    }
    const double tolerance = 1e-9 * extent;
    const bool flat = std::all_of(q.begin(), q.end(),
                                  [&](const Vec3& p) { return std::fabs(p[2]) <= tolerance; });
    if (!flat) {
        const Vec3 n = NormalOf(q);
        const double d = Dot(n, q[0]);
        if (Dot(n, n) == 0 || std::any_of(q.begin(), q.end(), [&](const Vec3& p) {
                return std::fabs(Dot(n, p) - d) > tolerance;
            })) {
            return report.Fail(
                Printed("line %d: the polygon's points do not lie in one plane", line));
        }
        const SceneTransform into = IntoZ0(n, d);
        for (Vec3& p : q) {
            p = into.Apply(p);
        }
        report.Note(
            Printed("line %d: the polygon lies off the plane z = 0 and is put into it; ", line) +
            WayBack(into, n, d) + " gives the original back");
    }
    for (const Vec3& p : q) {
        points.push_back({p[0], p[1]});
    }
    return true;
}

}  // namespace

bool PlaceObjectPoints(EvaluatedScene::Object& object, PrismValues& prism,
                       std::vector<Point2>& points, ImportReport& report) {
    const int kind = object.outline.kind;
    SceneTransform t;
    const Modifier* inexact = Composed(object.modifiers, kind, prism.sweep, t);
    if (inexact != nullptr) {
        report.Note(ModifiersMessage(inexact->line, inexact->word));
        t = SceneTransform();
    } else if (!IsIdentity(t)) {
        report.Note(Printed("line %d: the object's modifiers (%s ...) are applied to its points",
                            object.modifiers.front().line, object.modifiers.front().word.c_str()));
    }
    switch (kind) {
        case Prism:
            PlacePrism(object.listed, t, prism, points);
            break;
        case Polygon:
            if (!PlacePolygon(object.listed, t, object.line, points, report)) {
                return false;
            }
            break;
        default:
            PlaceProfile(object.listed, t, points);
            break;
    }
    const bool finite = std::isfinite(prism.start) && std::isfinite(prism.end) &&
                        std::all_of(points.begin(), points.end(), [](const Point2& p) {
                            return std::isfinite(p.x) && std::isfinite(p.y);
                        });
    return finite || report.Fail(Printed("line %d: the object's modifiers take its values "
                                         "beyond the numbers a file can hold",
                                         object.line));
}
