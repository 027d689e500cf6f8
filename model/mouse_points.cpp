#include <cmath>
#include <cstdlib>

#include "model/DrawingEntries.h"
#include "model/KCanvasPane.h"

// Presses that insert or delete points and sets.

namespace {

Point2 Difference(const Point2& a, const Point2& b) {
    return Point2{a.x - b.x, a.y - b.y};
}

// Halves first, so that the largest coordinates do not overflow; the value is the same.
Point2 Midpoint(const Point2& a, const Point2& b) {
    return Point2{a.x * 0.5 + b.x * 0.5, a.y * 0.5 + b.y * 0.5};
}

// Angle difference in whole hundredths of a radian, cut toward zero and not wrapped.
int AngleGap(double a, double b) {
    return std::abs(static_cast<int>((a - b) * 100));
}

}  // namespace

void KCanvasPane::InsertPointAt(int nearest, int set, int x, int y) {
    if (set < 1 || set > setCount || pointCount >= MaxPoints) {
        return;
    }
    int start = setEnds[set - 1];
    int end = setEnds[set];
    if (end - start < 2 || nearest < start || nearest >= end) {
        return;
    }
    // The closing point repeats the first, so the neighbours wrap around it.
    int prev = nearest - 1 < start ? end - 2 : nearest - 1;
    int next = nearest + 1 == end ? start + 1 : nearest + 1;
    const Point2& at = points[nearest];
    // Only the direction counts here: in another view than the default the cursor is not cut.
    Point2 cursor{ModelX(x), ModelY(y)};
    if (OwnMapping()) {
        cursor = {std::trunc(cursor.x), std::trunc(cursor.y)};
    }
    Point2 toPrev = Difference(points[prev], at);
    Point2 toNext = Difference(points[next], at);
    Point2 toCursor = Difference(cursor, at);
    double towardsCursor = AngleOf(toCursor.x, toCursor.y);
    double towardsPrev = AngleOf(toPrev.x, toPrev.y);
    double towardsNext = AngleOf(toNext.x, toNext.y);
    // Points so far apart that their distance overflows give no direction to compare.
    if (std::isnan(towardsCursor + towardsPrev + towardsNext)) {
        return;
    }
    int gapPrev = AngleGap(towardsCursor, towardsPrev);
    int gapNext = AngleGap(towardsCursor, towardsNext);
    bool beforeNearest = gapNext > gapPrev;
    int other = beforeNearest ? prev : next;
    int index = beforeNearest ? prev + 1 : next;
    Point2 added = Midpoint(at, points[other]);
    if (options.snapToGrid) {
        added = SnapToGrid(added);
    }
    InsertEntryAt(set, index, added);
}

void KCanvasPane::InsertEntryAt(int set, int index, const Point2& added) {
    for (int i = pointCount; i > index; --i) {
        points[i] = points[i - 1];
        control1[i] = control1[i - 1];
        control2[i] = control2[i - 1];
        drawing.nodeTypes[i] = drawing.nodeTypes[i - 1];
    }
    points[index] = added;
    drawing.nodeTypes[index] = NodeType::Corner;
    control1[index] = Midpoint(added, points[index + 1]);
    control2[index] = Midpoint(control1[index], points[index + 1]);
    control1[index - 1] = Midpoint(points[index - 1], added);
    control2[index - 1] = Midpoint(control1[index - 1], added);
    for (int k = set; k <= setCount; ++k) {
        ++setEnds[k];
    }
    ++pointCount;
}

void KCanvasPane::PressDeletePoint(int x, int y) {
    const int picked = PickedPoint() = PickPoint(x, y);
    if (picked < 0) {
        CoincidentPoint() = -1;
        return;
    }
    // A point lying on another (a set's first point and its closing point) is never deleted.
    if ((CoincidentPoint() = FindCoincidentPoint(picked)) >= 0) {
        return;
    }
    int set = FindSetOf(picked);
    if (set >= 1 && setEnds[set] - setEnds[set - 1] < 5) {
        return;
    }
    bool secondOfOpenSet = set < 1 && picked == setEnds[setCount] + 1;
    RemovePoints(picked, 1);
    if (secondOfOpenSet) {
        --pointCount;
    }
    RedrawOutline(true);
    ReportStatusAt(x, y);
}

void KCanvasPane::PressDeleteSet(int x, int y) {
    const int picked = PickedPoint() = PickPoint(x, y);
    const int set = PickedSetNumber() = picked >= 0 ? FindSetOf(picked) : -1;
    if (set < 1 || set > setCount) {
        return;
    }
    RemoveSet(drawing, set);
    RedrawOutline(true);
    ReportStatusAt(x, y);
}
