#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "io/FileIdentity.h"
#include "tests/scenefile/SceneFileTestSupport.h"

namespace {

// Sets the file's modification time back to what `before` saw, so that only the other parts
// can tell the change.
void KeepTime(const std::string& path, const struct stat& before) {
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

}  // namespace

// Every way another program may change a file changes its identity; looking again at an
// untouched file does not.
TEST(FileIdentity, TellsEveryChangeAndNothingElse) {
    const std::string folder = std::filesystem::temp_directory_path() / "vexlin-identity-XXXXXX";
    std::string pattern = folder;
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::string path = pattern + "/shared.pol";
    const struct {
        const char* what;
        std::function<void()> change;
        bool changes;
    } cases[] = {
        {"nothing", [] {}, false},
        {"same size, same time, other bytes",
         [&] {
             struct stat before;
             stat(path.c_str(), &before);
             PutFile(path, "ABCD");
             KeepTime(path, before);
         },
         true},
        {"touched", [&] { PutFile(path, FileText(path)); }, true},
        {"replaced by a rename",
         [&] {
             PutFile(path + ".new", FileText(path));
             std::filesystem::rename(path + ".new", path);
         },
         true},
        {"grown", [&] { PutFile(path, FileText(path) + "x"); }, true},
        {"removed", [&] { std::filesystem::remove(path); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PutFile(path, "abcd");
        const FileIdentity before = FileIdentity::Of(path.c_str());
        EXPECT_TRUE(before.exists);
        EXPECT_EQ(FileIdentity::Of(path.c_str()), before);
        c.change();
        EXPECT_EQ(FileIdentity::Of(path.c_str()) != before, c.changes);
    }
    // A device is looked at, never read.
    EXPECT_TRUE(FileIdentity::Of("/dev/zero").exists);
    std::filesystem::remove_all(pattern);
}
