#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Affine2.h"
#include "model/Drawing.h"
#include "model/Selection.h"

// What Select mode does to a drawing, as plain functions over it: picking, the rubber band,
// moving and deleting. A set's closing repeat is never an item of its own: it follows its first
// point. `withHandles` says whether the drawing's handles count (a bezier drawing's do).

// The point or handle nearest to the cursor, within `within` on the canvas; `toPixels` maps
// model units to canvas pixels and the cursor is in the same pixels. Points win ties.
std::optional<SelectedItem> ItemNear(const Drawing& drawing, const Affine2& toPixels,
                                     const Point2& cursor, double within, bool withHandles);

// The points inside the rectangle with corners a and b (model units), its edges included.
Selection PointsInside(const Drawing& drawing, const Point2& a, const Point2& b);
Selection AllPoints(const Drawing& drawing);

// The finished sets (1 .. setCount, ascending) that hold a selected point or handle.
std::vector<int> SetsOf(const Drawing& drawing, const Selection& selection);

// Moves the selected items by `by`. A point takes its closing repeat with it and, with handles,
// its two handles; a handle moved without its node keeps the node's rule by turning its
// partner. False, changing nothing, when a value would not be finite.
bool MoveSelected(Drawing& drawing, const Selection& selection, const Point2& by, bool withHandles);

// Removes the selected points (handles are not removed). A finished set left with fewer than
// three points of its own is removed whole; the note then says so ("" when none was). A set
// whose first point goes closes on its next remaining point.
struct DeletedPoints {
    int points = 0;
    int wholeSets = 0;
    std::string note;
};
DeletedPoints DeleteSelected(Drawing& drawing, const Selection& selection);
