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
    if (controlState != 0) {
        int found = PickControlHandle(x, y);
        controlState = found > 0 ? 1 : -1;
        return;
    }
    if (splineType == LinearSpline || HasOpenSet()) {
        return;
    }
    int nearest = FindNearestPoint(x, y);
    int set = nearest >= 0 ? FindSetOf(nearest) : -1;
    if (set < 1) {
        return;
    }
    pickSet = set;
    // Choosing a set grabs nothing, so the drags of this press leave every point alone.
    pickIndex = -1;
    controlState = -1;
    OnRedraw(-1, pickSet, 1, 1);
}

int KCanvasPane::PickControlHandle(int x, int y) {
    controlWrap = 0;
    pickAux = OutlineItem;
    pickIndex = -1;
    if (pickSet < 1 || pickSet > setCount) {
        return -1;
    }
    int start = setEnds[pickSet - 1];
    int end = setEnds[pickSet];
    Point2 cursor{std::trunc(ModelX(x)), std::trunc(ModelY(y))};
    double best = 1000;
    int result = -1;
    auto consider = [&](const Point2& item, int index, int kind) {
        double distance = Distance(cursor, item);
        if (distance < best) {
            best = distance;
            result = index;
            pickAux = kind;
        }
    };
    for (int i = start; i < end; ++i) {
        consider(points[i], i, OutlineItem);
        if (splineType == BezierSpline) {
            consider(control1[i], i, FirstControlItem);
            consider(control2[i], i, SecondControlItem);
        }
    }
    if (splineType == QuadraticSpline || splineType == CubicSpline) {
        consider(control1[start], start, FirstControlItem);
    }
    pickIndex = result;
    // The first point and the closing point are dragged together, whichever was grabbed.
    if (pickAux == OutlineItem && (result == start || result == end - 1)) {
        controlWrap = end - 1;
        pickIndex = start;
    }
    return result;
}

void KCanvasPane::DragControlItem(int x, int y) {
    if (splineType == LinearSpline || controlState == 0 || pickIndex < 0 ||
        pickIndex >= pointCount || pickSet < 1 || pickSet > setCount) {
        return;
    }
    Point2 cursor{std::trunc(ModelX(x)), std::trunc(ModelY(y))};
    if (pickAux == OutlineItem) {
        points[pickIndex] = cursor;
        if (controlWrap != 0 && controlWrap < pointCount) {
            points[controlWrap] = cursor;
        }
    } else if (pickAux == FirstControlItem) {
        control1[pickIndex] = cursor;
    } else if (pickAux == SecondControlItem) {
        control2[pickIndex] = cursor;
    }
    OnRedraw(-1, pickSet, 1, 1);
}
