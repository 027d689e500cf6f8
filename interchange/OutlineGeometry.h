#pragma once

#include <cstddef>

#include "interchange/Outline.h"
#include "model/Affine2.h"

// Whole-outline geometry shared by the import steps. Coordinates are model units.

// True when every point, handle of a curve and control point is a finite number.
bool AllFinite(const Outline& outline);

// The largest distance of any coordinate from the origin along either axis.
double LargestCoordinate(const Outline& outline);

// Scales the outline about the centre of its bounds and moves that centre to the origin, so
// that it fills the visible canvas with a small margin, aspect kept.
void FitIntoCanvas(Outline& outline);

// The same for the profiles of a lathe or a surface of revolution, which turn about the y axis:
// they are scaled about the origin so that their turned silhouette fills the canvas, and only
// moved up or down.
void FitProfilesIntoCanvas(Outline& outline);

// Replaces every curved segment by straight ones that stay within tolerance of the curve, or
// within the larger tolerance at which the straight pieces of all curves together number about
// budget (besides one for each curve). Returns the tolerance kept.
double FlattenCurves(Outline& outline, double tolerance, size_t budget);

// Moves every coordinate to the value the writer's text gives back when read, so that points
// the file will show as equal are equal here too.
void SnapToWrittenValues(Outline& outline);
Point2 AsWritten(const Point2& point);

// Carries every point, handle and control point by the map.
void MapOutline(Outline& outline, const Affine2& map);
