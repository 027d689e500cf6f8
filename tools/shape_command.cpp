#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "model/NumberText.h"
#include "model/SeedSource.h"
#include "model/ShapeKindScope.h"
#include "scenefile/KindChoice.h"
#include "scenefile/SceneReadResult.h"
#include "scenefile/SceneWriting.h"
#include "tools/DrawingOptions.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"
#include "tools/ToolMessages.h"

namespace {

constexpr long MaxCanvasSide = 100000;

// The shape's values as the shape dialog would hand them over, with its starting texts.
struct ShapeValues {
    std::optional<ShapeStyle> style;
    long points = 3;
    double size = 1.0;
    long rotate = 0;
    double function = 0.0;
    long seed = -1;
    long width = 300;
    long height = 300;
    const char* into = nullptr;

    // The shape dialog's silent clamping.
    void Clamp() {
        points = std::clamp(points, 3L, 100L);
        size = size >= 0.0001 ? std::min(size, 2.0) : 1.0;
        rotate = std::clamp(rotate, 0L, 360L);
        function = function >= 0.0 ? std::min(function, 1.0) : 0.0;
    }
};

OptionResult WholeNumber(const char* text, long& value) {
    return OptionResult::TakenIf(ParseWhole(text, value), "not a whole number");
}

OptionResult RealNumber(const char* text, double& value) {
    return OptionResult::TakenIf(ReadNumber(text, value), "not a finite number");
}

OptionResult TakeShapeOption(const char* name, const char* value, ShapeValues& shape) {
    static const char* const styles[] = {"polygon", "ranpoly", "random", "star", nullptr};
    std::string_view option(name);
    if (option == "into") {
        shape.into = value;
        return OptionStatus::Taken;
    }
    if (option == "style") {
        return TakeChoice(value, styles, shape.style);
    }
    if (option == "points") {
        return WholeNumber(value, shape.points);
    }
    if (option == "size") {
        return RealNumber(value, shape.size);
    }
    if (option == "rotate") {
        return WholeNumber(value, shape.rotate);
    }
    if (option == "function") {
        return RealNumber(value, shape.function);
    }
    if (option == "seed") {
        return OptionResult::TakenIf(
            ParseWhole(value, shape.seed) && shape.seed >= 0 && shape.seed <= 0xFFFFFFFFL,
            "not a whole number from 0 to 4294967295");
    }
    return TakeSize(value, MaxCanvasSide, shape.width, shape.height);
}

bool ShapeOption(const char* name) {
    static const char* const names[] = {"into",   "style",    "points", "size",
                                        "rotate", "function", "seed",   "canvas"};
    for (const char* known : names) {
        if (std::strcmp(known, name) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

int RunShape(int argc, char** argv) {
    ShapeValues shape;
    DrawingOptions options;
    std::vector<const char*> files;
    const int parsed =
        ParseToolArguments("shape", argc, argv, files, [&](const char* name, ToolArguments& args) {
            const char* value = nullptr;
            if (DrawingOptions::Knows(name)) {
                return options.Take(name, args);
            }
            if (!ShapeOption(name)) {
                return OptionResult(OptionStatus::Unknown);
            }
            return args.Value(value) ? TakeShapeOption(name, value, shape)
                                     : OptionStatus::MissingValue;
        });
    if (parsed != ToolContinue) {
        return parsed;
    }
    if (!shape.style) {
        return RefuseArgument("shape", "--style", "required: polygon, ranpoly, random or star");
    }
    shape.Clamp();
    KCanvasPane canvas(nullptr);
    canvas.OnResize(static_cast<int>(shape.width), static_cast<int>(shape.height));
    if (shape.into != nullptr) {
        Drawing into;
        int result = ReadDrawing(into, shape.into);
        if (result != ReadOk) {
            return result;
        }
        canvas.SetModel(into);
    }
    // Each run of the tool has its own source, also where runs share a process.
    if (shape.seed >= 0) {
        SeedSource::UseSeed(static_cast<uint32_t>(shape.seed));
    } else {
        SeedSource::UseClock();
    }
    // The shape is placed for the kind it will be written as: right of the axis of a lathe.
    Drawing& drawing = canvas.Model();
    drawing.kind = KindToWrite(files[0], KindChoice::Filter(options.KindChoice()), drawing.kind);
    const ShapeKindScope kind(drawing.kind);
    int setsBefore = canvas.setCount;
    canvas.GenerateShape(static_cast<int>(shape.points), shape.size, static_cast<int>(shape.rotate),
                         shape.function, *shape.style);
    if (canvas.setCount == setsBefore) {
        std::fprintf(stderr, "Shape not added: the drawing has an unfinished set or no room\n");
        return ExitShapeRefused;
    }
    options.ApplyTo(drawing);
    return WriteDrawing(drawing, files[0], options.KindChoice());
}
