#include <algorithm>
#include <cfloat>
#include <cmath>

#include "model/KCanvasPane.h"
#include "model/RandomSource.h"
#include "model/SeedSource.h"

namespace {

constexpr double TwoPi = 6.283185307179586;
// The new set takes its vertices plus a closing point, so the vertices may reach this count.
constexpr int LastVertexCount = MaxPoints - 3;
constexpr int MinVertices = 3;
constexpr int RandomSpan = 150;
constexpr int RandomHalfSpan = 75;
// A new profile of a lathe or a surface of revolution starts this far right of the axis it
// turns about (a tenth of a file unit).
constexpr double AxisGap = 0.1 * ModelUnitsPerFileUnit;

// Appends the vertices of one new set to a canvas that has been checked to have room for them.
class ShapeMaker {
public:
    ShapeMaker(KCanvasPane& canvas, double function)
        : _canvas(canvas), _random(SeedSource::Seed()), _function(function) {
        _random.Next();
    }

    void AppendRandom(int count, double size) {
        for (int i = 0; i < count; ++i) {
            double x = (_random.Next() % RandomSpan - RandomHalfSpan) * size;
            double y = (_random.Next() % RandomSpan - RandomHalfSpan) * size;
            Append({x, y});
        }
    }

    // A regular polygon; with wander set, every vertex moves by a random step that adds up
    // from vertex to vertex (the first one's step is its own).
    void AppendPolygon(int count, double radius, bool wander) {
        Point2 a{0, -radius};
        Append(wander ? Plus(a, WanderStep()) : a);
        double step = TwoPi / count;
        for (int i = 1; i < count; ++i) {
            KCanvasPane::RotateAboutOrigin(a.x, a.y, step);
            if (wander) {
                a = Plus(a, WanderStep());
            }
            Append(a);
        }
    }

    // Outer vertices at the radius and inner ones at radius times the function, alternating.
    void AppendStar(int count, double radius) {
        Point2 outer{0, -radius};
        Point2 inner{0, -radius * _function};
        double step = TwoPi / count;
        Append(outer);
        KCanvasPane::RotateAboutOrigin(inner.x, inner.y, step);
        Append(inner);
        step *= 2;
        for (int i = 2; i < count; ++i) {
            Point2& turned = i % 2 ? inner : outer;
            KCanvasPane::RotateAboutOrigin(turned.x, turned.y, step);
            Append(turned);
        }
    }

private:
    static Point2 Plus(Point2 p, Point2 d) { return {p.x + d.x, p.y + d.y}; }

    Point2 WanderStep() {
        int divisorX = static_cast<int>(_canvas.originX);
        int divisorY = static_cast<int>(_canvas.originY);
        double x = _function * (_random.Next() % divisorX) - _function;
        double y = _function * (_random.Next() % divisorY) - _function;
        return {x, y};
    }

    void Append(Point2 p) { _canvas.points[_canvas.pointCount++] = p; }

    KCanvasPane& _canvas;
    RandomSource _random;
    double _function;
};

int VertexCount(int pointsWanted, int style) {
    return style == ShapeStar ? 2 * pointsWanted : pointsWanted;
}

// A shape must leave room in the arrays and in the set-end table, and its numbers must be
// finite; RanPoly takes remainders by the origin's pixel position, which must not be zero.
bool ShapeFits(const KCanvasPane& canvas, int pointsWanted, double size, double function,
               int style) {
    if (canvas.HasOpenSet() || canvas.setCount >= MaxSets || style > ShapeStar) {
        return false;
    }
    if (pointsWanted < MinVertices || pointsWanted > LastVertexCount) {
        return false;
    }
    if (canvas.pointCount + VertexCount(pointsWanted, style) > LastVertexCount) {
        return false;
    }
    if (!(std::fabs(size) <= FLT_MAX) || !std::isfinite(function)) {
        return false;
    }
    return style != ShapeRanPoly || (canvas.originX >= 1 && canvas.originY >= 1);
}

}  // namespace

void KCanvasPane::GenerateShape(int pointsWanted, double size, int rotate, double function,
                                int style) {
    if (style < 0) {
        style = ShapePolygon;
    }
    if (!ShapeFits(*this, pointsWanted, size, function, style)) {
        return;
    }
    int first = pointCount;
    int count = VertexCount(pointsWanted, style);
    double radius = originY * 0.5;
    ShapeMaker maker(*this, function);
    if (style == ShapeRandom) {
        maker.AppendRandom(count, size);
    } else if (style == ShapeStar) {
        maker.AppendStar(count, radius);
    } else {
        maker.AppendPolygon(count, radius, style == ShapeRanPoly);
    }

    points[pointCount] = points[first];
    InitBezierHandles();
    ++pointCount;
    ++setCount;
    setEnds[setCount] = pointCount;

    // Random points have their size already; the other shapes are scaled and turned as a whole,
    // handles included.
    if (style != ShapeRandom) {
        if (size != 1.0) {
            ScaleRange(first, pointCount, static_cast<float>(size), 0);
        }
        if (rotate > 0) {
            RotateRange(first, pointCount, rotate, 0, 0);
        }
    }
    // A lathe or a surface of revolution turns every set about the y axis: the new one stands
    // right of it, handles and all.
    if (IsTurnedKind(shapeKind)) {
        double leftmost = points[first].x;
        for (int i = first; i < pointCount; ++i) {
            leftmost = std::min(leftmost, points[i].x);
        }
        ShiftEntries(first, pointCount, AxisGap - leftmost, 0);
    }
    SetChanged(true);
    ReportStatus(0, 0);
}
