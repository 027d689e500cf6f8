#pragma once

#include "interchange/ImportReport.h"
#include "interchange/Outline.h"

// Makes an imported outline fit the editor and its files, for the spline it will be written
// with:
// - with fit, scaled and centred into the visible canvas;
// - curves made straight for a linear spline (a polygon is always linear);
// - every coordinate moved to what the written file gives back, repeated points merged, and
//   sets with too few points to enclose anything left out;
// - more than the drawing's 500 entries simplified until they fit (a bezier outline is
//   flattened for that and becomes linear), more than 99 sets refused;
// - no set with a later point on its first one, where the reader would end the set.
// The outline's spline becomes the one it was made ready for. Every change is noted in the
// report; false, with the reason, when the outline cannot be written.
bool PrepareOutline(Outline& outline, int spline, bool fit, ImportReport& report);

// What is left of a drawing's capacities for an outline added to it.
struct Room {
    int entries;
    int sets;
};
// The same, the outline to fit into that room instead of a whole drawing.
bool PrepareOutline(Outline& outline, int spline, bool fit, ImportReport& report, Room room);

// Makes the imported profiles of a lathe or a surface of revolution fit the editor and its
// files: with fit, scaled about the axis into the visible canvas; every coordinate moved to what
// the written file gives back. Profiles are never simplified: more than the drawing's 500
// entries or 99 sets are refused. Whether the profiles keep the ray tracer's rules the writer
// checks. False, with the reason, when they cannot be written.
bool PrepareProfiles(Outline& outline, bool fit, ImportReport& report);
