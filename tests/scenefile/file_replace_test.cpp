#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "io/FileReplace.h"
#include "tests/scenefile/SceneFileTestSupport.h"

// The one way every file of the program is saved: the old file is either kept whole or fully
// replaced, and it keeps its identity where the rules ask for that.
namespace {

struct stat StatOf(const std::string& path) {
    struct stat info = {};
    lstat(path.c_str(), &info);
    return info;
}

// The journals of saves in place go to a state folder of the test's own, never the user's.
class PrivateStateFolder {
public:
    PrivateStateFolder() { setenv("XDG_STATE_HOME", _folder.Path().c_str(), 1); }
    ~PrivateStateFolder() { unsetenv("XDG_STATE_HOME"); }

private:
    TempDir _folder;
};

TEST(FileReplace, SavingRules) {
    PrivateStateFolder state;
    enum Setup {
        Nothing,
        OldFile,
        HardLinked,
        ReadOnlyFile,
        Pipe,
        Folder,
        FullDisk,
        DanglingLink,
        LinkLoop,
    };
    struct Case {
        const char* what;
        Setup setup;
        std::string name;
        bool saved;
        bool sameInode;
        std::string reason;  // "" when saved; a part of the reason otherwise
    } cases[] = {
        {"a new file", Nothing, "new.pol", true, false, ""},
        {"a file replaced by rename", OldFile, "old.pol", true, false, ""},
        {"a name near the length limit", OldFile, std::string(250, 'n'), true, false, ""},
        {"a file with a second name, written in place", HardLinked, "linked.pol", true, true, ""},
        {"a write-protected file", ReadOnlyFile, "locked.pol", false, true, "Permission denied"},
        {"a named pipe", Pipe, "pipe.pol", false, true, "not a regular file"},
        {"a folder", Folder, "folder", false, true, "Is a directory"},
        {"a folder's name with a slash", Folder, "folder/", false, true, "folder"},
        {"an empty name", Nothing, "", false, false, "no file name"},
        {"a disk too full for the new bytes, in place", FullDisk, "full.pol", false, true,
         "too large"},
        // The link is not replaced by a file, and no file appears where it points.
        {"a link that points nowhere", DanglingLink, "dangling.pol", false, true,
         "other-name, which does not exist"},
        {"a link that leads to itself", LinkLoop, "loop.pol", false, true,
         "too many symbolic links"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        std::string path = c.name.empty() ? "" : dir.File(c.name);
        std::string other = dir.File("other-name");
        if (c.setup == OldFile || c.setup == HardLinked || c.setup == ReadOnlyFile ||
            c.setup == FullDisk) {
            PutFile(path, "old bytes");
            ASSERT_EQ(chmod(path.c_str(), c.setup == ReadOnlyFile ? 0444 : 0640), 0);
            // The super-user may give the file back to its owner.
            if (geteuid() == 0) {
                ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
            }
        }
        if (c.setup == HardLinked || c.setup == FullDisk) {
            ASSERT_EQ(link(path.c_str(), other.c_str()), 0);
        }
        if (c.setup == Pipe) {
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        }
        if (c.setup == Folder) {
            std::filesystem::create_directory(dir.File("folder"));
        }
        if (c.setup == DanglingLink || c.setup == LinkLoop) {
            ASSERT_EQ(symlink(c.setup == LinkLoop ? path.c_str() : other.c_str(), path.c_str()), 0);
        }
        struct stat before = StatOf(path);
        int filesBefore = FilesIn(dir.Path());
        bool saved = false;
        std::string reason = "not cleared";
        {
            FileSizeLimit limit(c.setup == FullDisk ? 12 : RLIM_INFINITY);
            saved =
                ReplaceFileContents(path.c_str(), "the new bytes, longer than the old", &reason);
        }
        EXPECT_EQ(saved, c.saved);
        EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
        EXPECT_EQ(reason.empty(), c.saved) << reason;
        struct stat after = StatOf(path);
        if (c.sameInode) {
            EXPECT_EQ(after.st_ino, before.st_ino);
        }
        if (c.setup == OldFile || c.setup == HardLinked || c.setup == ReadOnlyFile ||
            c.setup == FullDisk) {
            EXPECT_EQ(FileText(path), c.saved ? "the new bytes, longer than the old" : "old bytes");
            EXPECT_EQ(after.st_mode & 0777, before.st_mode & 0777);
            EXPECT_EQ(after.st_uid, before.st_uid);
            EXPECT_EQ(after.st_gid, before.st_gid);
        }
        if (c.setup == HardLinked || c.setup == FullDisk) {
            EXPECT_EQ(FileText(other), FileText(path));
        }
        // No temporary file is left behind.
        EXPECT_EQ(FilesIn(dir.Path()), filesBefore + (c.saved && c.setup == Nothing ? 1 : 0));
    }
}

// A user made by the test keeps the journals of its saves in a state folder of its own, in the
// folder every user may write; the work runs with it, which goes afterwards.
template <typename Work>
auto WithOwnStateFolder(const Work& work) {
    const std::string folder = "/tmp/vexlin-state-" + std::to_string(getpid());
    setenv("XDG_STATE_HOME", folder.c_str(), 1);
    auto result = work();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return result;
}

// Runs the check as an ordinary user: the super-user may create files in any folder.
bool AsOrdinaryUser(const std::function<bool()>& check) {
    if (geteuid() != 0) {
        return check();
    }
    pid_t child = fork();
    if (child == 0) {
        bool ok = setgid(65534) == 0 && setuid(65534) == 0 && WithOwnStateFolder(check);
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

TEST(FileReplace, AWritableFileInAReadOnlyFolderIsWrittenInPlace) {
    TempDir dir;
    std::string path = dir.File("kept.pol");
    PutFile(path, "old bytes that are longer than the new");
    ASSERT_EQ(chmod(path.c_str(), 0666), 0);
    ASSERT_EQ(chmod(dir.Path().c_str(), 0555), 0);
    ino_t inode = StatOf(path).st_ino;
    EXPECT_TRUE(AsOrdinaryUser([&] { return ReplaceFileContents(path.c_str(), "new"); }));
    EXPECT_EQ(FileText(path), "new");
    EXPECT_EQ(StatOf(path).st_ino, inode);
    // A file the ordinary user may not write stays as it is.
    ASSERT_EQ(chmod(path.c_str(), 0644), 0);
    EXPECT_FALSE(AsOrdinaryUser([&] { return ReplaceFileContents(path.c_str(), "newer"); }));
    EXPECT_EQ(FileText(path), "new");
    chmod(dir.Path().c_str(), 0755);
}

// Two users: the victim, whose files are saved, and another local user.
constexpr uid_t kVictim = 65534;
constexpr uid_t kOther = 65533;

// Runs `work` in a child process as that user; what it returns comes back as text. Given a
// pipe's reading end, the child starts only once it has read a byte from it, so that two
// children start together.
class Child {
public:
    Child(uid_t user, const std::function<std::string()>& work, int start = -1) {
        int out[2];
        if (pipe(out) != 0) {
            return;
        }
        _pid = fork();
        if (_pid == 0) {
            close(out[0]);
            char ignored;
            bool ok = setgid(user) == 0 && setuid(user) == 0 &&
                      (start < 0 || read(start, &ignored, 1) == 1);
            std::string text = ok ? WithOwnStateFolder(work) : "could not become the user";
            ssize_t written = write(out[1], text.data(), text.size());
            _exit(written == static_cast<ssize_t>(text.size()) ? 0 : 1);
        }
        close(out[1]);
        _out = out[0];
    }
    // What the child returned, once it has ended.
    std::string Result() {
        std::string text;
        char buffer[256];
        for (ssize_t got; _out >= 0 && (got = read(_out, buffer, sizeof buffer)) > 0;) {
            text.append(buffer, static_cast<size_t>(got));
        }
        int status = 0;
        if (_pid > 0) {
            waitpid(_pid, &status, 0);
        }
        if (_out >= 0) {
            close(_out);
        }
        _out = -1;
        _pid = -1;
        return text;
    }
    ~Child() { Result(); }

private:
    pid_t _pid = -1;
    int _out = -1;
};

// "saved", or the reason the save gave.
std::string SaveAs(const std::string& path, const std::string& bytes) {
    std::string reason;
    return ReplaceFileContents(path.c_str(), bytes, &reason) ? "saved" : reason;
}

// Opens every temporary file that appears in the folder, as fast as the kernel tells of it,
// until `done` ends; returns how many could be opened for reading.
std::string OpenEveryNewFile(const std::string& folder, int done) {
    int watch = inotify_init1(IN_CLOEXEC);
    if (watch < 0 || inotify_add_watch(watch, folder.c_str(), IN_CREATE) < 0) {
        return "no watch";
    }
    int opened = 0;
    pollfd both[] = {{watch, POLLIN, 0}, {done, POLLIN, 0}};
    while (poll(both, 2, 5000) > 0 && (both[1].revents & (POLLIN | POLLHUP)) == 0) {
        alignas(inotify_event) char events[4096];
        ssize_t got = read(watch, events, sizeof events);
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            int fd = event->len > 0 ? open((folder + "/" + event->name).c_str(), O_RDONLY) : -1;
            if (fd >= 0) {
                ++opened;
                close(fd);
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    close(watch);
    return std::to_string(opened);
}

TEST(FileReplace, AnotherUserCannotSubvertASave) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "two users need the super-user to make them";
    }
    enum Attack { PlantedLink, OwnLink, FolderOwnersLink, ReadWhileWritten, SameTimeInPlace };
    const struct {
        const char* what;
        Attack attack;
        std::string expected;  // the victim's result, or a part of the reason
    } cases[] = {
        {"another user's link in a shared sticky folder", PlantedLink,
         "belongs to another user, in a folder that everybody may write: it is not followed"},
        {"the victim's own link there", OwnLink, "saved"},
        {"a link of the folder's owner", FolderOwnersLink, "saved"},
        {"the temporary file while it is written", ReadWhileWritten, "0"},
        {"two saves at once to a file with two names", SameTimeInPlace,
         "another program is saving it at this moment"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        ASSERT_EQ(chmod(dir.Path().c_str(), 0755), 0);
        const std::string home = dir.File("home");
        const std::string shared = dir.File("shared");
        std::filesystem::create_directory(home);
        std::filesystem::create_directory(shared);
        ASSERT_EQ(chown(home.c_str(), kVictim, kVictim), 0);
        ASSERT_EQ(chmod(home.c_str(), 0755), 0);
        ASSERT_EQ(chmod(shared.c_str(), 01777), 0);
        const std::string notes = home + "/notes.txt";
        PutFile(notes, "private notes");
        ASSERT_EQ(chown(notes.c_str(), kVictim, kVictim), 0);
        ASSERT_EQ(chmod(notes.c_str(), 0600), 0);
        const std::string link = shared + "/drawing.pol";
        switch (c.attack) {
            case PlantedLink:
            case OwnLink:
            case FolderOwnersLink: {
                ASSERT_EQ(symlink(notes.c_str(), link.c_str()), 0);
                uid_t maker = c.attack == OwnLink ? kVictim : kOther;
                ASSERT_EQ(lchown(link.c_str(), maker, maker), 0);
                if (c.attack == FolderOwnersLink) {
                    ASSERT_EQ(chown(shared.c_str(), kOther, kOther), 0);
                }
                std::string result =
                    Child(kVictim, [&] { return SaveAs(link, "drawing"); }).Result();
                EXPECT_NE(result.find(c.expected), std::string::npos) << result;
                EXPECT_EQ(FileText(notes), c.attack == PlantedLink ? "private notes" : "drawing");
                EXPECT_EQ(StatOf(notes).st_mode & 0777, 0600u);
                EXPECT_TRUE(S_ISLNK(StatOf(link).st_mode));
                break;
            }
            case ReadWhileWritten: {
                int done[2];
                ASSERT_EQ(pipe(done), 0);
                Child spy(kOther, [&] {
                    close(done[1]);
                    return OpenEveryNewFile(home, done[0]);
                });
                close(done[0]);
                std::string saves =
                    Child(kVictim, [&] {
                        std::string last;
                        for (int i = 0; i < 150; ++i) {
                            last =
                                SaveAs(notes, std::string(12000, static_cast<char>('a' + i % 26)));
                        }
                        return last;
                    }).Result();
                close(done[1]);
                EXPECT_EQ(saves, "saved");
                EXPECT_EQ(spy.Result(), c.expected) << "temporary files another user opened";
                EXPECT_EQ(StatOf(notes).st_mode & 0777, 0600u);
                break;
            }
            case SameTimeInPlace: {
                const std::string file = shared + "/linked.pol";
                const std::string first(11984, 'A');
                const std::string second(7000, 'B');
                PutFile(file, "old");
                ASSERT_EQ(chmod(file.c_str(), 0666), 0);
                ASSERT_EQ(::link(file.c_str(), (shared + "/second-name.pol").c_str()), 0);
                // A save under way holds the lock: another fails at once, changing nothing.
                int held = open(file.c_str(), O_RDWR);
                ASSERT_EQ(flock(held, LOCK_EX), 0);
                EXPECT_EQ(Child(kVictim, [&] { return SaveAs(file, first); }).Result(), c.expected);
                EXPECT_EQ(FileText(file), "old");
                close(held);
                // Saves started together: the file always holds one of them whole.
                int refused = 0;
                for (int round = 0; round < 100; ++round) {
                    int start[2];
                    ASSERT_EQ(pipe(start), 0);
                    Child one(
                        kVictim, [&] { return SaveAs(file, first); }, start[0]);
                    Child two(
                        kOther, [&] { return SaveAs(file, second); }, start[0]);
                    ASSERT_EQ(write(start[1], "go", 2), 2);
                    close(start[0]);
                    close(start[1]);
                    std::string a = one.Result();
                    std::string b = two.Result();
                    std::string now = FileText(file);
                    ASSERT_TRUE(now == first || now == second) << "round " << round;
                    for (const std::string* result : {&a, &b}) {
                        EXPECT_TRUE(*result == "saved" || *result == c.expected) << *result;
                        refused += *result == c.expected ? 1 : 0;
                    }
                    if (a != b) {
                        EXPECT_EQ(now, a == "saved" ? first : second) << "round " << round;
                    }
                }
                EXPECT_EQ(StatOf(file).st_nlink, 2u);
                RecordProperty("refused", refused);
                break;
            }
        }
    }
}

// A new file gets the permissions that creating it gives; an old one keeps its own.
TEST(FileReplace, PermissionsOfTheSavedFile) {
    const struct {
        mode_t umask;
        int old;  // -1: no file before
        mode_t expected;
    } cases[] = {{022, -1, 0644}, {077, -1, 0600}, {022, 0600, 0600}, {077, 0664, 0664}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        TempDir dir;
        const std::string path = dir.File("drawing.pol");
        if (c.old >= 0) {
            PutFile(path, "old");
            ASSERT_EQ(chmod(path.c_str(), static_cast<mode_t>(c.old)), 0);
        }
        mode_t before = umask(c.umask);
        EXPECT_TRUE(ReplaceFileContents(path.c_str(), "new"));
        umask(before);
        EXPECT_EQ(StatOf(path).st_mode & 0777, c.expected);
    }
}

}  // namespace
