#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "interchange/ImportSource.h"
#include "model/NumberText.h"
#include "preview/PictureTrace.h"
#include "scenefile/SceneReadResult.h"
#include "toolkit/platform/vHeadlessSession.h"
#include "toolkit/platform/vPictureReader.h"
#include "tools/DrawingOptions.h"
#include "tools/ImportedDrawing.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"
#include "tools/ToolMessages.h"

namespace {

struct TraceOptions {
    TraceValues values;
    bool fit = false;
};

// A whole number from 0 to `high`, or the reason it is refused.
OptionResult TakeWhole(const char* text, long high, int& value) {
    long whole = 0;
    const bool taken = ParseWhole(text, whole) && whole >= 0 && whole <= high;
    if (taken) {
        value = static_cast<int>(whole);
    }
    return OptionResult::TakenIf(taken,
                                 ("not a whole number from 0 to " + std::to_string(high)).c_str());
}

OptionResult TakeTraceValue(const char* name, const char* text, TraceValues& values) {
    if (std::strcmp(name, "threshold") == 0) {
        return TakeWhole(text, TraceValues::LargestThreshold, values.threshold);
    }
    if (std::strcmp(name, "despeckle") == 0) {
        return TakeWhole(text, TraceValues::LargestDespeckle, values.despeckle);
    }
    double smooth = 0;
    const bool taken =
        ReadNumber(text, smooth) && smooth >= 0 && smooth <= TraceValues::LargestSmooth;
    values.smooth = taken ? smooth : values.smooth;
    return OptionResult::TakenIf(taken, "not a number from 0 to 1.334");
}

OptionResult TakeTraceOption(const char* name, ToolArguments& args, TraceOptions& trace,
                             DrawingOptions& options) {
    if (std::strcmp(name, "invert") == 0 || std::strcmp(name, "fit") == 0) {
        (std::strcmp(name, "fit") == 0 ? trace.fit : trace.values.invert) = true;
        return OptionResult();
    }
    for (const char* valued : {"threshold", "despeckle", "smooth"}) {
        if (std::strcmp(name, valued) == 0) {
            const char* text = nullptr;
            return args.Value(text) ? TakeTraceValue(name, text, trace.values)
                                    : OptionResult(OptionStatus::MissingValue);
        }
    }
    return options.Take(name, args);
}

}  // namespace

int RunTrace(int argc, char** argv) {
    TraceOptions trace;
    DrawingOptions options;
    std::vector<const char*> files;
    const int parsed =
        ParseToolArguments("trace", argc, argv, files, [&](const char* name, ToolArguments& args) {
            return TakeTraceOption(name, args, trace, options);
        });
    if (parsed != ToolContinue) {
        return parsed;
    }
    vHeadlessSession session;
    PixelSurface picture;
    std::string why;
    vPictureReader* reader = vPictureReader::Current();
    if (reader == nullptr || !reader->ReadPicture(files[0], picture, why)) {
        std::fprintf(stderr, "%s: %s\n", files[0], why.c_str());
        return ReadCannotOpen;
    }
    const TracedPicture traced = TracePicture(picture, trace.values);
    if (!traced.Ok()) {
        std::fprintf(stderr, "%s: %s\n", files[0], traced.message.c_str());
        return ExitTraceFailed;
    }
    Outline outline;
    ImportReport report;
    const bool read = ReadOutlineText(traced.svg, nullptr, outline, report);
    if (read && outline.sets.empty()) {
        std::fprintf(stderr, "%s: no ink at threshold %d: nothing to trace\n", files[0],
                     trace.values.threshold);
        return ExitTraceFailed;
    }
    return WriteImportedDrawing(outline, report, read, {"trace", files[0], files[1], trace.fit},
                                options);
}
