#include "preview/PreviewSketch.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/Affine2.h"

namespace {

struct Vec3 {
    double x;
    double y;
    double z;

    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(double k) const { return {x * k, y * k, z * k}; }
    double Dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
    Vec3 Cross(const Vec3& o) const {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
    }
    Vec3 Unit() const {
        const double length = std::sqrt(Dot(*this));
        return length > 0 ? *this * (1 / length) : *this;
    }
};

struct Rgb {
    double red;
    double green;
    double blue;
};

// The colours of the preview's scenes, in POV-Ray's linear light.
constexpr Rgb ThingColour{0.95, 0.16, 0.02};
constexpr Rgb GridColour{0.72, 0.72, 0.79};
constexpr Rgb FloorColour{0.92, 0.92, 0.95};
constexpr Rgb White{1, 1, 1};

// How far before the eye the three-quarter view's picture lies, one unit wide: its camera sees
// 40 degrees across.
const double LensDepth = 0.5 / std::tan(20 * std::acos(-1.0) / 180);

// POV-Ray writes its pictures in sRGB.
uint32_t Encoded(const Rgb& light) {
    auto channel = [](double v) {
        v = v > 0 ? std::min(v, 1.0) : 0.0;
        v = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
        return static_cast<unsigned int>(std::lround(v * 255));
    };
    return PixelSurface::FromRgb(channel(light.red), channel(light.green), channel(light.blue));
}

// A pixel index for a coordinate in pixels, held within [0, limit]; NaN counts as 0.
int Clamped(double value, int limit) {
    return value > 0 ? static_cast<int>(std::min(value, static_cast<double>(limit))) : 0;
}

// Calls edge(a, b) for every edge of the lines, each line taken as closed.
template <typename Edge>
void ForEachEdge(const Polylines& lines, Edge edge) {
    int first = 0;
    for (int end : lines.ends) {
        for (int j = first; j < end; ++j) {
            edge(lines.points[j], lines.points[j + 1 < end ? j + 1 : first]);
        }
        first = end;
    }
}

// The lines with every point mapped.
template <typename Map>
Polylines Mapped(const Polylines& lines, Map map) {
    Polylines mapped{{}, lines.ends};
    mapped.points.reserve(lines.points.size());
    for (const Point2& p : lines.points) {
        mapped.points.push_back(map(p));
    }
    return mapped;
}

// Calls fill(column, row) for every pixel whose centre lies inside the closed lines (pixel
// coordinates, even-odd), row by row.
template <typename Fill>
void FillEvenOdd(const Polylines& lines, int width, int height, Fill fill) {
    double top = HUGE_VAL;
    double bottom = -HUGE_VAL;
    for (const Point2& p : lines.points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    std::vector<double> crossings;
    const int last = Clamped(bottom + 1, height);
    for (int row = Clamped(top - 1, height); row < last; ++row) {
        const double y = row + 0.5;
        crossings.clear();
        ForEachEdge(lines, [&](const Point2& a, const Point2& b) {
            const double x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
            // Coordinates beyond any picture may overflow to what has no order.
            if ((a.y <= y) != (b.y <= y) && !std::isnan(x)) {
                crossings.push_back(x);
            }
        });
        std::sort(crossings.begin(), crossings.end());
        for (size_t k = 0; k + 1 < crossings.size(); k += 2) {
            const int last = Clamped(std::ceil(crossings[k + 1] - 0.5), width);
            for (int column = Clamped(std::ceil(crossings[k] - 0.5), width); column < last;
                 ++column) {
                fill(column, row);
            }
        }
    }
}

// The camera and lights of the three-quarter view, placed by the outline's bounds as the
// preview's scene places them.
class ThreeQuarterScene {
public:
    ThreeQuarterScene(const PovrayShape& shape, int size) : _shape(shape), _size(size) {
        Vec3 low{HUGE_VAL, shape.low, HUGE_VAL};
        Vec3 high{-HUGE_VAL, shape.high, -HUGE_VAL};
        for (double y : {shape.low, shape.high}) {
            const double scale = shape.ScaleAt(y);
            for (const Point2& p : shape.outlines.points) {
                low = {std::min(low.x, p.x * scale), low.y, std::min(low.z, p.y * scale)};
                high = {std::max(high.x, p.x * scale), high.y, std::max(high.z, p.y * scale)};
            }
        }
        if (!(low.x <= high.x)) {
            low.x = low.z = high.x = high.z = 0;
        }
        const Vec3 centre = (low + high) * 0.5;
        const double radius = std::max(std::sqrt((high - low).Dot(high - low)) / 2, 0.25);
        _eye = centre + Vec3{-1.0, 1.5, -2.2}.Unit() * (radius * 3.1);
        _forward = (centre - _eye).Unit();
        _right = Vec3{_forward.z, 0, -_forward.x}.Unit();
        _up = _forward.Cross(_right);
        _lights[0] = centre + Vec3{-4, 8, -6} * radius;
        _lights[1] = centre + Vec3{6, 3, -3} * radius;
        _floor = low.y - radius * 0.01;
        _depth.assign(static_cast<size_t>(size) * size, HUGE_VAL);
        _picture.Resize(size, size, Encoded(White));
    }

    PixelSurface Draw() {
        if (_shape.kind == PovrayShape::Kind::Polygon) {
            Cap(0);
        } else {
            if (!_shape.open) {
                Cap(_shape.low);
                Cap(_shape.high);
            }
            ForEachEdge(_shape.outlines, [this](const Point2& a, const Point2& b) { Wall(a, b); });
        }
        Floor();
        return std::move(_picture);
    }

private:
    // The ray through a pixel's centre.
    Vec3 Ray(int column, int row) const {
        return _forward * LensDepth + _right * ((column + 0.5) / _size - 0.5) +
               _up * (0.5 - (row + 0.5) / _size);
    }

    Point2 Projected(const Vec3& p) const {
        const Vec3 v = p - _eye;
        const double along = v.Dot(_forward) / LensDepth;
        return {(v.Dot(_right) / along + 0.5) * _size, (0.5 - v.Dot(_up) / along) * _size};
    }

    Vec3 At(const Point2& p, double y) const {
        const double scale = _shape.ScaleAt(y);
        return {p.x * scale, y, p.y * scale};
    }

    // Marks the pixel when the ray's hit at t is the nearest so far; false when it is not.
    bool Nearer(int column, int row, double t) {
        double& depth = _depth[static_cast<size_t>(row) * _size + column];
        if (!(t > 0 && t < depth)) {
            return false;
        }
        depth = t;
        return true;
    }

    uint32_t Lit(const Vec3& p, Vec3 normal, const Vec3& ray, const Rgb& pigment, double ambient,
                 double diffuse, double specular) const {
        if (normal.Dot(ray) > 0) {
            normal = normal * -1;
        }
        const double intensity[2] = {1, 0.3};
        Rgb light{pigment.red * ambient, pigment.green * ambient, pigment.blue * ambient};
        for (int i = 0; i < 2; ++i) {
            const Vec3 towards = (_lights[i] - p).Unit();
            const double facing = normal.Dot(towards);
            if (facing <= 0) {
                continue;
            }
            const double shine =
                specular * std::pow(std::max(0.0, normal.Dot((towards - ray.Unit()).Unit())), 50);
            const double lit = diffuse * facing * intensity[i];
            light = {light.red + pigment.red * lit + shine * intensity[i],
                     light.green + pigment.green * lit + shine * intensity[i],
                     light.blue + pigment.blue * lit + shine * intensity[i]};
        }
        return Encoded(light);
    }

    void Cap(double y) {
        const Polylines projected =
            Mapped(_shape.outlines, [&](const Point2& p) { return Projected(At(p, y)); });
        FillEvenOdd(projected, _size, _size, [&](int column, int row) {
            const Vec3 ray = Ray(column, row);
            if (Nearer(column, row, (y - _eye.y) / ray.y)) {
                const Vec3 hit = _eye + ray * ((y - _eye.y) / ray.y);
                _picture.At(column, row) = Lit(hit, {0, 1, 0}, ray, ThingColour, 0.12, 0.75, 0.3);
            }
        });
    }

    // The side swept by the straight piece from a to b, a plane between the two heights.
    void Wall(const Point2& a, const Point2& b) {
        const Vec3 corners[4] = {At(a, _shape.low), At(b, _shape.low), At(b, _shape.high),
                                 At(a, _shape.high)};
        const Vec3 normal = (corners[2] - corners[0]).Cross(corners[3] - corners[1]).Unit();
        const Point2 along{b.x - a.x, b.y - a.y};
        const double length = along.x * along.x + along.y * along.y;
        if (normal.Dot(normal) == 0 || length == 0) {
            return;
        }
        Point2 low{HUGE_VAL, HUGE_VAL};
        Point2 high{-HUGE_VAL, -HUGE_VAL};
        for (const Vec3& corner : corners) {
            const Point2 p = Projected(corner);
            low = {std::min(low.x, p.x), std::min(low.y, p.y)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y)};
        }
        for (int row = Clamped(low.y - 1, _size); row < Clamped(high.y + 1, _size); ++row) {
            for (int column = Clamped(low.x - 1, _size); column < Clamped(high.x + 1, _size);
                 ++column) {
                const Vec3 ray = Ray(column, row);
                const double t = normal.Dot(corners[0] - _eye) / normal.Dot(ray);
                const Vec3 hit = _eye + ray * t;
                const double scale = _shape.ScaleAt(hit.y);
                if (hit.y < _shape.low || hit.y > _shape.high || scale == 0) {
                    continue;
                }
                const double s =
                    ((hit.x / scale - a.x) * along.x + (hit.z / scale - a.y) * along.y) / length;
                if (s >= 0 && s <= 1 && Nearer(column, row, t)) {
                    _picture.At(column, row) = Lit(hit, normal, ray, ThingColour, 0.12, 0.75, 0.3);
                }
            }
        }
    }

    void Floor() {
        for (int row = 0; row < _size; ++row) {
            for (int column = 0; column < _size; ++column) {
                const Vec3 ray = Ray(column, row);
                const double t = (_floor - _eye.y) / ray.y;
                if (ray.y < 0 && Nearer(column, row, t)) {
                    _picture.At(column, row) =
                        Lit(_eye + ray * t, {0, 1, 0}, ray, FloorColour, 0.55, 0.45, 0);
                }
            }
        }
    }

    const PovrayShape& _shape;
    int _size;
    Vec3 _eye{0, 0, 0};
    Vec3 _forward{0, 0, 1};
    Vec3 _right{1, 0, 0};
    Vec3 _up{0, 1, 0};
    Vec3 _lights[2] = {};
    double _floor = 0;
    std::vector<double> _depth;
    PixelSurface _picture;
};

// The lines a unit apart that POV-Ray's top view draws under the thing, `pixel` units a pixel.
void DrawGrid(PixelSurface& picture, double pixel) {
    const int size = picture.Width();
    const uint32_t grid = Encoded(GridColour);
    for (int line = -1; line <= 1; ++line) {
        const int column = static_cast<int>(std::ceil((line + 2) / pixel - 0.5));
        const int row = static_cast<int>(std::ceil((2 - line) / pixel - 0.5));
        for (int i = 0; i < size; ++i) {
            if (picture.Contains(column, i)) {
                picture.At(column, i) = grid;
            }
            if (picture.Contains(i, row)) {
                picture.At(i, row) = grid;
            }
        }
    }
}

}  // namespace

PixelSurface PreviewSketch::TopView(const PovrayShape& shape, int size) {
    PixelSurface picture(size, size, Encoded(White));
    const double pixel = 4.0 / size;
    DrawGrid(picture, pixel);
    // From above the caps show, and the slanting sides of a conic sweep, which the view finds
    // looking a hair off the axis: a hole that widens upwards shows its sides. Straight sides
    // are seen edge on.
    const uint32_t thing = Encoded(ThingColour);
    const auto paint = [&](int column, int row) { picture.At(column, row) = thing; };
    const auto toPixels = [&](double y) {
        const double scale = shape.ScaleAt(y) / pixel;
        return Affine2{scale, 0, 0, -scale, 2 / pixel, 2 / pixel};
    };
    const Affine2 low = toPixels(shape.low);
    const Affine2 high = toPixels(shape.high);
    const auto fillCap = [&](const Affine2& cap) {
        FillEvenOdd(Mapped(shape.outlines, [&](const Point2& p) { return cap.Apply(p); }), size,
                    size, paint);
    };
    if (!shape.open) {
        fillCap(low);
    }
    if (shape.conic) {
        if (!shape.open) {
            fillCap(high);
        }
        Polylines side{{}, {4}};
        ForEachEdge(shape.outlines, [&](const Point2& a, const Point2& b) {
            side.points = {low.Apply(a), low.Apply(b), high.Apply(b), high.Apply(a)};
            FillEvenOdd(side, size, size, paint);
        });
    }
    return picture;
}

PixelSurface PreviewSketch::ThreeQuarterView(const PovrayShape& shape, int size) {
    return ThreeQuarterScene(shape, size).Draw();
}
