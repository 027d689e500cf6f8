#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "io/FileReplace.h"
#include "io/RecoveryFolder.h"
#include "io/RewriteJournal.h"
#include "scenefile/RecoveryCopy.h"
#include "support/TestRandom.h"
#include "tests/scenefile/SceneFileTestSupport.h"

// What survives the editor's own end: recovery copies, the journal of a rewrite in place, and
// the temporary files that killed saves leave behind.
namespace {

// The recovery folder lives in a folder of the test's own.
class RecoveryFiles : public testing::Test {
protected:
    RecoveryFiles() { setenv("XDG_STATE_HOME", state.Path().c_str(), 1); }
    ~RecoveryFiles() override { unsetenv("XDG_STATE_HOME"); }

    // A process id that no process has any more.
    static pid_t DeadPid() {
        const pid_t child = fork();
        if (child == 0) {
            _exit(0);
        }
        waitpid(child, nullptr, 0);
        return child;
    }

    TempDir state;
    TempDir files;
};

TEST_F(RecoveryFiles, CopiesReadBackExactlyAndNothingElseReadsAsOne) {
    TestRandom random(7);
    const std::string alphabet = "ab /.\n\r%-0123456789";
    auto text = [&](size_t longest) {
        std::string made;
        for (size_t i = random.Below(longest + 1); i > 0; --i) {
            made += alphabet[random.Below(alphabet.size())];
        }
        return made;
    };
    for (int round = 0; round < 200; ++round) {
        RecoveryCopy copy;
        copy.title = text(30);
        copy.fileName = text(99);
        copy.kind = random.Between(Polygon, Sor);
        copy.filter = random.Between(0, 6);
        copy.values = {random.Uniform(-1e6, 1e6), random.Uniform(-1, 1), random.Between(0, 3),
                       random.Between(0, 1),      random.Between(0, 1),  random.Between(0, 1)};
        copy.scene = text(200);
        RecoveryCopy read;
        const std::string written = copy.Text();
        ASSERT_TRUE(RecoveryCopy::Parse(written, read)) << written;
        EXPECT_EQ(read.Text(), written);
        EXPECT_EQ(read.values, copy.values);
        // A copy cut short anywhere, as a killed write could leave a file, is no copy.
        const size_t cut = random.Below(written.size());
        EXPECT_FALSE(RecoveryCopy::Parse(written.substr(0, cut), read)) << cut;
    }
}

// A copy is orphaned once its editor has gone, even when a later process got the same id.
TEST_F(RecoveryFiles, OnlyCopiesOfEditorsThatHaveGoneAreOrphaned) {
    const std::string folder = RecoveryFolder::Path();
    ASSERT_EQ(folder, state.Path() + "/vexlin/recovery");
    struct stat info;
    ASSERT_EQ(stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    const std::string own = std::to_string(getpid());
    const struct {
        std::string name;
        bool orphaned;
    } cases[] = {
        {RecoveryFolder::CopyName(3), false},
        {std::to_string(DeadPid()) + "-12345-1.vxr", true},
        {own + "-1-2.vxr", true},        // this process's id, another start
        {"1-999999999999-1.vxr", true},  // the first process, started at another moment
        {std::to_string(DeadPid()) + "-12345-1.txt", false},
        {"journal.vxr", false},
    };
    std::vector<std::string> expected;
    for (const auto& c : cases) {
        PutFile(folder + "/" + c.name, "copy");
        if (c.orphaned) {
            expected.push_back(folder + "/" + c.name);
        }
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(RecoveryFolder::OrphanedCopies(), expected);
    EXPECT_TRUE(RecoveryFolder::SessionRuns(RecoveryFolder::SessionStamp()));
}

// Whatever state a rewrite in place was cut short in, the next reading tells a torn file, and
// only a torn one; the journal of a whole file goes.
TEST_F(RecoveryFiles, ARewriteCutShortIsToldByItsJournal) {
    const std::string oldBytes = "the old bytes of the drawing, longer than the new";
    const std::string newBytes = "the new bytes";
    const struct {
        const char* what;
        std::string left;  // what the file holds when the rewrite stopped
        bool torn;
    } cases[] = {
        {"untouched", oldBytes, false},
        {"rewritten", newBytes, false},
        {"new bytes over the old, not yet cut", newBytes + oldBytes.substr(newBytes.size()), true},
        {"cut before the new bytes went in", oldBytes.substr(0, newBytes.size()), true},
        {"lengthened, nothing written yet", oldBytes + std::string(20, '\0'), true},
        {"emptied", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = files.File("drawing.prm");
        PutFile(path, oldBytes);
        struct stat identity;
        ASSERT_EQ(stat(path.c_str(), &identity), 0);
        RewriteJournal journal;
        ASSERT_TRUE(journal.Keep(path, identity, oldBytes, newBytes));
        EXPECT_EQ(FileText(journal.Path()), newBytes);
        EXPECT_EQ(journal.Path().substr(journal.Path().size() - 4), ".prm");
        PutFile(path, c.left);
        EXPECT_EQ(RewriteJournal::LeftFor(path.c_str()), c.torn ? journal.Path() : "");
        EXPECT_EQ(access(journal.Path().c_str(), F_OK) == 0, c.torn);
        journal.Drop();
        EXPECT_EQ(RewriteJournal::LeftFor(path.c_str()), "");
    }
}

// A file with a second name is rewritten in place only once its new bytes are kept aside;
// where they cannot be, the file stays as it was.
TEST_F(RecoveryFiles, ARewriteInPlaceNeedsItsJournal) {
    // A journal that a killed save left goes too once the file is saved whole, in place or by
    // rename, lest a later file given the same inode be taken for a torn one.
    for (const bool linked : {true, false}) {
        const std::string path = files.File(linked ? "linked.pol" : "single.pol");
        PutFile(path, "old");
        if (linked) {
            ASSERT_EQ(link(path.c_str(), files.File("other").c_str()), 0);
        }
        struct stat identity;
        ASSERT_EQ(stat(path.c_str(), &identity), 0);
        RewriteJournal stale;
        ASSERT_TRUE(stale.Keep(path, identity, "older", "cut short"));
        std::string reason;
        EXPECT_TRUE(ReplaceFileContents(path.c_str(), "new", &reason)) << reason;
        EXPECT_EQ(FileText(linked ? files.File("other") : path), "new");
        EXPECT_EQ(FilesIn(RecoveryFolder::Path()), 0) << "the journals go once the file is whole";
    }
    const std::string path = files.File("linked.pol");
    std::string reason;
    PutFile(files.File("no-folder"), "a file where the state folder would be");
    setenv("XDG_STATE_HOME", files.File("no-folder").c_str(), 1);
    EXPECT_FALSE(ReplaceFileContents(path.c_str(), "newer", &reason));
    EXPECT_NE(reason.find("recovery folder"), std::string::npos) << reason;
    EXPECT_EQ(FileText(path), "new");
}

// A save removes the temporary files that killed saves of processes that have gone left in its
// folder, and nothing else.
TEST_F(RecoveryFiles, ASaveRemovesTheTemporaryFilesOfKilledSaves) {
    char name[32];
    const struct {
        pid_t maker;
        bool removed;
    } cases[] = {{DeadPid(), true}, {getpid(), false}, {1, false}};
    std::vector<std::string> temporaries;
    for (const auto& c : cases) {
        std::snprintf(name, sizeof name, ".vx%x-%x", static_cast<unsigned>(c.maker), 5u);
        temporaries.push_back(files.File(name));
        PutFile(temporaries.back(), "a whole drawing");
    }
    PutFile(files.File(".vxnotours"), "kept");
    ASSERT_TRUE(ReplaceFileContents(files.File("saved.pol").c_str(), "saved"));
    for (size_t i = 0; i < temporaries.size(); ++i) {
        EXPECT_EQ(access(temporaries[i].c_str(), F_OK) != 0, cases[i].removed) << temporaries[i];
    }
    EXPECT_EQ(FileText(files.File(".vxnotours")), "kept");
}

}  // namespace
