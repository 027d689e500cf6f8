#include "model/DrawingEntries.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

EntrySpan SpanOf(const Drawing& drawing, int index) {
    if (index < 0 || index >= drawing.pointCount) {
        return {};
    }
    for (int k = 1; k <= drawing.setCount; ++k) {
        if (index < drawing.setEnds[k]) {
            return {drawing.setEnds[k - 1], drawing.setEnds[k], true};
        }
    }
    return {drawing.setEnds[drawing.setCount], drawing.pointCount, false};
}

void RemoveEntries(Drawing& drawing, int start, int count) {
    const int points = drawing.pointCount;
    if (start < 0 || count < 1 || start > points - count) {
        return;
    }
    const Point2 handle = drawing.control2[start];
    for (int i = start; i < points - count; ++i) {
        drawing.points[i] = drawing.points[i + count];
        drawing.control1[i] = drawing.control1[i + count];
        drawing.control2[i] = drawing.control2[i + count];
        drawing.nodeTypes[i] = drawing.nodeTypes[i + count];
    }
    // Entries added later start as corners.
    std::fill(drawing.nodeTypes + points - count, drawing.nodeTypes + points, NodeType::Corner);
    if (start > 0) {
        drawing.control2[start - 1] = handle;
    }
    // A set end inside the removed range ends where the gap closed, never before it.
    for (int k = 1; k <= drawing.setCount; ++k) {
        if (drawing.setEnds[k] > start) {
            drawing.setEnds[k] = std::max(start, drawing.setEnds[k] - count);
        }
    }
    drawing.pointCount -= count;
    drawing.CheckInvariants();
}

void RemoveSet(Drawing& drawing, int set) {
    if (set < 1 || set > drawing.setCount) {
        return;
    }
    RemoveEntries(drawing, drawing.setEnds[set - 1],
                  drawing.setEnds[set] - drawing.setEnds[set - 1]);
    // The removed set's two ends are now equal: dropping one removes the set.
    for (int k = set - 1; k < drawing.setCount; ++k) {
        drawing.setEnds[k] = drawing.setEnds[k + 1];
    }
    --drawing.setCount;
}

void AppendSets(Drawing& drawing, const Drawing& added) {
    const int base = drawing.pointCount;
    const int entries = added.setEnds[added.setCount];
    for (int i = 0; i < entries; ++i) {
        drawing.points[base + i] = added.points[i];
        drawing.control1[base + i] = added.control1[i];
        drawing.control2[base + i] = added.control2[i];
    }
    for (int k = 1; k <= added.setCount; ++k) {
        drawing.setEnds[drawing.setCount + k] = base + added.setEnds[k];
    }
    drawing.setCount += added.setCount;
    drawing.pointCount = base + entries;
    drawing.trailingControls.insert(drawing.trailingControls.end(), added.trailingControls.begin(),
                                    added.trailingControls.end());
    drawing.CheckInvariants();
}

bool ChangeEntryValues(Drawing& drawing, int start, int end,
                       const std::function<void(Point2&)>& change) {
    if (start < 0 || end > drawing.pointCount) {
        return false;
    }
    for (bool apply : {false, true}) {
        for (int i = start; i < end; ++i) {
            for (Point2* array : {drawing.points, drawing.control1, drawing.control2}) {
                Point2 changed = array[i];
                change(changed);
                if (!std::isfinite(changed.x) || !std::isfinite(changed.y)) {
                    return false;
                }
                if (apply) {
                    array[i] = changed;
                }
            }
        }
    }
    return true;
}
