#pragma once

#include <string>
#include <vector>

// The program's arguments as OnAppStart receives them: the program path, then at most
// MaxArguments arguments, then a null entry.
class vArgumentList {
public:
    static constexpr int MaxEntries = 50;
    static constexpr int MaxArguments = MaxEntries - 2;
    static constexpr int MaxProgramPath = 199;

    vArgumentList() { Rebuild(); }
    vArgumentList(const vArgumentList&) = delete;
    vArgumentList& operator=(const vArgumentList&) = delete;

    // Arguments the operating system already split; those past the limit are dropped.
    void SetFromArgv(int argc, const char* const* argv);
    // Splits one command-line string: blanks before an argument are skipped; an argument that
    // starts with a double quote runs to the next one (quotes dropped) and more may follow; any
    // other argument runs to the end of the line, blanks included. NUL, LF and CR end the line.
    void SplitCommandLine(const char* programPath, const char* line);
    // Drops the first "-vDebug" together with the argument after it.
    void RemoveDebugOption();
    // Entry 0 becomes the program's full path. A path that is empty or longer than
    // MaxProgramPath leaves the entry as it was: a path cut short would name another file.
    void SetProgramPath(const std::string& path);

    int Argc() const { return static_cast<int>(_strings.size()); }
    char** Argv() { return _argv; }
    const char* Arg(int index) const;

private:
    void Add(std::string text);
    void Rebuild();

    std::vector<std::string> _strings;
    char* _argv[MaxEntries] = {};
};
