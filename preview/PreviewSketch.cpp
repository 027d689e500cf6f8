#include "preview/PreviewSketch.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/Affine2.h"
#include "preview/SketchColour.h"
#include "preview/ThreeQuarterStage.h"

namespace {

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

// A prism's or a polygon's three-quarter view: its caps and the walls its outlines sweep.
class ThreeQuarterScene {
public:
    ThreeQuarterScene(const PovrayShape& shape, int size)
        : _shape(shape), _stage(Stage(shape, size)) {}

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
        return _stage.Finish();
    }

private:
    // Placed by the outline's bounds between the heights.
    static ThreeQuarterStage Stage(const PovrayShape& shape, int size) {
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
        return ThreeQuarterStage(low, high, size);
    }

    Vec3 At(const Point2& p, double y) const {
        const double scale = _shape.ScaleAt(y);
        return {p.x * scale, y, p.y * scale};
    }

    void Cap(double y) {
        const Polylines projected =
            Mapped(_shape.outlines, [&](const Point2& p) { return _stage.Projected(At(p, y)); });
        const int size = _stage.Size();
        FillEvenOdd(projected, size, size, [&](int column, int row) {
            _stage.PaintThing(column, row, (y - _stage.Eye().y) / _stage.Ray(column, row).y,
                              {0, 1, 0});
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
            const Point2 p = _stage.Projected(corner);
            low = {std::min(low.x, p.x), std::min(low.y, p.y)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y)};
        }
        const Vec3 eye = _stage.Eye();
        const int size = _stage.Size();
        for (int row = Clamped(low.y - 1, size); row < Clamped(high.y + 1, size); ++row) {
            for (int column = Clamped(low.x - 1, size); column < Clamped(high.x + 1, size);
                 ++column) {
                const Vec3 ray = _stage.Ray(column, row);
                const double t = normal.Dot(corners[0] - eye) / normal.Dot(ray);
                const Vec3 hit = eye + ray * t;
                const double scale = _shape.ScaleAt(hit.y);
                if (hit.y < _shape.low || hit.y > _shape.high || scale == 0) {
                    continue;
                }
                const double s =
                    ((hit.x / scale - a.x) * along.x + (hit.z / scale - a.y) * along.y) / length;
                if (s >= 0 && s <= 1) {
                    _stage.PaintThing(column, row, t, normal);
                }
            }
        }
    }

    const PovrayShape& _shape;
    ThreeQuarterStage _stage;
};

}  // namespace

// Under the thing seen from above, behind it seen from the front.
void PreviewSketch::DrawGrid(PixelSurface& picture, double pixel) {
    const int size = picture.Width();
    const uint32_t grid = SketchColour::Grid.Encoded();
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

PixelSurface PreviewSketch::TopView(const PovrayShape& shape, int size) {
    if (shape.Turned()) {
        return FrontView(shape, size);
    }
    PixelSurface picture(size, size, SketchColour::White.Encoded());
    const double pixel = 4.0 / size;
    DrawGrid(picture, pixel);
    // From above the caps show, and the slanting sides of a conic sweep, which the view finds
    // looking a hair off the axis: a hole that widens upwards shows its sides. Straight sides
    // are seen edge on.
    const uint32_t thing = SketchColour::Thing.Encoded();
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
    if (shape.Turned()) {
        return TurnedView(shape, size);
    }
    return ThreeQuarterScene(shape, size).Draw();
}
