#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "model/SeedSource.h"
#include "tools/DrawingOptions.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"
#include "tools/ToolHelp.h"

namespace {

constexpr long MaxCanvasSide = 100000;

// The shape's values as the shape dialog would hand them over, with its starting texts.
struct ShapeValues {
    int style = -1;
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

bool TakeStyle(const char* text, int& style) {
    static const char* const styles[] = {"polygon", "ranpoly", "random", "star"};
    for (int i = 0; i < 4; ++i) {
        if (std::strcmp(text, styles[i]) == 0) {
            style = i;
            return true;
        }
    }
    return false;
}

bool TakeCanvas(const char* text, long& width, long& height) {
    const char* x = std::strchr(text, 'x');
    if (x == nullptr || x - text > 15) {
        return false;
    }
    char widthText[16] = {};
    std::memcpy(widthText, text, static_cast<size_t>(x - text));
    return ParseWhole(widthText, width) && ParseWhole(x + 1, height) && width >= 1 && height >= 1 &&
           width <= MaxCanvasSide && height <= MaxCanvasSide;
}

bool TakeShapeOption(const char* name, const char* value, ShapeValues& shape) {
    std::string_view option(name);
    if (option == "into") {
        shape.into = value;
        return true;
    }
    if (option == "style") {
        return TakeStyle(value, shape.style);
    }
    if (option == "points") {
        return ParseWhole(value, shape.points);
    }
    if (option == "size") {
        return ParseReal(value, shape.size);
    }
    if (option == "rotate") {
        return ParseWhole(value, shape.rotate);
    }
    if (option == "function") {
        return ParseReal(value, shape.function);
    }
    if (option == "seed") {
        return ParseWhole(value, shape.seed) && shape.seed >= 0 && shape.seed <= 0xFFFFFFFFL;
    }
    if (option == "canvas") {
        return TakeCanvas(value, shape.width, shape.height);
    }
    return false;
}

}  // namespace

int RunShape(int argc, char** argv) {
    ShapeValues shape;
    DrawingOptions options;
    std::vector<const char*> files;
    bool ok =
        ParseToolArguments(argc, argv, 1, 1, files, [&](const char* name, ToolArguments& args) {
            if (DrawingOptions::Knows(name)) {
                return options.Take(name, args);
            }
            const char* value = nullptr;
            return args.Value(value) && TakeShapeOption(name, value, shape);
        });
    if (!ok || shape.style < 0) {
        return UsageError();
    }
    shape.Clamp();
    KCanvasPane canvas(nullptr);
    canvas.OnResize(static_cast<int>(shape.width), static_cast<int>(shape.height));
    if (shape.into != nullptr) {
        int result = ReadDrawing(canvas, shape.into);
        if (result != 0) {
            return result;
        }
    }
    if (shape.seed >= 0) {
        SeedSource::UseSeed(static_cast<uint32_t>(shape.seed));
    }
    int setsBefore = canvas.setCount;
    canvas.GenerateShape(static_cast<int>(shape.points), shape.size, static_cast<int>(shape.rotate),
                         shape.function, shape.style);
    if (canvas.setCount == setsBefore) {
        std::fprintf(stderr, "Shape not added: the drawing has an unfinished set or no room\n");
        return ExitShapeRefused;
    }
    options.ApplyTo(canvas);
    return WriteDrawing(canvas, files[0], options.KindChoice());
}
