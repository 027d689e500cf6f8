#include "scenefile/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

namespace {

// The file that a rename must replace: the target itself, or what a symbolic link names.
std::string ResolvedTarget(const char* path) {
    struct stat info;
    if (lstat(path, &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (realpath(path, resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

int CreateTemporary(const std::string& target, std::string& tempName) {
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = target + ".tmp" + std::to_string(getpid()) + "_" + std::to_string(serial++);
        int fd = open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool WriteAll(int fd, const std::string& text) {
    const char* data = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t written = write(fd, data, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

void KeepPermissions(int fd, const std::string& target) {
    struct stat info;
    if (stat(target.c_str(), &info) == 0) {
        fchmod(fd, info.st_mode & 07777);
    }
}

}  // namespace

bool ReplaceFileContents(const char* path, const std::string& text) {
    std::string target = ResolvedTarget(path);
    std::string tempName;
    int fd = CreateTemporary(target, tempName);
    if (fd < 0) {
        return false;
    }
    KeepPermissions(fd, target);
    bool ok = WriteAll(fd, text) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(tempName.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(tempName.c_str());
    }
    return ok;
}
