#include <vector>

#include "model/Drawing.h"
#include "tools/DrawingOptions.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"

int RunConvert(int argc, char** argv) {
    DrawingOptions options;
    std::vector<const char*> files;
    Drawing drawing;
    int result = ParseAndReadDrawing(
        "convert", argc, argv, files,
        [&](const char* name, ToolArguments& args) { return options.Take(name, args); }, drawing);
    if (result != ToolContinue) {
        return result;
    }
    options.ApplyTo(drawing);
    return WriteDrawing(drawing, files[1], options.KindChoice());
}
