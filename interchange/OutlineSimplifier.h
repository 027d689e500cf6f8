#pragma once

#include "interchange/Outline.h"

// Drops points of an outline of straight segments until its sets take at most capacity
// entries (each set its points and the closing repeat), the way Ramer-Douglas-Peucker
// simplification does with the smallest tolerance that fits: a point goes before any point
// that would move the outline further. Every set keeps at least three points. Returns that
// tolerance, the farthest the simplified outline lies from the points dropped, in model units.
double SimplifyToCapacity(Outline& outline, int capacity);
