#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "model/Drawing.h"
#include "model/NumberText.h"
#include "model/SplineConversion.h"
#include "scenefile/KindChoice.h"
#include "scenefile/SceneWriting.h"
#include "tools/DrawingOptions.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"

namespace {

// --keep-shape and its tolerance.
struct ShapeKeeping {
    bool keep = false;
    double tolerance = 0;

    OptionResult Take(const char* name, ToolArguments& args) {
        const std::string_view option(name);
        if (option == "keep-shape") {
            keep = true;
            return OptionStatus::Taken;
        }
        if (option != "tolerance") {
            return OptionStatus::Unknown;
        }
        const char* text = nullptr;
        if (!args.Value(text)) {
            return OptionStatus::MissingValue;
        }
        return OptionResult::TakenIf(ReadNumber(text, tolerance) && tolerance > 0,
                                     "not a number above 0");
    }
};

// The drawing read, with the spline the options give it: converted so that its curve keeps its
// shape, or with its points kept and a note of what that does to the curve. False, after saying
// why, when the shape cannot be kept.
bool ChangeSpline(Drawing& drawing, const Drawing& read, const ShapeKeeping& keeping,
                  const char* out, int kindChoice) {
    Drawing source = drawing;
    const int target = source.splineType;
    source.splineType = read.kind == Polygon ? LinearSpline : read.splineType;
    if (target == source.splineType) {
        return true;
    }
    const KindChoice choice = KindChoice::Filter(kindChoice);
    const ShapeKind kind = KindToWrite(out, choice, source.kind);
    const std::string named = NameToWrite(out, choice, source.kind, NamingRule::Tool);
    const char* name = named.empty() ? out : named.c_str();
    if (!keeping.keep) {
        const std::string note = PlainConversionNote(source, kind, target);
        if (!note.empty()) {
            std::fprintf(stderr, "%s: note: %s (--keep-shape keeps it)\n", name, note.c_str());
        }
        return true;
    }
    const SplineConversion converted = ConvertSpline(source, kind, target, keeping.tolerance);
    if (!converted.ok) {
        std::fprintf(stderr, "%s: the shape cannot be kept: %s\n", name, converted.refusal.c_str());
        return false;
    }
    for (const std::string& note : converted.notes) {
        std::fprintf(stderr, "%s: note: %s\n", name, note.c_str());
    }
    drawing = converted.drawing;
    return true;
}

}  // namespace

int RunConvert(int argc, char** argv) {
    DrawingOptions options;
    ShapeKeeping keeping;
    std::vector<const char*> files;
    Drawing drawing;
    int result = ParseAndReadDrawing(
        "convert", argc, argv, files,
        [&](const char* name, ToolArguments& args) {
            if (DrawingOptions::Knows(name)) {
                return options.Take(name, args);
            }
            return keeping.Take(name, args);
        },
        drawing);
    if (result != ToolContinue) {
        return result;
    }
    const Drawing read = drawing;
    options.ApplyTo(drawing);
    if (!ChangeSpline(drawing, read, keeping, files[1], options.KindChoice())) {
        return ExitOperationRefused;
    }
    return WriteDrawing(drawing, files[1], options.KindChoice());
}
