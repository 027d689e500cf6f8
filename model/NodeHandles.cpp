#include "model/NodeHandles.h"

#include <cmath>

#include "model/DrawingEntries.h"

namespace {

Point2 Minus(const Point2& a, const Point2& b) {
    return {a.x - b.x, a.y - b.y};
}

double Length(const Point2& v) {
    return std::hypot(v.x, v.y);
}

// The node's point less the direction scaled to the length: where a handle in line lies.
Point2 Along(const Point2& node, const Point2& unit, double length) {
    return {node.x + unit.x * length, node.y + unit.y * length};
}

bool Finite(const Point2& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Puts both handles of the node in line, as the type asks.
void AlignHandles(Drawing& drawing, int node, NodeType type) {
    const NodeHandles handles = HandlesOf(drawing, node);
    if (type == NodeType::Corner || !handles.leaving || !handles.arriving) {
        return;
    }
    const Point2 at = drawing.points[node];
    Point2& leaving = ValueOf(drawing, *handles.leaving);
    Point2& arriving = ValueOf(drawing, *handles.arriving);
    const double out = Length(Minus(leaving, at));
    const double in = Length(Minus(arriving, at));
    if (!(out > 0) || !(in > 0)) {
        return;
    }
    // The mean of the leaving direction and the reverse of the arriving one.
    Point2 direction{(leaving.x - at.x) / out - (arriving.x - at.x) / in,
                     (leaving.y - at.y) / out - (arriving.y - at.y) / in};
    const double length = Length(direction);
    if (!(length > 0)) {
        return;
    }
    direction = {direction.x / length, direction.y / length};
    const double outLength = type == NodeType::Symmetric ? (out + in) / 2 : out;
    const double inLength = type == NodeType::Symmetric ? (out + in) / 2 : in;
    const Point2 newLeaving = Along(at, direction, outLength);
    const Point2 newArriving = Along(at, direction, -inLength);
    if (Finite(newLeaving) && Finite(newArriving)) {
        leaving = newLeaving;
        arriving = newArriving;
    }
}

}  // namespace

NodeHandles HandlesOf(const Drawing& drawing, int node) {
    const EntrySpan span = SpanOf(drawing, node);
    NodeHandles handles;
    // The segments of the set start at first .. segmentsEnd - 1.
    const int segmentsEnd = span.end - 1;
    if (node < span.first || node >= span.DistinctEnd() || segmentsEnd <= span.first) {
        return handles;
    }
    if (node < segmentsEnd) {
        handles.leaving = SelectedItem{node, EntryPart::Control1};
    }
    if (node > span.first) {
        handles.arriving = SelectedItem{node - 1, EntryPart::Control2};
    } else if (span.finished) {
        handles.arriving = SelectedItem{segmentsEnd - 1, EntryPart::Control2};
    }
    return handles;
}

bool IsHandle(const Drawing& drawing, const SelectedItem& item) {
    const EntrySpan span = SpanOf(drawing, item.index);
    return item.part != EntryPart::Point && item.index >= span.first && item.index < span.end - 1;
}

int NodeOfHandle(const Drawing& drawing, const SelectedItem& handle) {
    if (!IsHandle(drawing, handle)) {
        return -1;
    }
    if (handle.part == EntryPart::Control1) {
        return handle.index;
    }
    const EntrySpan span = SpanOf(drawing, handle.index);
    const int next = handle.index + 1;
    return span.finished && next == span.end - 1 ? span.first : next;
}

NodeType NodeTypeOf(const Drawing& drawing, int index) {
    const EntrySpan span = SpanOf(drawing, index);
    if (span.end == span.first) {
        return NodeType::Corner;
    }
    return drawing.nodeTypes[span.finished && index == span.end - 1 ? span.first : index];
}

Point2& ValueOf(Drawing& drawing, const SelectedItem& item) {
    switch (item.part) {
        case EntryPart::Control1:
            return drawing.control1[item.index];
        case EntryPart::Control2:
            return drawing.control2[item.index];
        default:
            return drawing.points[item.index];
    }
}

const Point2& ValueOf(const Drawing& drawing, const SelectedItem& item) {
    return ValueOf(const_cast<Drawing&>(drawing), item);
}

void KeepNodeRule(Drawing& drawing, const SelectedItem& moved) {
    const int node = NodeOfHandle(drawing, moved);
    if (node < 0 || NodeTypeOf(drawing, node) == NodeType::Corner) {
        return;
    }
    const NodeHandles handles = HandlesOf(drawing, node);
    if (!handles.leaving || !handles.arriving) {
        return;
    }
    const SelectedItem partner = *handles.leaving == moved ? *handles.arriving : *handles.leaving;
    const Point2 at = drawing.points[node];
    const Point2 offset = Minus(ValueOf(drawing, moved), at);
    const double length = Length(offset);
    if (!(length > 0)) {
        return;
    }
    const double partnerLength = NodeTypeOf(drawing, node) == NodeType::Symmetric
                                     ? length
                                     : Length(Minus(ValueOf(drawing, partner), at));
    const Point2 placed = Along(at, {offset.x / length, offset.y / length}, -partnerLength);
    if (Finite(placed)) {
        ValueOf(drawing, partner) = placed;
    }
}

bool HasTwoHandles(const Drawing& drawing, int node) {
    const NodeHandles handles = HandlesOf(drawing, node);
    return handles.leaving && handles.arriving;
}

void DropLooseNodeTypes(Drawing& drawing) {
    for (int i = 0; i < MaxPoints; ++i) {
        if (drawing.nodeTypes[i] != NodeType::Corner && !HasTwoHandles(drawing, i)) {
            drawing.nodeTypes[i] = NodeType::Corner;
        }
    }
}

bool SetNodeTypes(Drawing& drawing, const Selection& selection, NodeType type) {
    const Drawing before = drawing;
    for (const SelectedItem& item : selection.Items()) {
        if (item.part != EntryPart::Point || !HasTwoHandles(drawing, item.index)) {
            continue;
        }
        drawing.nodeTypes[item.index] = type;
        AlignHandles(drawing, item.index, type);
    }
    return drawing != before;
}
