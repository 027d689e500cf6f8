#pragma once

#include "model/Affine2.h"

// Parses an SVG transform attribute ("translate(10) rotate(30 5 5) scale(2,3)", also matrix,
// skewX and skewY) into one map; the rightmost transform applies first. False when the text
// does not follow the grammar, in which case the element is not drawn.
bool ParseSvgTransform(const char* text, Affine2& result);
