#pragma once

#include "preview/PovrayShape.h"
#include "toolkit/PixelSurface.h"

// Quick pictures of the preview's two views, drawn by the editor itself in a few milliseconds
// while POV-Ray takes its time: POV-Ray's framing, colours and lights, hard pixel edges, no
// shadows, and a conic prism seen from above as its largest outline.
class PreviewSketch {
public:
    static PixelSurface TopView(const PovrayShape& shape, int size);
    static PixelSurface ThreeQuarterView(const PovrayShape& shape, int size);
};
