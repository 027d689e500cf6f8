#include <cstdio>
#include <string>
#include <vector>

#include "interchange/SvgExport.h"
#include "model/KCanvasPane.h"
#include "scenefile/FileReplace.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"

int RunExportSvg(int argc, char** argv) {
    std::vector<const char*> files;
    KCanvasPane canvas(nullptr);
    int result = ParseAndReadDrawing(
        argc, argv, 2, 2, files, [](const char*, ToolArguments&) { return false; }, canvas);
    if (result != ExitOk) {
        return result;
    }
    if (WouldReplaceInput(files[0], files[1],
                          "The SVG document would replace the drawing it shows")) {
        return ExitUsage;
    }
    const std::string document = SvgDocumentText(canvas);
    if (document.empty()) {
        std::fprintf(stderr,
                     "%s: The drawing reaches too far for an SVG document: its curves or its "
                     "frame would not be finite numbers\n",
                     files[0]);
        return ExitImportRefused;
    }
    std::string reason;
    if (!ReplaceFileContents(files[1], document, &reason)) {
        return SaveFailed(files[1], reason);
    }
    std::printf("%s\n", files[1]);
    return ExitOk;
}
