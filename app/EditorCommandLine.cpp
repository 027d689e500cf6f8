#include "app/EditorCommandLine.h"

#include <cstring>

#include "app/ProgramState.h"
#include "app/SettingsLocation.h"
#include "toolkit/util/ProgramPaths.h"
#include "toolkit/vArgumentList.h"

namespace {

bool Is(const char* argument, const char* option) {
    return std::strcmp(argument, option) == 0;
}

// Where this program keeps its settings, as the location rule decides it now.
std::string SettingsFileNow() {
    const std::string program =
        settingsFolder.empty() ? ProgramPaths::ExecutableFolder() : settingsFolder;
    const std::string folder = SettingsLocation::Folder(program);
    return folder.empty() ? "none: neither XDG_CONFIG_HOME nor HOME names a folder"
                          : ProgramPaths::Join(folder, SettingsLocation::kFileName);
}

}  // namespace

EditorCommandLine EditorCommandLine::Parse(int argc, const char* const* argv) {
    EditorCommandLine line;
    bool options = true;
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
        const char* argument = argv[i];
        if (!options || argument[0] != '-' || Is(argument, "-")) {
            line.files.push_back(argument);
        } else if (Is(argument, "--")) {
            options = false;
        } else if (Is(argument, "--help") || Is(argument, "-h")) {
            line.action = PrintHelp;
            return line;
        } else if (Is(argument, "--version")) {
            line.action = PrintVersion;
            return line;
        } else {
            line.action = Refuse;
            line.refused = argument;
            return line;
        }
    }
    return line;
}

int EditorCommandLine::Answer(FILE* out, FILE* err) const {
    switch (action) {
        case PrintHelp:
            std::fputs(HelpText().c_str(), out);
            return 0;
        case PrintVersion:
            std::fprintf(out, "vexlin %s\n", VEXLIN_VERSION);
            return 0;
        case Refuse:
            std::fprintf(err, "vexlin: %s: unknown option\n", refused.c_str());
            std::fprintf(err, "Try 'vexlin --help'.\n");
            return ExitUsage;
        case OpenDrawings:
            break;
    }
    return 0;
}

std::string EditorCommandLine::HelpText() {
    return "Usage: vexlin [--] [FILE...]\n"
           "       vexlin --help | --version\n"
           "\n"
           "Vexlin " VEXLIN_VERSION
           ", an editor for 2-D outlines saved as POV-Ray polygon (.pol) and\n"
           "prism (.prm) objects. Vexlin is free software under the MIT licence.\n"
           "\n"
           "Each FILE opens in a drawing window: the first in the first window, each further\n"
           "one in a window of its own, in the order given. A file that cannot be read shows\n"
           "its notice; the first window then stays untitled, a further file leaves no window.\n"
           "At most " +
           std::to_string(vArgumentList::MaxArguments) +
           " arguments are taken.\n"
           "\n"
           "  --help     print this help and exit\n"
           "  --version  print the version and exit\n"
           "  --         end of the options: every later argument is a file, so\n"
           "             'vexlin -- --help' (or 'vexlin ./--help') opens a file of that name\n"
           "\n"
           "Settings: the folder last opened from and the file dialogs' filter, kept in\n"
           "  $XDG_CONFIG_HOME/vexlin/Vexlin.ini (~/.config/vexlin/ when XDG_CONFIG_HOME is\n"
           "  not set), or beside the program when it runs from its build folder; written\n"
           "  whenever a window closes. Here: " +
           SettingsFileNow() +
           "\n"
           "Help: Vexlin.hlp (Help > Contents), looked for in the working folder, beside the\n"
           "  program, then in " +
           ProgramPaths::DataFolder() +
           ".\n"
           "\n"
           "Exit status: 0 the editor was closed, or the help or version printed; 1 it could\n"
           "not start (no display); 64 an unknown option (a one-line reason is printed);\n"
           "99 a dialog could not be built.\n"
           "\n"
           "vexlin-tool reads, writes and changes drawings without a window: vexlin-tool --help.\n";
}
