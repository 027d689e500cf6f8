#pragma once

#include "model/Drawing.h"

// The handles of the segment from point to next: a quarter and five eighths of the way.
void DefaultHandles(const Point2& point, const Point2& next, Point2& first, Point2& second);

// Gives every point of the drawing the default handles of its segment; with a spline, only the
// points whose handles are both at the origin, the way a file that gave none leaves them.
void FillDefaultHandles(Drawing& drawing);

// Gives the points of the set being drawn, from the last set end on, the default handles of
// their segments, the last one's ending on the point past them.
void InitBezierHandles(Drawing& drawing);
