#pragma once

#include <cstdio>
#include <string>
#include <vector>

// What the editor makes of its command line: the drawings to open, each in a window of its own
// in the order given, or an answer printed at once, before any window exists (its help, its
// version, or why an argument is refused).
class EditorCommandLine {
public:
    enum Action { OpenDrawings, PrintHelp, PrintVersion, Refuse };
    // An unknown option; the number vexlin-tool uses for bad arguments.
    static constexpr int ExitUsage = 64;

    // argv[0] is the program; "--" ends the options, so that a drawing may be named "--help".
    static EditorCommandLine Parse(int argc, const char* const* argv);

    // Prints the help or the version to out, a refusal to err; returns the exit code.
    int Answer(FILE* out, FILE* err) const;
    static std::string HelpText();

    Action action = OpenDrawings;
    std::vector<std::string> files;
    std::string refused;
};
