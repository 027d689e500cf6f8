#include "io/FileReplace.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "io/LinkChain.h"

#include "io/DescriptorBytes.h"
#include "io/RewriteJournal.h"

namespace {

enum RenameOutcome { Renamed, RenameFailed, NoTemporary };

std::string FolderOf(const std::string& target) {
    size_t slash = target.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : target.substr(0, slash);
}

// What a save failed on, for the user: the system's word for the last error, or a sentence.
class SaveFailure {
public:
    explicit SaveFailure(std::string* reason) : _reason(reason) {}

    bool Say(const std::string& text) {
        if (_reason != nullptr && _reason->empty()) {
            *_reason = text;
        }
        return false;
    }
    bool SayError() { return Say(std::strerror(errno)); }

private:
    std::string* _reason;
};

// The file that a rename must replace: the name itself, or the file at the end of the chain of
// links it starts. Every link on the way is checked as the kernel checks it; the rename itself
// would not be, since it acts on the resolved name.
bool ResolveTarget(const char* path, std::string& target, SaveFailure& failure) {
    std::string why;
    return FollowLinks(path, target, why) || failure.Say(why);
}

// The kernel reports the umask only here without changing it; changing it to read it would
// leave other threads a moment in which they create files open to everybody.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        unsigned mask = 0;
        if (std::sscanf(line.c_str(), "Umask: %o", &mask) == 1) {
            return static_cast<mode_t>(mask);
        }
    }
    mode_t mask = umask(022);
    umask(mask);
    return mask;
}

// Write permission for this process, and at least one write bit: the super-user may write any
// file, yet a file marked read-only for everybody is still not to be replaced.
bool WriteProtected(const std::string& target, const struct stat& info) {
    return (info.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0;
}

// The process a temporary file of ours belongs to, by its name ".vxPID-SERIAL" (both in hex);
// 0 for any other name.
pid_t MakerOfTemporary(const char* name) {
    unsigned pid = 0;
    unsigned serial = 0;
    char end = '\0';
    if (std::sscanf(name, ".vx%x-%x%c", &pid, &serial, &end) != 2 || pid == 0) {
        return 0;
    }
    char again[32];
    std::snprintf(again, sizeof again, ".vx%x-%x", pid, serial);
    return std::strcmp(again, name) == 0 ? static_cast<pid_t>(pid) : 0;
}

// A save that was killed leaves its temporary file, the whole new drawing, behind: the next
// save in that folder removes those of processes that no longer run, as long as they are this
// user's own regular files.
void RemoveStaleTemporaries(const std::string& folder) {
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    while (const dirent* entry = readdir(listing)) {
        const pid_t maker = MakerOfTemporary(entry->d_name);
        if (maker == 0 || maker == getpid() || kill(maker, 0) == 0 || errno != ESRCH) {
            continue;
        }
        const std::string stale = folder + "/" + entry->d_name;
        struct stat info;
        if (lstat(stale.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid()) {
            unlink(stale.c_str());
        }
    }
    closedir(listing);
}

// A short name of its own, so that a target name near the length limit still leaves room.
// Private from the start: nobody else may open it while the bytes go in.
int CreateTemporary(const std::string& folder, std::string& tempName) {
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "/.vx%x-%x", static_cast<unsigned>(getpid()), serial++);
        tempName = folder + name;
        int fd = open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool Truncate(int fd, size_t size) {
    return ftruncate(fd, static_cast<off_t>(size)) == 0;
}

// Owner and group first: changing them may clear the set-id bits that the mode then restores.
// The process may be allowed to give neither; the new file then belongs to it. A new file gets
// the permissions that creating it would have given.
void GiveOwnerAndMode(int fd, const struct stat* old) {
    if (old == nullptr) {
        fchmod(fd, 0666 & ~CurrentUmask());
        return;
    }
    if (fchown(fd, old->st_uid, old->st_gid) != 0) {
        bool groupKept = fchown(fd, static_cast<uid_t>(-1), old->st_gid) == 0;
        static_cast<void>(groupKept);
    }
    fchmod(fd, old->st_mode & 07777);
}

RenameOutcome ReplaceByRename(const std::string& target, const std::string& bytes,
                              const struct stat* old, SaveFailure& failure) {
    const std::string folder = FolderOf(target);
    RemoveStaleTemporaries(folder);
    std::string tempName;
    int fd = CreateTemporary(folder, tempName);
    if (fd < 0) {
        failure.SayError();
        return NoTemporary;
    }
    bool ok = (WriteAllAt(fd, bytes) && fsync(fd) == 0) || failure.SayError();
    if (ok) {
        GiveOwnerAndMode(fd, old);
    }
    ok = (close(fd) == 0 || failure.SayError()) && ok;
    ok = ok && (rename(tempName.c_str(), target.c_str()) == 0 || failure.SayError());
    if (!ok) {
        unlink(tempName.c_str());
        return RenameFailed;
    }
    if (old != nullptr) {
        RewriteJournal::ForgetFile(*old);
    }
    // The new name is durable only once the folder is: a crash of the machine could otherwise
    // bring back the old file, or no file at all.
    return SyncFolder(folder) || failure.SayError() ? Renamed : RenameFailed;
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
    errno = error;
    return false;
}

// Two saves rewriting one file at once would leave a mix of both: the second one gives way.
// The new bytes are kept in a journal first, so that a rewrite cut short is noticed when the
// file is next read; the journal goes once the file is whole again, new or old.
bool WriteInPlace(const std::string& target, const std::string& bytes, SaveFailure& failure) {
    int fd = open(target.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return failure.SayError();
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return failure.Say(errno == EWOULDBLOCK ? "another program is saving it at this moment"
                                                : std::strerror(errno));
    }
    std::string old;
    struct stat identity = {};
    RewriteJournal journal;
    bool ok = (ReadAll(fd, old) && fstat(fd, &identity) == 0) || failure.SayError();
    ok = ok && (journal.Keep(target, identity, old, bytes) ||
                failure.Say(std::string("its new bytes could not be kept in the recovery folder "
                                        "first: ") +
                            std::strerror(errno)));
    ok = ok && (Reserve(fd, old.size(), bytes.size()) || failure.SayError());
    bool written = ok && (Rewrite(fd, bytes) || failure.SayError());
    const bool whole = written || !ok || Rewrite(fd, old);
    if (whole) {
        journal.Drop();
    }
    return (close(fd) == 0 || failure.SayError()) && written;
}

}  // namespace

bool ReplaceFileContents(const char* path, const std::string& bytes, std::string* reason) {
    if (reason != nullptr) {
        reason->clear();
    }
    SaveFailure failure(reason);
    size_t length = path != nullptr ? std::strlen(path) : 0;
    if (length == 0 || path[length - 1] == '/') {
        return failure.Say(length == 0 ? "no file name" : "the name is a folder's");
    }
    std::string target;
    if (!ResolveTarget(path, target, failure)) {
        return false;
    }
    struct stat info;
    bool exists = lstat(target.c_str(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode)) {
        return failure.Say(S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "not a regular file");
    }
    if (exists && WriteProtected(target, info)) {
        return failure.Say(std::strerror(EACCES));
    }
    if (!exists || info.st_nlink == 1) {
        RenameOutcome outcome = ReplaceByRename(target, bytes, exists ? &info : nullptr, failure);
        if (outcome != NoTemporary || !exists) {
            return outcome == Renamed;
        }
        // The folder takes no new file: the reason now is the in-place rewrite's, if it fails.
        if (reason != nullptr) {
            reason->clear();
        }
    }
    return WriteInPlace(target, bytes, failure);
}
