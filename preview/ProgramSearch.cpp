#include "preview/ProgramSearch.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

namespace {

bool Executable(const std::string& path) {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

}  // namespace

bool ProgramOnPath(const std::string& program) {
    if (program.empty() || program.find('/') != std::string::npos) {
        return !program.empty() && Executable(program);
    }
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (Executable((folder.empty() ? std::string(".") : folder) + "/" + program)) {
            return true;
        }
    }
    return false;
}
