#include "io/DescriptorBytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

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

bool SyncFolder(const std::string& folder) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool synced = fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
    const int error = errno;
    close(fd);
    errno = error;
    return synced;
}
