#include <vector>

#include "model/KCanvasPane.h"
#include "tools/DrawingOptions.h"
#include "tools/ToolArguments.h"
#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolFiles.h"

int RunConvert(int argc, char** argv) {
    DrawingOptions options;
    std::vector<const char*> files;
    KCanvasPane canvas(nullptr);
    int result = ParseAndReadDrawing(
        "convert", argc, argv, files,
        [&](const char* name, ToolArguments& args) { return options.Take(name, args); }, canvas);
    if (result != ToolContinue) {
        return result;
    }
    options.ApplyTo(canvas);
    return WriteDrawing(canvas, files[1], options.KindChoice());
}
