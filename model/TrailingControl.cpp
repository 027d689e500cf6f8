#include "model/TrailingControl.h"

#include <algorithm>
#include <cmath>

namespace {

bool Same(const Point2& p, const Point2& q) {
    return p.x == q.x && p.y == q.y;
}

double Cross(const Point2& a, const Point2& b) {
    return a.x * b.y - a.y * b.x;
}

Point2 Less(const Point2& a, const Point2& b) {
    return {a.x - b.x, a.y - b.y};
}

// x' = a x + b y + e, y' = c x + d y + f.
struct Affine {
    double a, b, c, d, e, f;

    Point2 operator()(const Point2& p) const {
        return {a * p.x + b * p.y + e, c * p.x + d * p.y + f};
    }
};

// Three points of the kept outline that span the plane as widely as it allows: the first, the
// one farthest from it and the one farthest off the line through both. -1s when the outline is
// all on one line, where no map is determined by it.
struct Frame {
    int far = -1;
    int off = -1;
};

Frame FrameOf(const std::vector<Point2>& points) {
    Frame frame;
    double farthest = 0;
    for (size_t i = 1; i < points.size(); ++i) {
        const Point2 d = Less(points[i], points[0]);
        const double length = std::hypot(d.x, d.y);
        if (length > farthest) {
            farthest = length;
            frame.far = static_cast<int>(i);
        }
    }
    if (frame.far < 0) {
        return {};
    }
    const Point2 axis = Less(points[static_cast<size_t>(frame.far)], points[0]);
    double widest = 1e-9 * farthest * farthest;
    for (size_t i = 1; i < points.size(); ++i) {
        const double area = std::fabs(Cross(axis, Less(points[i], points[0])));
        if (area > widest) {
            widest = area;
            frame.off = static_cast<int>(i);
        }
    }
    return frame.off < 0 ? Frame{} : frame;
}

// The map that takes the kept outline's frame onto the same points of the outline given.
Affine MapOf(const std::vector<Point2>& from, const Point2* to, const Frame& frame) {
    const Point2 u = Less(from[static_cast<size_t>(frame.far)], from[0]);
    const Point2 v = Less(from[static_cast<size_t>(frame.off)], from[0]);
    const Point2 u2 = Less(to[frame.far], to[0]);
    const Point2 v2 = Less(to[frame.off], to[0]);
    const double det = Cross(u, v);
    Affine m;
    m.a = (u2.x * v.y - v2.x * u.y) / det;
    m.b = (v2.x * u.x - u2.x * v.x) / det;
    m.c = (u2.y * v.y - v2.y * u.y) / det;
    m.d = (v2.y * u.x - u2.y * v.x) / det;
    m.e = to[0].x - (m.a * from[0].x + m.b * from[0].y);
    m.f = to[0].y - (m.c * from[0].x + m.d * from[0].y);
    return m;
}

double ExtentOf(const Point2* points, int count) {
    double extent = 0;
    for (int i = 0; i < count; ++i) {
        extent = std::max({extent, std::fabs(points[i].x), std::fabs(points[i].y)});
    }
    return extent;
}

// The kept value carried onto the outline given, when every point and the control point of the
// kept outline land on it within a small fraction of its size.
std::optional<Point2> Carried(const TrailingControl& kept, const Point2* points, int count,
                              const Point2& control) {
    const Frame frame = FrameOf(kept.points);
    if (frame.far < 0) {
        return std::nullopt;
    }
    const Affine map = MapOf(kept.points, points, frame);
    const double tolerance = 1e-7 * (1 + ExtentOf(points, count));
    auto lands = [&](const Point2& from, const Point2& to) {
        const Point2 image = map(from);
        return std::fabs(image.x - to.x) <= tolerance && std::fabs(image.y - to.y) <= tolerance;
    };
    for (int i = 0; i < count; ++i) {
        if (!lands(kept.points[static_cast<size_t>(i)], points[i])) {
            return std::nullopt;
        }
    }
    if (!lands(kept.control, control)) {
        return std::nullopt;
    }
    const Point2 value = map(kept.value);
    if (!std::isfinite(value.x) || !std::isfinite(value.y)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

bool TrailingControl::operator==(const TrailingControl& other) const {
    return std::equal(points.begin(), points.end(), other.points.begin(), other.points.end(),
                      Same) &&
           Same(control, other.control) && Same(value, other.value);
}

std::optional<Point2> FindTrailingControl(const std::vector<TrailingControl>& kept,
                                          const Point2* points, int count, const Point2& control) {
    const auto sameLength = [count](const TrailingControl& k) {
        return static_cast<int>(k.points.size()) == count;
    };
    // As read: the value itself, to the bit.
    for (const TrailingControl& k : kept) {
        if (sameLength(k) && Same(k.control, control) &&
            std::equal(k.points.begin(), k.points.end(), points, Same)) {
            return k.value;
        }
    }
    for (const TrailingControl& k : kept) {
        if (sameLength(k)) {
            if (const std::optional<Point2> carried = Carried(k, points, count, control)) {
                return carried;
            }
        }
    }
    return std::nullopt;
}
