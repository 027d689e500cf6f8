#include <algorithm>

#include "model/KCanvasPane.h"

// Copy Set and Copy All: the press picks what to copy, every right release appends a copy.

void KCanvasPane::PressCopy(int x, int y) {
    int nearest = HasOpenSet() ? -1 : PickPoint(x, y);
    // A press that picks nothing must not leave an earlier pick for the right release.
    PickedPoint() = nearest;
    if (nearest < 0) {
        PickedSetNumber() = -1;
        return;
    }
    // Copy All keeps the number of the last set: it copies every set up to that one.
    PickedSetNumber() = editMode == CopySet ? FindSetOf(nearest) : setCount;
}

bool KCanvasPane::CopyPicked(int x, int y) {
    const int picked = PickedPoint();
    const int set = PickedSetNumber();
    if (HasOpenSet() || picked < 0 || picked >= pointCount || set < 1 || set > setCount) {
        return false;
    }
    bool wholeDrawing = editMode == CopyAll;
    int first = wholeDrawing ? 0 : setEnds[set - 1];
    int last = setEnds[set];
    int newSets = wholeDrawing ? set : 1;
    // Besides the points, the new sets need room in the set-end table.
    if (pointCount + (last - first) > MaxPoints - 2 || setCount + newSets > MaxSets) {
        return false;
    }
    Point2 by{ModelX(x) - points[picked].x, ModelY(y) - points[picked].y};
    // Snapped copies land whole grid steps away.
    if (options.snapToGrid) {
        by = MoveStep(by);
    }
    const double dx = by.x;
    const double dy = by.y;
    int base = pointCount;
    for (int i = first; i < last; ++i) {
        points[pointCount] = points[i];
        control1[pointCount] = control1[i];
        control2[pointCount] = control2[i];
        drawing.nodeTypes[pointCount] = drawing.nodeTypes[i];
        ++pointCount;
    }
    // A copy that would land beyond the largest coordinates is not made.
    if (!ShiftEntries(base, pointCount, dx, dy)) {
        std::fill(drawing.nodeTypes + base, drawing.nodeTypes + pointCount, NodeType::Corner);
        pointCount = base;
        return false;
    }
    if (wholeDrawing) {
        for (int j = 0; j < set; ++j) {
            setEnds[setCount] = setEnds[j] + base;
            ++setCount;
        }
    } else {
        ++setCount;
    }
    setEnds[setCount] = pointCount;
    return true;
}
