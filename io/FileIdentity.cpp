#include "io/FileIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <tuple>

#include "io/ByteHash.h"

namespace {

// A file larger than any drawing is told apart by its size and times alone: hashing it would
// only keep the window waiting.
constexpr std::int64_t kMostBytesHashed = 64LL * 1024 * 1024;

std::uint64_t HashOfBytes(int descriptor) {
    std::uint64_t hash = ByteHash::Start;
    std::array<unsigned char, 65536> buffer;
    for (;;) {
        const ssize_t got = read(descriptor, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return hash;
        }
        hash = ByteHash::Add(hash, buffer.data(), static_cast<size_t>(got));
    }
}

FileIdentity FromStatus(const struct stat& info) {
    FileIdentity identity;
    identity.exists = true;
    identity.device = static_cast<std::uint64_t>(info.st_dev);
    identity.inode = static_cast<std::uint64_t>(info.st_ino);
    identity.size = static_cast<std::int64_t>(info.st_size);
    identity.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    identity.modifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    return identity;
}

}  // namespace

FileIdentity FileIdentity::Of(const char* path) {
    struct stat info;
    // Without blocking: a named pipe under the name would otherwise wait for a writer.
    const int descriptor = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return stat(path, &info) == 0 ? FromStatus(info) : FileIdentity{};
    }
    FileIdentity identity;
    if (fstat(descriptor, &info) == 0) {
        identity = FromStatus(info);
        if (S_ISREG(info.st_mode) && info.st_size <= kMostBytesHashed) {
            identity.hash = HashOfBytes(descriptor);
        }
    }
    close(descriptor);
    return identity;
}

bool FileIdentity::operator==(const FileIdentity& other) const {
    return std::tie(exists, device, inode, size, modifiedSeconds, modifiedNanoseconds, hash) ==
           std::tie(other.exists, other.device, other.inode, other.size, other.modifiedSeconds,
                    other.modifiedNanoseconds, other.hash);
}
