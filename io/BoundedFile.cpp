#include "io/BoundedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "io/LinkChain.h"

namespace {

std::string TooLarge(size_t limit) {
    return "the file is larger than " + std::to_string(limit >> 20) + " MiB";
}

// The open file, or -1 with the reason.
int OpenToRead(const char* path, size_t limit, std::string& reason) {
    std::string target;
    if (!FollowLinks(path, target, reason)) {
        return -1;
    }
    const int fd = open(target.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        reason = std::strerror(errno);
        return -1;
    }
    struct stat info;
    if (fstat(fd, &info) != 0) {
        reason = std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        reason = "not a regular file";
    } else if (static_cast<unsigned long long>(info.st_size) > limit) {
        reason = TooLarge(limit);
    } else {
        return fd;
    }
    close(fd);
    return -1;
}

}  // namespace

namespace BoundedFile {

std::string Refusal(const char* path, size_t limit) {
    std::string reason;
    const int fd = OpenToRead(path, limit, reason);
    if (fd >= 0) {
        close(fd);
    }
    return reason;
}

bool Read(const char* path, size_t limit, std::string& bytes, std::string& reason) {
    const int fd = OpenToRead(path, limit, reason);
    if (fd < 0) {
        return false;
    }
    // A file that grows while it is read still stops at its limit.
    const size_t start = bytes.size();
    char buffer[65536];
    ssize_t count = 0;
    while ((count = read(fd, buffer, sizeof buffer)) != 0) {
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            reason = std::strerror(errno);
            break;
        }
        if (bytes.size() - start + static_cast<size_t>(count) > limit) {
            reason = TooLarge(limit);
            break;
        }
        bytes.append(buffer, static_cast<size_t>(count));
    }
    close(fd);
    return count == 0;
}

}  // namespace BoundedFile
