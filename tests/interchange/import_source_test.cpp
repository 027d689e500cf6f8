#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "interchange/ImportSource.h"
#include "tests/scenefile/SceneFileTestSupport.h"

namespace {

// Only a regular file is read: a device that never ends and a named pipe without a writer are
// refused at once, where reading them would never finish.
TEST(ImportSourceTest, ReadsRegularFilesOnly) {
    const std::string folder = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
    const std::string pipe = folder + "/import-source-pipe";
    std::filesystem::remove(pipe);
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    PutFile(folder + "/import-source.pov", "polygon { 3, <0,0>, <1,0>, <0,1> }");
    const struct {
        std::string path;
        std::string why;  // empty: read
    } cases[] = {
        {folder + "/import-source.pov", ""},
        {"/dev/zero", "not a regular file"},
        {pipe, "not a regular file"},
        {folder, "not a regular file"},
        {folder + "/none.pov", "No such file or directory"},
    };
    for (const auto& c : cases) {
        std::string text;
        std::string why;
        EXPECT_EQ(ReadSourceFile(c.path.c_str(), text, why), c.why.empty()) << c.path;
        EXPECT_EQ(why, c.why) << c.path;
    }
    std::filesystem::remove(pipe);
    std::filesystem::remove(folder + "/import-source.pov");
}

}  // namespace
