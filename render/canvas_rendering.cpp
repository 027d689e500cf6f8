#include "model/KCanvasPane.h"

// Painting the canvas from the model: the outline with its markers, and the spline previews
// that show what each spline type makes of the sets.

namespace {

constexpr unsigned int CurveRed = 250;
constexpr unsigned int CurveGreen = 100;
constexpr unsigned int CurveBlue = 35;
constexpr unsigned int MarkRed = 0;
constexpr unsigned int MarkGreen = 110;
constexpr unsigned int MarkBlue = 255;

Point2 operator+(Point2 a, Point2 b) {
    return Point2{a.x + b.x, a.y + b.y};
}
Point2 operator-(Point2 a, Point2 b) {
    return Point2{a.x - b.x, a.y - b.y};
}
Point2 operator/(Point2 a, double d) {
    return Point2{a.x / d, a.y / d};
}
Point2 Twice(Point2 a) {
    return Point2{2 * a.x, 2 * a.y};
}

void EllipseMarker(KCanvasPane& canvas, Point2 p) {
    canvas.PaintEllipse(canvas.PixelX(p.x) - 2, canvas.PixelY(p.y) - 2, 5, 5);
}

void RectangleMarker(KCanvasPane& canvas, Point2 p) {
    canvas.PaintRectangle(canvas.PixelX(p.x) - 2, canvas.PixelY(p.y) - 2, 4, 4);
}

void Join(KCanvasPane& canvas, Point2 from, Point2 to) {
    canvas.PaintLine(canvas.PixelX(from.x), canvas.PixelY(from.y), canvas.PixelX(to.x),
                     canvas.PixelY(to.y));
}

// Handle lines join the top-left corners of the handles' markers.
void HandleLine(KCanvasPane& canvas, Point2 from, Point2 to) {
    canvas.PaintLine(canvas.PixelX(from.x) - 2, canvas.PixelY(from.y) - 2, canvas.PixelX(to.x) - 2,
                     canvas.PixelY(to.y) - 2);
}

vPen CurvePen() {
    return vPen(CurveRed, CurveGreen, CurveBlue, 1, StyleSolid);
}
vBrush CurveBrush() {
    return vBrush(CurveRed, CurveGreen, CurveBlue, StyleSolid, FillAlternate);
}

}  // namespace

void KCanvasPane::RedrawOutline(bool withMarks) {
    OnRedraw(1, withMarks ? 1 : -1, 1, 1);
}

void KCanvasPane::RedrawSetCurve(int set) {
    OnRedraw(-1, set, 1, 1);
}

// The hook's x and y choose the picture: x < 0 the curve of set y, else the outline, with its
// markers when y >= 0; the width and height are not used. In CONTROL Set the chosen set's curve
// is shown whatever was asked.
void KCanvasPane::OnRedraw(int x, int y, int, int) {
    ClearToGrid();
    if (IsTurnedKind(shapeKind)) {
        DrawTurnedPicture(x < 0 || y >= 0);
    } else if (editMode == ControlSet && SetChosen()) {
        DrawSetCurve(ChosenSet(), 0);
    } else if (x < 0) {
        DrawSetCurve(y, 0);
    } else if (ExactCurvesShown() || (editMode == SelectPoints && HandlesInSelect())) {
        // The curves in the outline's black, under the markers. Select mode shows a bezier
        // drawing's curves, their handles being what it edits.
        Polylines lines;
        std::vector<char> curved;
        FlattenExactCurves(0, lines, curved);
        PaintPolylines(lines);
        DrawOutline(y >= 0, &curved);
    } else {
        DrawOutline(y >= 0);
    }
    if (editMode == SelectPoints) {
        DrawSelectOverlay();
    }
    DrawEntryMark();
}

// Two squares around the point, in a colour of its own, so that it stands out among the
// markers of every picture.
void KCanvasPane::DrawEntryMark() {
    if (_markedEntry < 0 || _markedEntry >= pointCount || _markedEntry >= MaxPoints) {
        return;
    }
    const vPen before = _cpDC != nullptr ? _cpDC->CurrentPen() : vPen(0, 0, 0, 1, StyleSolid);
    const vBrush brushBefore = CurrentBrush();
    UsePen(vPen(MarkRed, MarkGreen, MarkBlue, 1, StyleSolid));
    UseBrush(vBrush(0, 0, 0, StyleTransparent, FillAlternate));
    const int x = PixelX(points[_markedEntry].x);
    const int y = PixelY(points[_markedEntry].y);
    PaintRectangle(x - 5, y - 5, 10, 10);
    PaintRectangle(x - 6, y - 6, 12, 12);
    UsePen(before);
    UseBrush(brushBefore);
}

void KCanvasPane::DrawOutline(bool withMarks, const std::vector<char>* curved) {
    const int sets = setCount < 0 ? 0 : (setCount > MaxSets ? MaxSets : setCount);
    int n = pointCount < 0 ? 0 : (pointCount > MaxPoints ? MaxPoints : pointCount);
    // An open set of one point is not drawn until it has a second.
    if (setEnds[sets] == n - 1) {
        --n;
    }
    int starts = 0;
    for (int i = 0; i < n; ++i) {
        if (i == 0 || (starts <= sets && i == setEnds[starts])) {
            if (withMarks) {
                RectangleMarker(*this, points[i]);
            }
            ++starts;
            continue;
        }
        // The point lies in set `starts` (the open set when that is beyond the finished ones).
        if (!curved || starts > sets || !(*curved)[static_cast<size_t>(starts)]) {
            Join(*this, points[i], points[i - 1]);
        }
        if (withMarks) {
            EllipseMarker(*this, points[i]);
        }
    }
}

void KCanvasPane::DrawCurveSegment(Point2 p0, Point2 p3, Point2 p1, Point2 p2) {
    // Power form coefficients; a quadratic segment has no cubic term, and adding its zero
    // changes no bit of the result.
    Point2 u{0, 0};
    Point2 v{0, 0};
    Point2 w{0, 0};
    if (CurveSpline() == QuadraticSpline) {
        u = Point2{2 * (p1.x - p0.x), 2 * (p1.y - p0.y)};
        v = Point2{p3.x - p0.x - u.x, p3.y - p0.y - u.y};
    } else {
        u = Point2{3 * (p1.x - p0.x), 3 * (p1.y - p0.y)};
        v = Point2{3 * (p2.x - p1.x) - u.x, 3 * (p2.y - p1.y) - u.y};
        w = Point2{p3.x - p0.x - u.x - v.x, p3.y - p0.y - u.y - v.y};
    }
    // The sum of 200 steps of 0.005 lies just above 1: 200 dots, the end point left to the
    // next segment. All positions are worked out before the first is painted, so the
    // arithmetic of one dot does not wait for the painting of the one before.
    constexpr int Capacity = 256;
    int xs[Capacity];
    int ys[Capacity];
    int count = 0;
    for (double t = 0; t <= 1 && count < Capacity; t += 0.005) {
        xs[count] = PixelX(w.x * t * t * t + v.x * t * t + u.x * t + p0.x);
        ys[count] = PixelY(w.y * t * t * t + v.y * t * t + u.y * t + p0.y);
        ++count;
    }
    // Straight to the context, as the pane's own PaintPoint would, without a detour per dot.
    if (_cpDC) {
        for (int i = 0; i < count; ++i) {
            _cpDC->PaintPoint(xs[i], ys[i]);
        }
    }
}

void KCanvasPane::PlotSegment(const SetCurve& curve, Point2 p0, Point2 p3, Point2 p1, Point2 p2) {
    if (curve.plotCurve) {
        DrawCurveSegment(p0, p3, p1, p2);
    }
}

void KCanvasPane::DrawSetCurve(int set, int curveOnly) {
    const int spline = CurveSpline();
    if (spline < QuadraticSpline || spline > BezierSpline || set < 1 || set > setCount ||
        set > MaxSets) {
        return;
    }
    const int s = setEnds[set - 1];
    const int end = setEnds[set];
    // A set needs its point and the closing repeat; anything less is not a set to draw.
    if (s < 0 || end > pointCount || end > MaxPoints || end - s < 2) {
        return;
    }
    SetCurve curve{points + s, control1 + s, control2 + s, end - s - 1, curveOnly == 0, true};
    if (ExactCurvesShown()) {
        // POV-Ray's curve in place of the construction's, in the pen the construction draws
        // its curve with; the markers and handle lines stay.
        Polylines lines;
        std::vector<char> curved;
        FlattenExactCurves(set, lines, curved);
        if (curved[static_cast<size_t>(set)]) {
            const vPen pen = curve.withMarks ? CurvePen() : vPen(0, 0, 0, 1, StyleSolid);
            const vPen before = _cpDC ? _cpDC->CurrentPen() : pen;
            UsePen(pen);
            PaintPolylines(lines);
            UsePen(before);
            curve.plotCurve = false;
        }
    }
    if (spline == BezierSpline) {
        DrawBezierSet(curve);
        return;
    }
    if (curve.withMarks) {
        EllipseMarker(*this, curve.control1[0]);
        UsePen(CurvePen());
    }
    vBrush brush = CurveBrush();
    if (curve.withMarks || spline == CubicSpline) {
        UseBrush(brush);
    }
    if (curve.withMarks) {
        EllipseMarker(*this, curve.points[0]);
    }
    if (spline == QuadraticSpline) {
        DrawQuadraticSet(curve);
    } else {
        DrawCubicSet(curve);
    }
    brush.SetColor(0, 0, 0);
    UseBrush(brush);
}

// Each segment after the first takes its control point from its neighbours.
void KCanvasPane::DrawQuadraticSet(const SetCurve& curve) {
    const Point2* p = curve.points;
    const Point2 r = curve.control1[0];
    PlotSegment(curve, p[0], p[1], r, r);
    if (curve.withMarks) {
        Join(*this, p[0], r);
    }
    for (int j = 2; j <= curve.m; ++j) {
        Point2 control = p[j - 1] + (p[j] - p[j - 2]) / 3;
        PlotSegment(curve, p[j - 1], p[j], control, control);
        if (curve.withMarks) {
            EllipseMarker(*this, p[j - 1]);
        }
    }
}

// Each joint mirrors the previous segment's second control point; the closing segment ends on
// the control point mirrored through the first point.
void KCanvasPane::DrawCubicSet(const SetCurve& curve) {
    const Point2* p = curve.points;
    const Point2 r = curve.control1[0];
    const int m = curve.m;
    if (m == 1) {
        // A cubic set of a single point and its closing repeat has no neighbour to shape a
        // curve from (the construction would read past the set): it shows as the point with
        // its control point and handle line, and no curve.
        if (curve.withMarks) {
            Join(*this, p[0], r);
        }
        return;
    }
    Point2 q = p[1] + (p[1] - p[2]) / 3;
    PlotSegment(curve, p[0], p[1], r, q);
    if (curve.withMarks) {
        Join(*this, p[0], r);
        EllipseMarker(*this, p[1]);
        EllipseMarker(*this, p[2]);
    }
    for (int j = 2; j <= m - 1; ++j) {
        Point2 first = Twice(p[j - 1]) - q;
        q = p[j] + (p[j - 1] - p[j]) / 3;
        PlotSegment(curve, p[j - 1], p[j], first, q);
        if (curve.withMarks) {
            EllipseMarker(*this, p[j + 1]);
        }
    }
    PlotSegment(curve, p[m - 1], p[0], Twice(p[m - 1]) - q, p[0] - r);
}

// Every segment has its own two handles; the handle lines join them around the set.
void KCanvasPane::DrawBezierSet(const SetCurve& curve) {
    const Point2* h1 = curve.control1;
    const Point2* h2 = curve.control2;
    const int m = curve.m;
    if (curve.withMarks) {
        for (int j = 0; j < m; ++j) {
            EllipseMarker(*this, h1[j]);
            EllipseMarker(*this, h2[j]);
        }
    }
    UsePen(vPen(0, 0, 0, 1, StyleSolid));
    vBrush brush = CurveBrush();
    if (curve.withMarks) {
        for (int j = 0; j < m; ++j) {
            HandleLine(*this, h1[j], h2[j]);
            if (j < m - 1) {
                HandleLine(*this, h2[j], h1[j + 1]);
            }
        }
        HandleLine(*this, h2[m - 1], h1[0]);
        UsePen(CurvePen());
        UseBrush(brush);
    }
    for (int j = 0; j < m; ++j) {
        PlotSegment(curve, curve.points[j], curve.points[j + 1], h1[j], h2[j]);
        if (curve.withMarks) {
            EllipseMarker(*this, curve.points[j]);
        }
    }
    if (curve.withMarks) {
        brush.SetColor(0, 0, 0);
        UseBrush(brush);
    }
}

void KCanvasPane::DrawAllCurves() {
    // A lathe's or surface of revolution's curves are always POV-Ray's, in every picture.
    if (CurveSpline() == LinearSpline || IsTurnedKind(shapeKind)) {
        RedrawOutline(false);
        return;
    }
    ClearToGrid();
    for (int set = 1; set <= setCount; ++set) {
        DrawSetCurve(set, 1);
    }
}
