#pragma once

#include <string>

// Where the running program lies and where it runs. Every answer is "" when the system cannot
// tell.
class ProgramPaths {
public:
    // The full path of the running executable, read from /proc/self/exe.
    static std::string Executable();
    static std::string ExecutableFolder();
    // The installed data folder: share/vexlin under the executable's prefix, the folder above
    // the one holding the executable.
    static std::string DataFolder();
    static std::string WorkingDirectory();

    // Everything before the last '/' of a path ("/" for an entry of the root, "" without '/').
    static std::string FolderOf(const std::string& path);
    // A folder and a name with one '/' between them.
    static std::string Join(const std::string& folder, const std::string& name);
};
