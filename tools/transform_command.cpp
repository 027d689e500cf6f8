#include <cfloat>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "model/KCanvasPane.h"
#include "model/NumberText.h"
#include "tools/DrawingOptions.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"

namespace {

enum class TransformKind { Centre, Flip, Rotate, Scale };

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

OptionResult TakeTransform(const char* name, ToolArguments& args,
                           std::vector<Transform>& transforms) {
    std::string_view option(name);
    if (option == "center" || option == "flip") {
        transforms.push_back({option == "center" ? TransformKind::Centre : TransformKind::Flip, 0});
        return OptionStatus::Taken;
    }
    const char* text = nullptr;
    double value = 0;
    if (option != "rotate" && option != "scale") {
        return OptionStatus::Unknown;
    }
    if (!args.Value(text)) {
        return OptionStatus::MissingValue;
    }
    if (!ReadNumber(text, value)) {
        return OptionResult::BadValue("not a finite number");
    }
    bool rotate = option == "rotate";
    const OptionResult result = rotate ? OptionResult() : CheckScale(value);
    if (result.Taken()) {
        // Whole turns change nothing; without them a huge angle keeps its precision.
        transforms.push_back({rotate ? TransformKind::Rotate : TransformKind::Scale,
                              rotate ? std::fmod(value, 360) : value});
    }
    return result;
}

void Apply(KCanvasPane& canvas, const Transform& transform) {
    switch (transform.kind) {
        case TransformKind::Centre:
            canvas.CentreAll();
            break;
        case TransformKind::Flip:
            canvas.FlipAllVertical();
            break;
        case TransformKind::Rotate:
            canvas.RotateRange(0, -1, transform.value, 0, 0);
            break;
        case TransformKind::Scale:
            canvas.ScaleRange(0, canvas.pointCount, static_cast<float>(transform.value), 0);
            break;
    }
}

}  // namespace

int RunTransform(int argc, char** argv) {
    std::vector<Transform> transforms;
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
    for (const Transform& transform : transforms) {
        Apply(canvas, transform);
    }
    options.ApplyTo(canvas.Model());
    return WriteDrawing(canvas.Model(), files[1], options.KindChoice());
}
