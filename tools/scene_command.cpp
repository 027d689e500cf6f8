#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "io/FileReplace.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "model/ProfileCurves.h"
#include "preview/PovrayViews.h"
#include "scenefile/SceneKind.h"
#include "scenefile/SceneWriting.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"
#include "tools/ToolMessages.h"

namespace {

// The part of the x-y plane, in file units, that the object covers when seen face on.
struct Frame {
    double left = -2;
    double right = 2;
    double bottom = -2;
    double top = 2;
};

// A lathe or a surface of revolution seen from the front: its profiles' curves and their mirror
// images across the axis it turns about.
Frame TurnedFrameOf(const Drawing& canvas) {
    Polylines curves;
    FlattenOptions flatten;
    flatten.tolerance = 0.001;
    FlattenProfiles(WrittenPoints(canvas, canvas.kind), canvas.kind, canvas.splineType, flatten,
                    curves);
    if (curves.points.empty()) {
        return Frame{};
    }
    Frame frame{0, 0, HUGE_VAL, -HUGE_VAL};
    for (const Point2& p : curves.points) {
        frame = {std::min(frame.left, -std::fabs(p.x)), std::max(frame.right, std::fabs(p.x)),
                 std::min(frame.bottom, p.y), std::max(frame.top, p.y)};
    }
    return frame;
}

Frame FrameOf(const Drawing& canvas) {
    Frame frame;
    if (canvas.pointCount <= 0) {
        return frame;
    }
    if (IsTurnedKind(canvas.kind)) {
        return TurnedFrameOf(canvas);
    }
    frame = {HUGE_VAL, -HUGE_VAL, HUGE_VAL, -HUGE_VAL};
    for (int i = 0; i < canvas.pointCount; ++i) {
        double x = KCanvasPane::FileX(canvas.points[i].x);
        double y = KCanvasPane::FileY(canvas.points[i].y);
        frame = {std::min(frame.left, x), std::max(frame.right, x), std::min(frame.bottom, y),
                 std::max(frame.top, y)};
    }
    // A conic prism grows from the origin with the height: its widest outline is at the
    // height farthest from zero.
    if (canvas.kind == Prism && canvas.sweepType == ConicSweep) {
        double scale = std::max(std::fabs(canvas.prismStart), std::fabs(canvas.prismEnd));
        frame = {std::min(frame.left * scale, 0.0), std::max(frame.right * scale, 0.0),
                 std::min(frame.bottom * scale, 0.0), std::max(frame.top * scale, 0.0)};
    }
    return frame;
}

// The scene's comment names the drawing by its bare name when both files share a folder;
// otherwise by its absolute path.
std::string ShownName(const char* drawing, const char* scene) {
    namespace fs = std::filesystem;
    if (scene == nullptr) {
        return drawing;
    }
    std::error_code error;
    fs::path drawingPath = fs::weakly_canonical(fs::absolute(drawing, error), error);
    fs::path scenePath = fs::weakly_canonical(fs::absolute(scene, error), error);
    if (error) {
        return drawing;
    }
    if (drawingPath.parent_path() == scenePath.parent_path()) {
        return drawingPath.filename().string();
    }
    return drawingPath.string();
}

// The name goes into a comment of the scene language, where a line break would end it and leave
// the rest of the name as scene text; a double quote would confuse whoever copies it.
bool SceneCanName(const std::string& name) {
    return name.find_first_of("\r\n\"") == std::string::npos;
}

std::string Number(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

std::string Vector(double x, double y, double z) {
    return "<" + Number(x) + ", " + Number(y) + ", " + Number(z) + ">";
}

// The scene, or "" when the drawing is too large for any number of it to be finite. It holds
// the drawing as the editor writes it, never the file it was read from: text of that file which
// the drawing does not keep must not run with the scene.
std::string SceneText(const Drawing& canvas, const std::string& shownName,
                      const std::string& drawing) {
    Frame frame = FrameOf(canvas);
    double centreX = frame.left / 2 + frame.right / 2;
    double centreY = frame.bottom / 2 + frame.top / 2;
    double width = std::max(frame.right - frame.left, 1e-3);
    double height = std::max(frame.top - frame.bottom, 1e-3);
    bool prism = canvas.kind == Prism;
    // In front of the object, whose depth is a prism's height or a turned profile's radius.
    double depth = prism ? std::max(std::fabs(canvas.prismStart), std::fabs(canvas.prismEnd))
                         : (IsTurnedKind(canvas.kind) ? frame.right : 0);
    double distance = 10 + depth;
    double lightX = centreX - width;
    double lightY = centreY + height;
    double lightZ = -distance * 2;
    for (double value : {centreX, centreY, width, height, lightX, lightY, lightZ}) {
        if (!std::isfinite(value)) {
            return "";
        }
    }
    return "// Shows Thing from " + shownName +
           " face on: povray +W400 +H300 +I<this file>\n"
           "#version 3.7;\n"
           "global_settings { assumed_gamma 1.0 }\n" +
           drawing + "#declare Span = 1.2 * max(" + Number(height) + ", " + Number(width) +
           " * image_height / image_width);\n"
           "camera {\n"
           "  orthographic\n"
           "  location " +
           Vector(centreX + distance * PovrayViews::FaceOnTilt,
                  centreY + distance * PovrayViews::FaceOnTilt, -distance) +
           "\n"
           "  look_at " +
           Vector(centreX, centreY, 0) +
           "\n"
           "  right x * Span * image_width / image_height\n"
           "  up y * Span\n"
           "}\n"
           "background { color rgb 1 }\n"
           "light_source { " +
           Vector(lightX, lightY, lightZ) +
           " color rgb 1 }\n"
           "object {\n"
           "  Thing\n" +
           // A prism stands on the x-z plane; turned about x its outline faces the camera. A
           // lathe or a surface of revolution stands along y already.
           (prism ? "  rotate -90 * x\n" : "") +
           "  pigment { color rgb <0.15, 0.35, 0.75> }\n"
           "  finish { ambient 0.3 diffuse 0.7 }\n"
           "}\n";
}

}  // namespace

int RunScene(int argc, char** argv) {
    std::vector<const char*> files;
    Drawing shown;
    int result = ParseAndReadDrawing(
        "scene", argc, argv, files,
        [](const char*, ToolArguments&) { return OptionStatus::Unknown; }, shown);
    if (result != ToolContinue) {
        return result;
    }
    const char* out = files.size() > 1 ? files[1] : nullptr;
    if (out != nullptr &&
        WouldReplaceInput("scene", files[0], out, "the scene would replace the drawing it shows")) {
        return ExitUsage;
    }
    const std::string shownName = ShownName(files[0], out);
    if (!SceneCanName(shownName)) {
        return RefuseArgument("scene", shownName,
                              "a scene cannot name a file whose name holds a line break or a "
                              "double quote");
    }
    // The ray tracer refuses a prism with an unfinished outline and closes a polygon's itself; a
    // lathe's unfinished profile is a profile like any other.
    if (shown.HasOpenSet() && !IsTurnedKind(shown.kind)) {
        std::fprintf(stderr, "Warning: the drawing has an unfinished set\n");
    }
    const ComposedScene drawing = ComposeSceneFile(shown, files[0], KindChoice::Of(shown.kind));
    if (!drawing.Writable()) {
        std::fprintf(stderr, "%s: %s\n", files[0], drawing.refusal.c_str());
        return ExitWriteFailed;
    }
    std::string text = SceneText(shown, shownName, drawing.text);
    if (text.empty()) {
        std::fprintf(stderr, "%s: the drawing is too large to show in a scene\n", files[0]);
        return ExitWriteFailed;
    }
    if (out == nullptr) {
        std::fputs(text.c_str(), stdout);
        return ExitOk;
    }
    std::string reason;
    if (!ReplaceFileContents(out, text, &reason)) {
        return ReportSaveFailure(out, reason);
    }
    std::printf("%s\n", out);
    return ExitOk;
}
