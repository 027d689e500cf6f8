#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Affine2.h"
#include "model/Drawing.h"
#include "model/Selection.h"
#include "model/TypedTransform.h"

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

// Maps the selected items. A point takes its closing repeat with it and, with handles, its two
// handles; a handle mapped without its node keeps the node's rule by turning its partner. False,
// changing nothing, when a value would not be finite.
bool MapSelected(Drawing& drawing, const Selection& selection, const Affine2& map,
                 bool withHandles);
// The middle of the box around the selected points and handles, or around every point when
// none is selected (model units; the origin for an empty drawing).
Point2 CentreOf(const Drawing& drawing, const Selection& selection);

// The selection mapped as MapSelected maps it, or with none selected every entry and handle of
// the drawing, by the typed transform about the selection's centre. False, changing nothing,
// when a value would not be finite.
bool ApplyTypedTransform(Drawing& drawing, const Selection& selection,
                         const TypedTransform& transform, bool withHandles);

// The same for a move by `by`.
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
