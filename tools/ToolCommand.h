#pragma once

#include <cstddef>
#include <vector>

// One subcommand of vexlin-tool: its name, what it does with the arguments after the name, the
// names of its positional arguments in their order (the first `required` of them must be given;
// the synopsis names them so, the rest in brackets), its synopsis (continuation lines start with
// no indentation) and its part of the manual (lines with no indentation of their own). A new
// subcommand lives in a file of its own and adds one entry to the table in tool_commands.cpp.
struct ToolCommand {
    const char* name;
    int (*run)(int argc, char** argv);
    std::vector<const char*> positional;
    size_t required;
    const char* synopsis;
    const char* help;
};

// The table, ended by an entry whose name is nullptr.
extern const ToolCommand ToolCommands[];

const ToolCommand* FindToolCommand(const char* name);

int RunInfo(int argc, char** argv);
int RunConvert(int argc, char** argv);
int RunShape(int argc, char** argv);
int RunTransform(int argc, char** argv);
int RunScene(int argc, char** argv);
int RunRender(int argc, char** argv);
int RunImport(int argc, char** argv);
int RunExportSvg(int argc, char** argv);
int RunTrace(int argc, char** argv);
int RunText(int argc, char** argv);
int RunCombine(int argc, char** argv);
int RunOffset(int argc, char** argv);
int RunWall(int argc, char** argv);
