#pragma once

#include <functional>

#include "model/Drawing.h"

// The entries of the set an entry lies in: first .. end - 1, the last of a finished set being
// its closing repeat of the first.
struct EntrySpan {
    int first = 0;
    int end = 0;
    bool finished = false;

    // The entries that stand for points of their own: a finished set's closing repeat does not.
    int DistinctEnd() const { return finished ? end - 1 : end; }
};

// The set of the entry (finished, or the open set after the last set end); entries beyond the
// points give an empty span.
EntrySpan SpanOf(const Drawing& drawing, int index);

// Removes entries start .. start + count - 1 from the three arrays and the node types; the
// segment that then joins the neighbours keeps the handle leaving the one before and the handle
// arriving at the one after. Set ends move down with them. Nothing happens for a range outside
// the points.
void RemoveEntries(Drawing& drawing, int start, int count);

// Removes finished set `set` (1 .. setCount) whole, the set ends after it moving down.
void RemoveSet(Drawing& drawing, int set);

// Adds the finished sets of `added` after the drawing's own, with their handles and kept
// closing controls. The caller has checked that they fit and that no set is left open.
void AppendSets(Drawing& drawing, const Drawing& added);

// Applies the change to entries start .. end - 1 of the three arrays, so that handles follow
// their points; but only when every result is finite. A change that would overflow anywhere, or
// a range outside the points, changes nothing and gives false.
bool ChangeEntryValues(Drawing& drawing, int start, int end,
                       const std::function<void(Point2&)>& change);
