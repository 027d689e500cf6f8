#include <cerrno>
#include <cstdio>
#include <cstring>

#include "tools/ToolCommand.h"
#include "tools/ToolExit.h"
#include "tools/ToolHelp.h"
#include "tools/ToolMessages.h"
#include "tools/VexlinTool.h"

namespace {

bool Is(const char* argument, const char* text) {
    return std::strcmp(argument, text) == 0;
}

int UnknownCommand(const char* name) {
    return RefuseArgument("", name, name[0] == '-' ? "unknown option" : "unknown command");
}

// "help" alone is the whole manual; "help COMMAND" that command's part.
int Help(int argc, char** argv) {
    if (argc > 3) {
        return RefuseArgument("", argv[3], "one argument too many");
    }
    if (argc < 3) {
        PrintManual();
        return ExitOk;
    }
    if (FindToolCommand(argv[2]) == nullptr) {
        return UnknownCommand(argv[2]);
    }
    PrintCommandHelp(argv[2]);
    return ExitOk;
}

int Run(int argc, char** argv) {
    if (argc < 2) {
        return RefuseArgument("", "COMMAND", "missing");
    }
    if (Is(argv[1], "--help") || Is(argv[1], "-h") || Is(argv[1], "help")) {
        return Help(argc, argv);
    }
    if (Is(argv[1], "--version")) {
        PrintVersion();
        return ExitOk;
    }
    const ToolCommand* command = FindToolCommand(argv[1]);
    if (command == nullptr) {
        return UnknownCommand(argv[1]);
    }
    return command->run(argc - 2, argv + 2);
}

// What the tool printed must reach standard output: a scene or a listing lost on a full disk is
// a failed save, never a success.
int OutputWritten(int code) {
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) {
        return code;
    }
    const int error = errno != 0 ? errno : EIO;
    std::clearerr(stdout);
    return code == ExitOk ? ReportSaveFailure("standard output", std::strerror(error)) : code;
}

}  // namespace

int RunVexlinTool(int argc, char** argv) {
    return OutputWritten(Run(argc, argv));
}
