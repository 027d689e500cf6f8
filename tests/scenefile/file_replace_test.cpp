#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "scenefile/FileReplace.h"
#include "tests/scenefile/SceneFileTestSupport.h"

// The one way every file of the program is saved: the old file is either kept whole or fully
// replaced, and it keeps its identity where the rules ask for that.
namespace {

struct stat StatOf(const std::string& path) {
    struct stat info = {};
    stat(path.c_str(), &info);
    return info;
}

TEST(FileReplace, SavingRules) {
    enum Setup { Nothing, OldFile, HardLinked, ReadOnlyFile, Pipe, Folder, FullDisk };
    struct Case {
        const char* what;
        Setup setup;
        std::string name;
        bool saved;
        bool sameInode;
    } cases[] = {
        {"a new file", Nothing, "new.pol", true, false},
        {"a file replaced by rename", OldFile, "old.pol", true, false},
        {"a name near the length limit", OldFile, std::string(250, 'n'), true, false},
        {"a file with a second name, written in place", HardLinked, "linked.pol", true, true},
        {"a write-protected file", ReadOnlyFile, "locked.pol", false, true},
        {"a named pipe", Pipe, "pipe.pol", false, true},
        {"a folder", Folder, "folder", false, true},
        {"a folder's name with a slash", Folder, "folder/", false, true},
        {"an empty name", Nothing, "", false, false},
        {"a disk too full for the new bytes, in place", FullDisk, "full.pol", false, true},
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
        struct stat before = StatOf(path);
        int filesBefore = FilesIn(dir.Path());
        bool saved = false;
        {
            FileSizeLimit limit(c.setup == FullDisk ? 12 : RLIM_INFINITY);
            saved = ReplaceFileContents(path.c_str(), "the new bytes, longer than the old");
        }
        EXPECT_EQ(saved, c.saved);
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

// Runs the check as an ordinary user: the super-user may create files in any folder.
bool AsOrdinaryUser(const std::function<bool()>& check) {
    if (geteuid() != 0) {
        return check();
    }
    pid_t child = fork();
    if (child == 0) {
        bool ok = setgid(65534) == 0 && setuid(65534) == 0 && check();
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

}  // namespace
