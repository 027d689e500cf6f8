#include "model/KCanvasPane.h"

// Copy Set and Copy All: the press picks what to copy, every right release appends a copy.

void KCanvasPane::PressCopy(int x, int y) {
    int nearest = HasOpenSet() ? -1 : FindNearestPoint(x, y);
    // A press that picks nothing must not leave an earlier pick for the right release.
    pickIndex = nearest;
    if (nearest < 0) {
        pickAux = -1;
        return;
    }
    pickAux = editMode == CopySet ? FindSetOf(nearest) : setCount;
}

bool KCanvasPane::CopyPicked(int x, int y) {
    if (HasOpenSet() || pickIndex < 0 || pickIndex >= pointCount || pickAux < 1 ||
        pickAux > setCount) {
        return false;
    }
    bool wholeDrawing = editMode == CopyAll;
    int first = wholeDrawing ? 0 : setEnds[pickAux - 1];
    int last = setEnds[pickAux];
    int newSets = wholeDrawing ? pickAux : 1;
    // Besides the points, the new sets need room in the set-end table.
    if (pointCount + (last - first) > MaxPoints - 2 || setCount + newSets > MaxSets) {
        return false;
    }
    double dx = ModelX(x) - points[pickIndex].x;
    double dy = ModelY(y) - points[pickIndex].y;
    int base = pointCount;
    for (int i = first; i < last; ++i) {
        points[pointCount] = points[i];
        control1[pointCount] = control1[i];
        control2[pointCount] = control2[i];
        ++pointCount;
    }
    // A copy that would land beyond the largest coordinates is not made.
    if (!ShiftEntries(base, pointCount, dx, dy)) {
        pointCount = base;
        return false;
    }
    if (wholeDrawing) {
        for (int j = 0; j < pickAux; ++j) {
            setEnds[setCount] = setEnds[j] + base;
            ++setCount;
        }
    } else {
        ++setCount;
    }
    setEnds[setCount] = pointCount;
    return true;
}
