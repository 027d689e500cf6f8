#pragma once

#include "model/CurveFlattening.h"
#include "model/WrittenPoints.h"

// POV-Ray's own curve of every profile of a lathe or a surface of revolution (the kind), from
// the list the writer writes for it (WrittenPoints with that kind) with the spline: x the radius,
// y the height, in file units, mapped and flattened as the options say. Each piece of a profile's
// curve is one polyline, appended to out. A profile that breaks a rule is drawn as far as its
// points go.
void FlattenProfiles(const WrittenPointList& list, int kind, int spline,
                     const FlattenOptions& options, Polylines& out);
