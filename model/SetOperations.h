#pragma once

#include <vector>

#include "model/SetOutlines.h"

// Union, difference, intersection and exclusive or of the chosen sets (numbers 1 .. setCount;
// none: every finished set), each set taken as the ray tracer fills it (even-odd): the
// difference is the lowest-numbered set less the others. The result's sets stand where the
// first chosen set stood. A polygon or a linear prism gets lines, a bezier prism curves; the
// kind is the one the drawing is written as (Polygon or Prism).
SetsResult CombineSets(const Drawing& drawing, int kind, const std::vector<int>& sets,
                       RegionOperation operation);

// The region the chosen sets fill together (even-odd) grown by `by` file units, or shrunk where
// it is negative; parts that vanish are left out, said in a note.
SetsResult OffsetSets(const Drawing& drawing, int kind, const std::vector<int>& sets, double by,
                      OffsetJoin join);
