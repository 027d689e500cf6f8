#include <cstring>

#include "tools/ToolCommand.h"

const ToolCommand ToolCommands[] = {
    {"info", RunInfo, "info FILE [--points]"},
    {"convert", RunConvert, "convert IN OUT [drawing options]"},
    {"shape", RunShape,
     "shape OUT [--into IN] --style polygon|ranpoly|random|star [--points N] [--size S]\n"
     "                  [--rotate DEG] [--function F] [--seed N] [--canvas WxH] [drawing options]"},
    {"transform", RunTransform,
     "transform IN OUT [--center] [--flip] [--rotate DEG] [--scale F] [drawing options]"},
    {"scene", RunScene, "scene IN [OUT.pov]"},
    {"render", RunRender, "render IN OUT.png [--size WxH] [--picture normal|curves|set:K]"},
    {"import", RunImport, "import IN OUT [--name NAME] [--fit] [drawing options]"},
    {"export-svg", RunExportSvg, "export-svg IN OUT.svg"},
    {nullptr, nullptr, nullptr},
};

const ToolCommand* FindToolCommand(const char* name) {
    for (const ToolCommand* command = ToolCommands; command->name != nullptr; ++command) {
        if (std::strcmp(command->name, name) == 0) {
            return command;
        }
    }
    return nullptr;
}
