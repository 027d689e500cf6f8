#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "interchange/SvgExport.h"
#include "io/FileReplace.h"
#include "model/Drawing.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"
#include "tools/ToolMessages.h"

int RunExportSvg(int argc, char** argv) {
    std::vector<const char*> files;
    Drawing drawing;
    bool exact = false;
    int result = ParseAndReadDrawing(
        "export-svg", argc, argv, files,
        [&exact](const char* name, ToolArguments&) {
            exact = std::strcmp(name, "exact") == 0;
            return exact ? OptionStatus::Taken : OptionStatus::Unknown;
        },
        drawing);
    if (result != ToolContinue) {
        return result;
    }
    if (WouldReplaceInput("export-svg", files[0], files[1],
                          "the SVG document would replace the drawing it shows")) {
        return ExitUsage;
    }
    const std::string document = SvgDocumentText(drawing, exact);
    if (document.empty()) {
        std::fprintf(stderr,
                     "%s: The drawing reaches too far for an SVG document: its curves or its "
                     "frame would not be finite numbers\n",
                     files[0]);
        return ExitImportRefused;
    }
    std::string reason;
    if (!ReplaceFileContents(files[1], document, &reason)) {
        return ReportSaveFailure(files[1], reason);
    }
    std::printf("%s\n", files[1]);
    return ExitOk;
}
