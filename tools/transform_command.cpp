#include <cfloat>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/KCanvasPane.h"
#include "model/NumberText.h"
#include "tools/DrawingOptions.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"

namespace {

enum class TransformKind { Centre, Flip, MirrorX, Rotate, Scale };

struct Transform {
    TransformKind kind;
    double value;
};

// The factor travels in single precision, where it must neither overflow nor vanish; and a
// factor of 0 would be taken as 1, leaving the drawing as it is.
OptionResult CheckScale(double factor) {
    if (factor == 0) {
        return OptionResult::BadValue("a factor of 0 is refused");
    }
    if (std::fabs(factor) > FLT_MAX) {
        return OptionResult::BadValue("too large for single precision");
    }
    return OptionResult::TakenIf(static_cast<float>(factor) != 0, "too small for single precision");
}

// The transforms in the order given, and the point that rotating, scaling and mirroring keep
// in place (model units).
struct Transforms {
    std::vector<Transform> steps;
    std::optional<Point2> about;
};

OptionResult TakeTransform(const char* name, ToolArguments& args, Transforms& transforms) {
    std::string_view option(name);
    static const std::pair<const char*, TransformKind> plain[] = {
        {"center", TransformKind::Centre},
        {"flip", TransformKind::Flip},
        {"mirror-x", TransformKind::MirrorX},
    };
    for (const auto& [plainName, kind] : plain) {
        if (option == plainName) {
            transforms.steps.push_back({kind, 0});
            return OptionStatus::Taken;
        }
    }
    const char* text = nullptr;
    double value = 0;
    if (option != "rotate" && option != "scale" && option != "about") {
        return OptionStatus::Unknown;
    }
    if (!args.Value(text)) {
        return OptionStatus::MissingValue;
    }
    if (option == "about") {
        Point2 about{0, 0};
        const OptionResult result = TakeFilePoint(text, about);
        transforms.about = about;
        return result;
    }
    if (!ReadNumber(text, value)) {
        return OptionResult::BadValue("not a finite number");
    }
    bool rotate = option == "rotate";
    const OptionResult result = rotate ? OptionResult() : CheckScale(value);
    if (result.Taken()) {
        // Whole turns change nothing; without them a huge angle keeps its precision.
        transforms.steps.push_back({rotate ? TransformKind::Rotate : TransformKind::Scale,
                                    rotate ? std::fmod(value, 360) : value});
    }
    return result;
}

void Apply(KCanvasPane& canvas, const Transform& transform, const std::optional<Point2>& about) {
    const Point2 centre = about.value_or(Point2{0, 0});
    switch (transform.kind) {
        case TransformKind::Centre:
            canvas.CentreAll();
            break;
        case TransformKind::Flip:
            if (about) {
                canvas.MirrorAll(false, centre);
            } else {
                canvas.FlipAllVertical();
            }
            break;
        case TransformKind::MirrorX:
            canvas.MirrorAll(true, centre);
            break;
        case TransformKind::Rotate:
            canvas.RotateRange(0, -1, transform.value, centre.x, centre.y);
            break;
        case TransformKind::Scale:
            canvas.anchorX = centre.x;
            canvas.anchorY = centre.y;
            canvas.ScaleRange(0, canvas.pointCount, static_cast<float>(transform.value), 1);
            break;
    }
}

}  // namespace

int RunTransform(int argc, char** argv) {
    Transforms transforms;
    DrawingOptions options;
    std::vector<const char*> files;
    Drawing drawing;
    int result = ParseAndReadDrawing(
        "transform", argc, argv, files,
        [&](const char* name, ToolArguments& args) {
            if (DrawingOptions::Knows(name)) {
                return options.Take(name, args);
            }
            return TakeTransform(name, args, transforms);
        },
        drawing);
    if (result != ToolContinue) {
        return result;
    }
    // The transforms are the canvas's own.
    KCanvasPane canvas(nullptr);
    canvas.SetModel(drawing);
    for (const Transform& transform : transforms.steps) {
        Apply(canvas, transform, transforms.about);
    }
    options.ApplyTo(canvas.Model());
    return WriteDrawing(canvas.Model(), files[1], options.KindChoice());
}
