#include "preview/PovrayViews.h"

#include <cstdio>

#include "model/EditState.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

std::string Number(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

// POV-Ray stands a prism's outline in the x-z plane and lays a polygon's in the x-y plane;
// turned about x, the polygon lies in the x-z plane too, file y along z. Both views look at
// that plane with y up. A lathe or a surface of revolution turns its profiles about y: file x is
// the radius and file y the height, and the face-on view looks at it from the front.
std::string Head(const std::string& drawingFile, int kind) {
    return "#version 3.7;\n"
           "global_settings { assumed_gamma 1.0 }\n"
           "#include \"" +
           drawingFile +
           "\"\n"
           "#declare Shown = object { Thing" +
           (kind == Polygon ? " rotate 90 * x" : "") +
           " }\n"
           "#declare Lo = min_extent(Shown);\n"
           "#declare Hi = max_extent(Shown);\n"
           "background { color rgb 1 }\n";
}

// Face on, a plain point (x, up) at a depth along the camera's direction: straight down, the
// outline's plane is x-z and the depth y; from the front, the plane is x-y and the depth z.
std::string At(bool front, const std::string& x, const std::string& up, const std::string& depth) {
    return "<" + x + ", " + (front ? up + ", " + depth : depth + ", " + up) + ">";
}

// A pixel of the canvas covers [k, k + 1) model units: file x from its left edge, file y from
// its lower edge down. Each grid line is one such column or row, behind the object.
std::string FaceOnCamera(bool front, int width, int height) {
    const std::string column = Number(4.0 / width);
    const std::string row = Number(4.0 / height);
    const std::string tilt = Number(PovrayViews::FaceOnTilt * 180 / Pi);
    // The grid's thin boxes from their side nearer the camera to the farther one.
    const std::string near = front ? "GridDepth" : "GridDepth - 0.01";
    const std::string far = front ? "GridDepth + 0.01" : "GridDepth";
    return "camera {\n"
           "  orthographic\n"
           "  location " +
           At(front, "0", "0", front ? "min(Lo.z, 0) - 1" : "max(Hi.y, 0) + 1") +
           "\n"
           "  direction " +
           At(front, "0", "0", front ? "1" : "-1") +
           "\n"
           "  right <4, 0, 0>\n"
           "  up " +
           At(front, "0", "4", "0") +
           "\n"
           // Turned a little about both axes of the plane, off the camera's own.
           "  rotate " +
           At(front, tilt, tilt, "0") +
           "\n"
           "}\n"
           "#declare GridDepth = " +
           (front ? "max(Hi.z, 0) + 1" : "min(Lo.y, 0) - 1") +
           ";\n"
           "#declare GridLine = texture { pigment { color rgb <0.72, 0.72, 0.79> } "
           "finish { ambient 1 diffuse 0 } }\n"
           "#for (Line, -1, 1)\n"
           "  box { " +
           At(front, "Line", "-2", near) + ", " + At(front, "Line + " + column, "2", far) +
           " texture { GridLine } }\n"
           "  box { " +
           At(front, "-2", "Line - " + row, near) + ", " + At(front, "2", "Line", far) +
           " texture { GridLine } }\n"
           "#end\n"
           "object { Shown pigment { color rgb <0.95, 0.16, 0.02> } "
           "finish { ambient 1 diffuse 0 } }\n";
}

std::string ThreeQuarterCamera() {
    return "#declare Centre = (Lo + Hi) / 2;\n"
           "#declare Radius = max(vlength(Hi - Lo) / 2, 0.25);\n"
           "camera {\n"
           "  perspective\n"
           "  location Centre + vnormalize(<-1.0, 1.5, -2.2>) * Radius * 3.1\n"
           "  look_at Centre\n"
           "  right x * image_width / image_height\n"
           "  angle 40\n"
           "}\n"
           "light_source { Centre + <-4, 8, -6> * Radius color rgb 1 }\n"
           "light_source { Centre + <6, 3, -3> * Radius color rgb 0.3 shadowless }\n"
           "plane { y, Lo.y - Radius * 0.01 pigment { color rgb <0.92, 0.92, 0.95> } "
           "finish { ambient 0.55 diffuse 0.45 } }\n"
           "object { Shown pigment { color rgb <0.95, 0.16, 0.02> } "
           "finish { ambient 0.12 diffuse 0.75 specular 0.3 roughness 0.02 } }\n";
}

}  // namespace

std::string PovrayViews::Scene(View view, const std::string& drawingFile, int kind, int width,
                               int height) {
    if (view != TopView) {
        return Head(drawingFile, kind) + ThreeQuarterCamera();
    }
    return Head(drawingFile, kind) + FaceOnCamera(IsTurnedKind(kind), width, height);
}

std::vector<std::string> PovrayViews::Arguments(View view, const std::string& scene,
                                                const std::string& image, int width, int height) {
    std::vector<std::string> arguments = {"-D",
                                          "-GS",
                                          "-GR",
                                          "+FN",
                                          "+W" + std::to_string(width),
                                          "+H" + std::to_string(height),
                                          "+I" + scene,
                                          "+O" + image};
    // The top view keeps hard pixel edges, as the canvas draws them.
    arguments.push_back(view == TopView ? "-A" : "+A0.3");
    return arguments;
}
