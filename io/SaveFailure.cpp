#include "io/SaveFailure.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The reason the existing file itself gives, or 0.
int FileProblem(const struct stat& info, const std::string& path) {
    if (S_ISDIR(info.st_mode)) {
        return EISDIR;
    }
    // A file marked read-only for everybody is not replaced, not even by the super-user.
    if ((info.st_mode & 0222) == 0) {
        return EACCES;
    }
    return access(path.c_str(), W_OK) != 0 ? errno : 0;
}

int FolderProblem(const std::string& folder) {
    struct stat info;
    if (stat(folder.c_str(), &info) != 0) {
        return errno;
    }
    if (!S_ISDIR(info.st_mode)) {
        return ENOTDIR;
    }
    return access(folder.c_str(), W_OK | X_OK) != 0 ? errno : 0;
}

}  // namespace

std::string SaveFailureReason(const std::string& path, int errorAfter) {
    if (path.empty()) {
        return std::strerror(ENOENT);
    }
    if (path.back() == '/') {
        return std::strerror(EISDIR);
    }
    struct stat info;
    int problem = 0;
    if (stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
            return "not a regular file";
        }
        problem = FileProblem(info, path);
    } else if (errno != ENOENT) {
        problem = errno;
    } else {
        problem = FolderProblem(FolderOf(path));
    }
    if (problem == 0) {
        problem = errorAfter;
    }
    return problem != 0 ? std::strerror(problem) : "the file could not be written";
}
