#pragma once

#include <string>
#include <vector>

// The pictures POV-Ray makes of a drawing file: the scene text around the file for each view and
// the command-line arguments that render it.
class PovrayViews {
public:
    enum View {
        // Orthographic, face on, framed as the canvas frames the drawing: file x to the right,
        // file y up, -2 to 2 across, with the canvas's grid lines. A polygon or a prism is seen
        // straight down, a lathe or a surface of revolution from the front.
        TopView,
        // Lit, in perspective, from the front, the left and above: a prism standing between its
        // heights, a polygon lying flat, a lathe or a surface of revolution standing on its axis.
        ThreeQuarterView,
        ViewCount,
    };

    // POV-Ray finds no intersection with a conic prism for a ray exactly along its axis, so an
    // open one, which has no caps, would not show face on at all: the face-on views look this
    // many radians off the axis, far too little to move anything by a pixel.
    static constexpr double FaceOnTilt = 1e-4;

    // The scene showing `Thing` from the drawing file of the kind (a ShapeKind), which the scene
    // includes by that name.
    static std::string Scene(View view, const std::string& drawingFile, int kind, int width,
                             int height);
    // Renders scene into a PNG image of width x height with no display and no statistics.
    static std::vector<std::string> Arguments(View view, const std::string& scene,
                                              const std::string& image, int width, int height);
};
