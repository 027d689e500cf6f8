#pragma once

#include <optional>

#include "model/Drawing.h"
#include "model/Selection.h"

// The two handles of a bezier node: the one leaving it (the first handle of the segment that
// starts at it) and the one arriving at it (the second handle of the segment before; for a
// finished set's first point, that of the segment that closes the set). The ends of an open set
// lack one of them.
struct NodeHandles {
    std::optional<SelectedItem> leaving;
    std::optional<SelectedItem> arriving;
};

NodeHandles HandlesOf(const Drawing& drawing, int node);
// Whether the item is a handle of a segment of the drawing.
bool IsHandle(const Drawing& drawing, const SelectedItem& item);
// The node a handle belongs to, or -1 for an item that is no handle.
int NodeOfHandle(const Drawing& drawing, const SelectedItem& handle);
// A finished set's closing repeat has the type of the set's first point.
NodeType NodeTypeOf(const Drawing& drawing, int index);

Point2& ValueOf(Drawing& drawing, const SelectedItem& item);
const Point2& ValueOf(const Drawing& drawing, const SelectedItem& item);

// After the handle `moved` of a smooth or symmetric node moved, its partner turns to stay in
// line with it through the node, keeping its length (smooth) or taking the moved one's
// (symmetric). A corner node, a handle on its node and a node with one handle stay as they are.
void KeepNodeRule(Drawing& drawing, const SelectedItem& moved);

bool HasTwoHandles(const Drawing& drawing, int node);
// A node type means something only where two handles meet: every other node becomes a corner.
void DropLooseNodeTypes(Drawing& drawing);

// Gives the selected points that have two handles the type; a smooth or symmetric node's handles
// are put in line at once (about the mean of their directions; a symmetric node's lengths become
// their mean). True when the drawing changed.
bool SetNodeTypes(Drawing& drawing, const Selection& selection, NodeType type);
