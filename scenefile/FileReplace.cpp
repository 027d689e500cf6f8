#include "scenefile/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

enum RenameOutcome { Renamed, RenameFailed, NoTemporary };

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

std::string FolderOf(const std::string& target) {
    size_t slash = target.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : target.substr(0, slash);
}

// Write permission for this process, and at least one write bit: the super-user may write any
// file, yet a file marked read-only for everybody is still not to be replaced.
bool WriteProtected(const std::string& target, const struct stat& info) {
    return (info.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0;
}

// A short name of its own, so that a target name near the length limit still leaves room.
int CreateTemporary(const std::string& folder, std::string& tempName) {
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "/.vx%x-%x", static_cast<unsigned>(getpid()), serial++);
        tempName = folder + name;
        int fd = open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool WriteAllAt(int fd, const std::string& bytes) {
    const char* data = bytes.data();
    size_t left = bytes.size();
    off_t offset = 0;
    while (left > 0) {
        ssize_t written = pwrite(fd, data, left, offset);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        offset += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

bool ReadAll(int fd, std::string& bytes) {
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
        ssize_t got = pread(fd, buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        bytes.append(buffer, static_cast<size_t>(got));
        offset += got;
    }
}

bool Truncate(int fd, size_t size) {
    return ftruncate(fd, static_cast<off_t>(size)) == 0;
}

// Owner and group first: changing them may clear the set-id bits that the mode then restores.
// The process may be allowed to give neither; the new file then belongs to it.
void KeepOwnerAndMode(int fd, const struct stat& old) {
    if (fchown(fd, old.st_uid, old.st_gid) != 0) {
        bool groupKept = fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
        static_cast<void>(groupKept);
    }
    fchmod(fd, old.st_mode & 07777);
}

RenameOutcome ReplaceByRename(const std::string& target, const std::string& bytes,
                              const struct stat* old) {
    std::string tempName;
    int fd = CreateTemporary(FolderOf(target), tempName);
    if (fd < 0) {
        return NoTemporary;
    }
    if (old != nullptr) {
        KeepOwnerAndMode(fd, *old);
    }
    bool ok = WriteAllAt(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(tempName.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(tempName.c_str());
    }
    return ok ? Renamed : RenameFailed;
}

bool Rewrite(int fd, const std::string& bytes) {
    return WriteAllAt(fd, bytes) && Truncate(fd, bytes.size()) && fsync(fd) == 0;
}

// Reserving the room first makes a full disk fail before the old bytes are touched.
bool Reserve(int fd, size_t oldSize, size_t newSize) {
    if (newSize <= oldSize) {
        return true;
    }
    int error = posix_fallocate(fd, 0, static_cast<off_t>(newSize));
    if (error == 0 || error == EOPNOTSUPP || error == EINVAL) {
        return true;
    }
    // A failed reservation may have lengthened the file; the old bytes are all still there.
    Truncate(fd, oldSize);
    return false;
}

bool WriteInPlace(const std::string& target, const std::string& bytes) {
    int fd = open(target.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    std::string old;
    bool ok = ReadAll(fd, old) && Reserve(fd, old.size(), bytes.size());
    bool written = ok && Rewrite(fd, bytes);
    if (ok && !written) {
        Rewrite(fd, old);
    }
    return close(fd) == 0 && written;
}

}  // namespace

bool ReplaceFileContents(const char* path, const std::string& bytes) {
    size_t length = path != nullptr ? std::strlen(path) : 0;
    if (length == 0 || path[length - 1] == '/') {
        return false;
    }
    std::string target = ResolvedTarget(path);
    struct stat info;
    bool exists = stat(target.c_str(), &info) == 0;
    if (exists && (!S_ISREG(info.st_mode) || WriteProtected(target, info))) {
        return false;
    }
    if (!exists || info.st_nlink == 1) {
        RenameOutcome outcome = ReplaceByRename(target, bytes, exists ? &info : nullptr);
        if (outcome != NoTemporary || !exists) {
            return outcome == Renamed;
        }
    }
    return WriteInPlace(target, bytes);
}
