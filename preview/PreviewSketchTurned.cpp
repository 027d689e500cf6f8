#include <algorithm>
#include <cmath>
#include <vector>

#include "preview/PreviewSketch.h"
#include "preview/SketchColour.h"
#include "preview/ThreeQuarterStage.h"

// A lathe or a surface of revolution: its profiles turned about the y axis, x the radius.
namespace {

// The value as an index from low to high; NaN counts as low.
int Held(double value, int low, int high) {
    return value > low ? (value < high ? static_cast<int>(value) : high) : low;
}

// Calls segment(a, b) for every straight piece of the lines, each line taken as open.
template <typename Segment>
void ForEachSegment(const Polylines& lines, Segment segment) {
    int first = 0;
    for (int end : lines.ends) {
        for (int j = first; j + 1 < end; ++j) {
            segment(lines.points[j], lines.points[j + 1]);
        }
        first = end;
    }
}

// For each row of the face-on view, the widest radius of the profiles at the height of the
// row's centre; below 0 where they have none. A piece lying level at that height counts whole:
// POV-Ray's view, a hair off square, finds it. Drawn points often lie on such a height, so a
// piece reaches a row whose centre it misses by a rounding error.
std::vector<double> WidestRadii(const Polylines& profiles, int size) {
    const double pixel = 4.0 / size;
    const double rounding = 1e-9;
    std::vector<double> widest(static_cast<size_t>(size), -1.0);
    ForEachSegment(profiles, [&](const Point2& a, const Point2& b) {
        const double top = std::max(a.y, b.y);
        const double bottom = std::min(a.y, b.y);
        const int last = Held(std::floor((2 - bottom) / pixel - 0.5 + rounding), -1, size - 1);
        for (int row = Held(std::ceil((2 - top) / pixel - 0.5 - rounding), 0, size); row <= last;
             ++row) {
            const double y = 2 - (row + 0.5) * pixel;
            const double r = a.y == b.y ? std::max(std::fabs(a.x), std::fabs(b.x))
                                        : std::fabs(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
            widest[row] = std::max(widest[row], r);
        }
    });
    return widest;
}

// The three-quarter view of the turned profiles. Each straight piece of a profile sweeps a cone;
// the pieces are sorted into bands of height, and every ray (which always points downwards
// here) meets the bands from the top down, stopping after the first band that holds a hit
// nearer than its own lower edge.
class TurnedScene {
public:
    TurnedScene(const PovrayShape& shape, int size)
        : _shape(shape),
          _stage(Vec3{-shape.radius, shape.low, -shape.radius},
                 Vec3{shape.radius, shape.high, shape.radius}, size) {
        TakeSegments();
        SortIntoBands();
    }

    PixelSurface Draw() {
        const int size = _stage.Size();
        for (int row = 0; row < size; ++row) {
            for (int column = 0; column < size; ++column) {
                Trace(column, row);
            }
        }
        return _stage.Finish();
    }

private:
    // A straight piece of a profile, with the profile's normals at its ends (in the plane of
    // radius and height), shading it as smoothly as the curve it stands for.
    struct Segment {
        Point2 a;
        Point2 b;
        Point2 normalA;
        Point2 normalB;
    };

    struct Band {
        double radius = 0;  // the widest of its segments
        std::vector<int> segments;
    };

    // The ray from the eye in the terms of the turned shape: its height is eye.y + t ray.y and
    // the square of its distance from the axis square(t).
    struct Ray {
        Vec3 direction;
        double qa;
        double qb;
        double qc;

        double Square(double t) const { return (qa * t + qb) * t + qc; }
        double TimeAt(double height, double eyeHeight) const {
            return (height - eyeHeight) / direction.y;
        }
    };

    static Point2 Unit(const Point2& p) {
        const double length = std::hypot(p.x, p.y);
        return length > 0 ? Point2{p.x / length, p.y / length} : p;
    }

    // The normal at a point between two pieces is the mean of theirs; at a line's end it turns
    // on past the last piece's by as much again, as it would round a steady bend.
    void TakeSegments() {
        const Polylines& lines = _shape.profiles;
        int first = 0;
        for (int end : lines.ends) {
            const size_t start = _segments.size();
            for (int j = first; j + 1 < end; ++j) {
                const Point2 a = lines.points[j];
                const Point2 b = lines.points[j + 1];
                const Point2 normal = Unit({b.y - a.y, a.x - b.x});
                _segments.push_back({a, b, normal, normal});
                if (j > first) {
                    Segment& before = _segments[_segments.size() - 2];
                    before.normalB = _segments.back().normalA =
                        Unit({before.normalB.x + normal.x, before.normalB.y + normal.y});
                }
            }
            if (_segments.size() - start >= 2) {
                Segment& head = _segments[start];
                head.normalA = Beyond(head.normalB, head.normalA);
                Segment& tail = _segments.back();
                tail.normalB = Beyond(tail.normalA, tail.normalB);
            }
            first = end;
        }
    }

    // The inner normal mirrored in the piece's own (which the piece's ends still hold).
    static Point2 Beyond(const Point2& inner, const Point2& own) {
        const double along = 2 * (inner.x * own.x + inner.y * own.y);
        return Unit({along * own.x - inner.x, along * own.y - inner.y});
    }

    int BandOf(double height) const {
        const int count = static_cast<int>(_bands.size());
        return Held((height - _shape.low) / (_shape.high - _shape.low) * count, 0, count - 1);
    }

    double BandBottom(int band) const {
        return _shape.low + (_shape.high - _shape.low) * band / static_cast<double>(_bands.size());
    }

    void SortIntoBands() {
        const int count = _shape.high > _shape.low
                              ? std::clamp(static_cast<int>(_segments.size()) / 2, 1, 128)
                              : 1;
        _bands.resize(static_cast<size_t>(count));
        for (size_t i = 0; i < _segments.size(); ++i) {
            const Segment& s = _segments[i];
            const int last = BandOf(std::max(s.a.y, s.b.y));
            for (int band = BandOf(std::min(s.a.y, s.b.y)); band <= last; ++band) {
                _bands[band].segments.push_back(static_cast<int>(i));
                _bands[band].radius =
                    std::max({_bands[band].radius, std::fabs(s.a.x), std::fabs(s.b.x)});
            }
        }
    }

    void Trace(int column, int row) {
        const Vec3 eye = _stage.Eye();
        const Vec3 d = _stage.Ray(column, row);
        const Ray ray{d, d.x * d.x + d.z * d.z, 2 * (eye.x * d.x + eye.z * d.z),
                      eye.x * eye.x + eye.z * eye.z};
        double enter = 0;
        double leave = 0;
        if (!(d.y < 0) || !Bounded(ray, enter, leave)) {
            return;
        }
        double nearest = HUGE_VAL;
        int hit = -1;
        double along = 0;
        for (int band = BandOf(eye.y + enter * d.y); band >= 0; --band) {
            const double top = std::max(enter, ray.TimeAt(BandBottom(band + 1), eye.y));
            const double bottom = std::min(leave, ray.TimeAt(BandBottom(band), eye.y));
            if (top > leave) {
                break;
            }
            if (!Passes(ray, top, bottom, _bands[band].radius)) {
                continue;
            }
            for (int i : _bands[band].segments) {
                Meet(ray, i, nearest, hit, along);
            }
            if (nearest <= bottom) {
                break;
            }
        }
        if (hit >= 0) {
            _stage.PaintThing(column, row, nearest, Normal(eye + d * nearest, hit, along));
        }
    }

    // Where the ray runs within the box bounding the shape, from enter to leave.
    bool Bounded(const Ray& ray, double& enter, double& leave) const {
        const double eyeHeight = _stage.Eye().y;
        enter = std::max(0.0, ray.TimeAt(_shape.high, eyeHeight));
        leave = ray.TimeAt(_shape.low, eyeHeight);
        const double rim = ray.qc - _shape.radius * _shape.radius;
        const double disc = ray.qb * ray.qb - 4 * ray.qa * rim;
        if (ray.qa > 0 && disc >= 0) {
            enter = std::max(enter, (-ray.qb - std::sqrt(disc)) / (2 * ray.qa));
            leave = std::min(leave, (-ray.qb + std::sqrt(disc)) / (2 * ray.qa));
        } else if (!(rim <= 0)) {
            return false;
        }
        return enter <= leave;
    }

    // Whether the ray comes within the radius of the axis between times from and to.
    static bool Passes(const Ray& ray, double from, double to, double radius) {
        const double closest = ray.qa > 0 ? std::clamp(-ray.qb / (2 * ray.qa), from, to) : from;
        return !(ray.Square(closest) > radius * radius);
    }

    // The ray meets the cone of segment i where the square of its distance from the axis is
    // that of the segment's radius at the same height: a quadratic in the share s along it.
    void Meet(const Ray& ray, int i, double& nearest, int& hit, double& along) const {
        const Segment& segment = _segments[i];
        const double eyeHeight = _stage.Eye().y;
        const double dr = segment.b.x - segment.a.x;
        const double t0 = ray.TimeAt(segment.a.y, eyeHeight);
        const double tk = (segment.b.y - segment.a.y) / ray.direction.y;
        const double a = ray.qa * tk * tk - dr * dr;
        const double b = (2 * ray.qa * t0 + ray.qb) * tk - 2 * segment.a.x * dr;
        const double c = ray.Square(t0) - segment.a.x * segment.a.x;
        const double disc = b * b - 4 * a * c;
        if (!(disc >= 0)) {
            return;
        }
        const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
        for (double s : {a != 0 ? q / a : -1.0, q != 0 ? c / q : -1.0}) {
            const double t = t0 + s * tk;
            if (s >= 0 && s <= 1 && t > 0 && t < nearest) {
                nearest = t;
                hit = i;
                along = s;
            }
        }
    }

    // The profile's normal at the share along the segment, turned to the point's side of the
    // axis (a lathe mirrors a radius below 0).
    Vec3 Normal(const Vec3& p, int i, double along) const {
        const Segment& segment = _segments[i];
        const Point2 n{segment.normalA.x + (segment.normalB.x - segment.normalA.x) * along,
                       segment.normalA.y + (segment.normalB.y - segment.normalA.y) * along};
        const double side = segment.a.x + (segment.b.x - segment.a.x) * along < 0 ? -n.x : n.x;
        const Vec3 out = Vec3{p.x, 0, p.z}.Unit();
        return Vec3{out.x * side, n.y, out.z * side};
    }

    const PovrayShape& _shape;
    ThreeQuarterStage _stage;
    std::vector<Segment> _segments;
    std::vector<Band> _bands;
};

}  // namespace

PixelSurface PreviewSketch::FrontView(const PovrayShape& shape, int size) {
    PixelSurface picture(size, size, SketchColour::White.Encoded());
    const double pixel = 4.0 / size;
    DrawGrid(picture, pixel);
    const uint32_t thing = SketchColour::Thing.Encoded();
    const std::vector<double> widest = WidestRadii(shape.profiles, size);
    // Column c's centre lies (c + 0.5 - size / 2) pixels from the axis.
    for (int row = 0; row < size; ++row) {
        const double half = widest[row] / pixel;
        const int last = Held(std::floor(size / 2.0 + half - 0.5), -1, size - 1);
        for (int column = Held(std::ceil(size / 2.0 - half - 0.5), 0, size); column <= last;
             ++column) {
            picture.At(column, row) = thing;
        }
    }
    return picture;
}

PixelSurface PreviewSketch::TurnedView(const PovrayShape& shape, int size) {
    return TurnedScene(shape, size).Draw();
}
