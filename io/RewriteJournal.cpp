#include "io/RewriteJournal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "io/ByteHash.h"
#include "io/DescriptorBytes.h"
#include "io/RecoveryFolder.h"

namespace {

constexpr size_t LongestExtension = 8;

uint64_t HashOf(const std::string& bytes) {
    return ByteHash::Add(ByteHash::Start, bytes.data(), bytes.size());
}

// "rewrite-DEVICE-INODE-", the start of every journal of that file.
std::string PrefixOf(const struct stat& identity) {
    char prefix[64];
    std::snprintf(prefix, sizeof prefix, "rewrite-%" PRIx64 "-%" PRIx64 "-",
                  static_cast<uint64_t>(identity.st_dev), static_cast<uint64_t>(identity.st_ino));
    return prefix;
}

// The journal keeps the file's extension, so that it opens as the kind of drawing it holds.
std::string ExtensionOf(const std::string& target) {
    const size_t dot = target.rfind('.');
    const size_t slash = target.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) ||
        target.size() - dot > LongestExtension) {
        return "";
    }
    const std::string extension = target.substr(dot);
    return extension.find_first_not_of(
               ".abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789") ==
                   std::string::npos
               ? extension
               : "";
}

bool ReadFile(const std::string& path, std::string& bytes) {
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool read = ReadAll(fd, bytes);
    close(fd);
    return read;
}

// Whether the file, whose bytes these are, is whole by the journal of that name and bytes:
// it holds the old bytes the name tells of, or the journal's.
bool Whole(const std::string& fileBytes, const std::string& journalName,
           const std::string& journalBytes, size_t prefixLength) {
    if (fileBytes == journalBytes) {
        return true;
    }
    unsigned long long oldSize = 0;
    unsigned long long oldHash = 0;
    return std::sscanf(journalName.c_str() + prefixLength, "%llx-%llx", &oldSize, &oldHash) == 2 &&
           fileBytes.size() == oldSize && HashOf(fileBytes) == oldHash;
}

}  // namespace

bool RewriteJournal::Keep(const std::string& target, const struct stat& identity,
                          const std::string& oldBytes, const std::string& newBytes) {
    const std::string folder = RecoveryFolder::Path();
    if (folder.empty()) {
        errno = ENOENT;
        return false;
    }
    char old[64];
    std::snprintf(old, sizeof old, "%zx-%016" PRIx64, oldBytes.size(), HashOf(oldBytes));
    _path = folder + "/" + PrefixOf(identity) + old + ExtensionOf(target);
    _identity = identity;
    int fd = open(_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        _path.clear();
        return false;
    }
    bool kept = WriteAllAt(fd, newBytes) && fsync(fd) == 0;
    const int error = errno;
    kept = close(fd) == 0 && kept && SyncFolder(folder);
    if (!kept) {
        unlink(_path.c_str());
        _path.clear();
        errno = error != 0 ? error : errno;
    }
    return kept;
}

void RewriteJournal::Drop() {
    if (!_path.empty()) {
        ForgetFile(_identity);
        _path.clear();
    }
}

void RewriteJournal::ForgetFile(const struct stat& identity) {
    const std::string folder = RecoveryFolder::ExistingPath();
    DIR* listing = folder.empty() ? nullptr : opendir(folder.c_str());
    const std::string prefix = PrefixOf(identity);
    while (const dirent* entry = listing != nullptr ? readdir(listing) : nullptr) {
        if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) == 0) {
            unlink((folder + "/" + entry->d_name).c_str());
        }
    }
    if (listing != nullptr) {
        closedir(listing);
    }
}

std::string RewriteJournal::LeftFor(const char* path) {
    const std::string folder = RecoveryFolder::ExistingPath();
    int fd = folder.empty() ? -1 : open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return "";
    }
    struct stat identity = {};
    std::string fileBytes;
    // A save under way holds the file's lock: its journal is not left over.
    const bool judged = fstat(fd, &identity) == 0 && S_ISREG(identity.st_mode) &&
                        flock(fd, LOCK_SH | LOCK_NB) == 0 && ReadAll(fd, fileBytes);
    std::string left;
    const std::string prefix = PrefixOf(identity);
    DIR* listing = judged ? opendir(folder.c_str()) : nullptr;
    while (const dirent* entry = listing != nullptr ? readdir(listing) : nullptr) {
        const std::string name = entry->d_name;
        std::string journalBytes;
        if (name.compare(0, prefix.size(), prefix) != 0 ||
            !ReadFile(folder + "/" + name, journalBytes)) {
            continue;
        }
        if (Whole(fileBytes, name, journalBytes, prefix.size())) {
            unlink((folder + "/" + name).c_str());
        } else {
            left = folder + "/" + name;
        }
    }
    if (listing != nullptr) {
        closedir(listing);
    }
    close(fd);
    return left;
}
