#include "tools/ImportedDrawing.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "interchange/CanvasOutline.h"
#include "interchange/OutlinePreparation.h"
#include "model/Drawing.h"
#include "scenefile/KindChoice.h"
#include "scenefile/SceneWriting.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"

namespace {

void NameSource(Drawing& drawing, const ImportTarget& target) {
    if (!target.sourceIsFile) {
        std::snprintf(drawing.remark1, RemarkSize, "// text: %s", target.source);
        return;
    }
    const char* slash = std::strrchr(target.source, '/');
    std::snprintf(drawing.remark1, RemarkSize, "// imported from %s",
                  slash != nullptr ? slash + 1 : target.source);
}

}  // namespace

int WriteImportedDrawing(Outline& outline, ImportReport& report, bool read,
                         const ImportTarget& target, const DrawingOptions& options) {
    Drawing drawing;
    PutPrismValues(outline, drawing);
    NameSource(drawing, target);
    options.ApplyTo(drawing);
    const KindChoice choice = KindChoice::Filter(options.KindChoice());
    const ShapeKind kind = KindToWrite(target.out, choice, static_cast<ShapeKind>(outline.kind));
    bool prepared =
        read && (IsTurnedKind(kind)
                     ? PrepareProfiles(outline, target.fit, report)
                     : PrepareOutline(outline, kind == Polygon ? LinearSpline : drawing.splineType,
                                      target.fit, report));
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
    if (target.sourceIsFile &&
        WouldReplaceInput(target.command, target.source,
                          NameToWrite(target.out, choice, drawing.kind, NamingRule::Tool).c_str(),
                          "the drawing would replace the file it is imported from")) {
        return ExitUsage;
    }
    return WriteDrawing(drawing, target.out, options.KindChoice());
}
