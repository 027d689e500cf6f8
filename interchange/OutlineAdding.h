#pragma once

#include "interchange/ImportReport.h"
#include "interchange/Outline.h"
#include "model/SetOutlines.h"

// Why outlines cannot be added to the drawing of the kind at all ("" when they can): a lathe's
// or sor's sets are profiles, and a set left open would take them in.
std::string AddingRefusal(const Drawing& drawing, int kind);

// The drawing with an outline's sets (model units, where they are to lie) added after its own,
// in the drawing's one spline: into a drawing with no sets a prism takes the outline's own
// (bezier, or linear when it had to be simplified), into one with sets the outline is given
// the drawing's spline by the shape-keeping conversion; a polygon's sets are flattened. An
// outline over the room left is simplified as imports are. The report's notes and those of
// the conversion come with the result; refused, with the reason, when the sets do not fit.
SetsResult AddOutline(const Drawing& drawing, int kind, Outline outline, ImportReport report);
