#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "interchange/ImportSource.h"
#include "scenefile/SceneReadResult.h"
#include "tools/DrawingOptions.h"
#include "tools/ImportedDrawing.h"
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
    return WriteImportedDrawing(outline, report, source == SourceRead,
                                {"import", files[0], files[1], values.fit}, options);
}
