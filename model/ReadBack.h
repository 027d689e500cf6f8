#pragma once

#include "model/Point2.h"

// A file value as the reader and the ray tracer see it: the writer prints six significant
// digits ("%g"), and they parse those digits back into the nearest double. Exactly that double,
// at a small fraction of the cost of printing and parsing.
double ReadBack(double value);
Point2 ReadBack(const Point2& value);
