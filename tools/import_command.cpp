#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "interchange/CanvasOutline.h"
#include "interchange/ImportSource.h"
#include "interchange/OutlinePreparation.h"
#include "model/Drawing.h"
#include "model/EditState.h"
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

struct ImportValues {
    const char* name = nullptr;
    bool fit = false;
};

void NameSource(Drawing& drawing, const char* path) {
    const char* slash = std::strrchr(path, '/');
    std::snprintf(drawing.remark1, RemarkSize, "// imported from %s",
                  slash != nullptr ? slash + 1 : path);
}

}  // namespace

int RunImport(int argc, char** argv) {
    ImportValues values;
    DrawingOptions options;
    std::vector<const char*> files;
    const int parsed =
        ParseToolArguments("import", argc, argv, files, [&](const char* name, ToolArguments& args) {
            if (std::strcmp(name, "fit") == 0) {
                values.fit = true;
                return OptionResult();
            }
            if (std::strcmp(name, "name") == 0) {
                return OptionResult(args.Value(values.name) ? OptionStatus::Taken
                                                            : OptionStatus::MissingValue);
            }
            return options.Take(name, args);
        });
    if (parsed != ToolContinue) {
        return parsed;
    }
    Outline outline;
    ImportReport report;
    ImportSourceResult source = ReadOutlineSource(files[0], values.name, outline, report);
    if (source == SourceCannotOpen) {
        return ReportReadFailure(files[0], ReadCannotOpen, 0);
    }
    Drawing drawing;
    PutPrismValues(outline, drawing);
    NameSource(drawing, files[0]);
    options.ApplyTo(drawing);
    const KindChoice choice = KindChoice::Filter(options.KindChoice());
    const ShapeKind kind = KindToWrite(files[1], choice, static_cast<ShapeKind>(outline.kind));
    bool prepared =
        source == SourceRead &&
        (IsTurnedKind(kind)
             ? PrepareProfiles(outline, values.fit, report)
             : PrepareOutline(outline, kind == Polygon ? LinearSpline : drawing.splineType,
                              values.fit, report));
    for (const std::string& note : report.notes) {
        std::fprintf(stderr, "note: %s\n", note.c_str());
    }
    if (!prepared) {
        std::fprintf(stderr, "%s\n", report.error.c_str());
        return ExitImportRefused;
    }
    PutOutline(outline, drawing);
    if (kind == Prism) {
        drawing.splineType = outline.prism.spline;
    }
    drawing.kind = static_cast<ShapeKind>(outline.kind);
    if (WouldReplaceInput("import", files[0],
                          NameToWrite(files[1], choice, drawing.kind, NamingRule::Tool).c_str(),
                          "the drawing would replace the file it is imported from")) {
        return ExitUsage;
    }
    return WriteDrawing(drawing, files[1], options.KindChoice());
}
