#include <cmath>

#include "model/KCanvasPane.h"

// CONTROL Set: a press chooses a set and shows its curve, the next presses grab an outline
// point or a control point of that set, and drags move what was grabbed.

namespace {

enum ControlKind { OutlineItem = 0, FirstControlItem = 1, SecondControlItem = 2 };

double Distance(const Point2& a, const Point2& b) {
    double dx = a.x - b.x;
    double dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

void KCanvasPane::PressControlSet(int x, int y) {
    if (SetChosen()) {
        int found = PickControlHandle(x, y);
        controlState = found > 0 ? 1 : -1;
        return;
    }
    if (CurveSpline() == LinearSpline || HasOpenSet()) {
        return;
    }
    int nearest = PickPoint(x, y);
    int set = nearest >= 0 ? FindSetOf(nearest) : -1;
    if (set < 1) {
        return;
    }
    ChosenSet() = set;
    // Choosing a set grabs nothing, so the drags of this press leave every point alone.
    PickedPoint() = -1;
    controlState = -1;
    RedrawSetCurve(ChosenSet());
}

int KCanvasPane::PickControlHandle(int x, int y) {
    ClosingPartner() = 0;
    GrabbedArray() = OutlineItem;
    PickedPoint() = -1;
    const int set = ChosenSet();
    if (set < 1 || set > setCount) {
        return -1;
    }
    int start = setEnds[set - 1];
    int end = setEnds[set];
    // In the default view the distance is in model units from the cursor cut toward zero; in
    // any other, on the canvas, and only what lies within a few pixels is grabbed.
    const bool ownView = OwnMapping();
    Point2 cursor{std::trunc(ModelX(x)), std::trunc(ModelY(y))};
    double best = ownView ? 1000 : PickPixels;
    int result = -1;
    auto consider = [&](const Point2& item, int index, int kind) {
        double distance = ownView ? Distance(cursor, item) : PixelDistance(x, y, item);
        if (distance < best) {
            best = distance;
            result = index;
            GrabbedArray() = kind;
        }
    };
    // A lathe writes no handles at its sets' closing points, nor, when open, on their closing
    // segments: what is not written is not shown, and cannot be grabbed.
    const int spline = CurveSpline();
    const int handlesEnd = !IsTurnedKind(shapeKind) ? end : end - (isOpen == 1 ? 2 : 1);
    for (int i = start; i < end; ++i) {
        consider(points[i], i, OutlineItem);
        if (spline == BezierSpline && i < handlesEnd) {
            consider(control1[i], i, FirstControlItem);
            consider(control2[i], i, SecondControlItem);
        }
    }
    if (spline == QuadraticSpline || spline == CubicSpline) {
        consider(control1[start], start, FirstControlItem);
    }
    PickedPoint() = result;
    // The first point and the closing point are dragged together, whichever was grabbed.
    if (GrabbedArray() == OutlineItem && (result == start || result == end - 1)) {
        ClosingPartner() = end - 1;
        PickedPoint() = start;
    }
    return result;
}

void KCanvasPane::DragControlItem(int x, int y) {
    const int grabbed = PickedPoint();
    if (CurveSpline() == LinearSpline || !SetChosen() || grabbed < 0 || grabbed >= pointCount ||
        ChosenSet() < 1 || ChosenSet() > setCount) {
        return;
    }
    const Point2 cursor = PlacedAt(x, y, true);
    if (GrabbedArray() == OutlineItem) {
        points[grabbed] = cursor;
        const int partner = ClosingPartner();
        if (partner != 0 && partner < pointCount) {
            points[partner] = cursor;
        }
    } else if (GrabbedArray() == FirstControlItem) {
        control1[grabbed] = cursor;
    } else if (GrabbedArray() == SecondControlItem) {
        control2[grabbed] = cursor;
    }
    RedrawSetCurve(ChosenSet());
}
