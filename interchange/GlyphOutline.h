#pragma once

#include <vector>

#include "interchange/Outline.h"
#include "toolkit/platform/vGlyphOutlines.h"

// A text's contours as a prism outline, one set per contour: bezier sets when any segment is
// curved, straight ones otherwise. The contours' pixels are model units (75 to a file unit,
// y down); a contour of fewer than two points encloses nothing and is left out.
Outline OutlineOfGlyphs(const std::vector<GlyphContour>& contours);
