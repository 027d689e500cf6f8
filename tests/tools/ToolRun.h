#pragma once

#include <string>
#include <vector>

// What one run of vexlin-tool did: its exit code and what it wrote to standard output and error.
struct ToolRun {
    int status;
    std::string out;
    std::string err;

    // Runs the tool in this process, in the folder, from the program-wide state a new process
    // of it starts with; what it writes to standard output and error is caught.
    static ToolRun InProcess(const std::string& folder, const std::vector<std::string>& args);
};

// The words of the text, as a shell splits arguments that need no quoting.
std::vector<std::string> Words(const std::string& text);
