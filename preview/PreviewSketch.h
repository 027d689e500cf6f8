#pragma once

#include "preview/PovrayShape.h"
#include "toolkit/raster/PixelSurface.h"

// Quick pictures of the preview's two views, drawn by the editor itself in a few milliseconds
// while POV-Ray takes its time: POV-Ray's framing, colours and lights, hard pixel edges, no
// shadows, and a conic prism seen from above as its largest outline.
class PreviewSketch {
public:
    // Face on: a polygon or a prism from above, a lathe or a surface of revolution from the front.
    static PixelSurface TopView(const PovrayShape& shape, int size);
    static PixelSurface ThreeQuarterView(const PovrayShape& shape, int size);

private:
    // The grid lines a unit apart behind the face-on view, `pixel` units a pixel.
    static void DrawGrid(PixelSurface& picture, double pixel);
    // A turned shape's face-on view, row by row out to its widest radius at the row's height.
    static PixelSurface FrontView(const PovrayShape& shape, int size);
    // A turned shape's three-quarter view: each pixel's ray met with the turned profiles.
    static PixelSurface TurnedView(const PovrayShape& shape, int size);
};
