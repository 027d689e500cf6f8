#pragma once

#include <vector>

#include "interchange/Outline.h"
#include "toolkit/platform/vGlyphOutlines.h"

// A text's outline and what uniting its overlapping contours did to it.
struct GlyphOutline {
    Outline outline;
    // How many groups of contours that overlapped one another (or themselves) were united.
    int united = 0;
    // The largest distance, in file units, of the united groups' fitted curves from the exact
    // union of the flattened contours (0 when nothing was united).
    double deviation = 0;
};

// A text's contours as a prism outline, one set per contour: bezier sets when any segment is
// curved, straight ones otherwise. The contours' pixels are model units (75 to a file unit,
// y down); a contour of fewer than two points encloses nothing and is left out. Contours that
// overlap are filled as the font means them (non-zero), while the ray tracer fills a prism's
// sets even-odd: each group of them is replaced by its union, curves fitted back within the
// share of the text's size the outline commands use. Contours that overlap nothing stay exact.
GlyphOutline OutlineOfGlyphs(const std::vector<GlyphContour>& contours);
