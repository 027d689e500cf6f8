#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

// Saves of vexlin-tool killed at each system call that writes, cuts, syncs, renames or removes
// (strace's fault injection sends the kill as the call starts): the file is left whole, with its
// old bytes or its new ones, or the next reading says it is torn and names the journal that
// holds the new bytes. A killed save's temporary file goes with the next save in its folder.
namespace {

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A prism of `count` points on a circle-ish path, one set.
std::string Prism(int count) {
    std::string text =
        "//\r\n//\r\n//\r\n#declare Thing=prism{\r\n0,0.5," + std::to_string(count + 1) + "\r\n";
    for (int i = 0; i <= count; ++i) {
        const int at = i % count;
        text += "<" + std::to_string(at % 7) + "," + std::to_string(at / 7) + ">\r\n";
    }
    return text + "//_______SubSet^1 _________\r\n}\r\n";
}

class InterruptedSave : public testing::Test {
protected:
    InterruptedSave() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vexlin-killed-XXXXXX").string();
        dir = mkdtemp(pattern.data()) != nullptr ? pattern : "";
        std::filesystem::create_directories(dir + "/work");
    }
    ~InterruptedSave() override { std::filesystem::remove_all(dir); }

    // The tool in the work folder, its recovery folder the test's own; the exit code, with
    // standard error in `err`.
    int Tool(const std::string& arguments, const std::string& prefix = "") {
        const std::string command = "cd " + dir + "/work && XDG_STATE_HOME=" + dir + "/state " +
                                    prefix + VEXLIN_BINARY_DIR "/tools/vexlin-tool " + arguments +
                                    " > /dev/null 2> " + dir + "/err";
        const int status = std::system(command.c_str());
        err = FileText(dir + "/err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    int TemporariesLeft() {
        int left = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir + "/work")) {
            left += entry.path().filename().string().rfind(".vx", 0) == 0 ? 1 : 0;
        }
        return left;
    }

    std::string dir;
    std::string err;
};

TEST_F(InterruptedSave, KilledAtAnyCallTheFileIsWholeOrToldTorn) {
    if (std::system("strace -V > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "strace is not installed";
    }
    const std::string target = dir + "/work/t.prm";
    PutFile(dir + "/work/a.prm", Prism(12));
    ASSERT_EQ(Tool("convert a.prm fresh.prm"), 0) << err;
    const std::string newBytes = FileText(dir + "/work/fresh.prm");
    // Each call that a save makes on the way, by its place among the calls of its kind.
    struct Kill {
        const char* call;
        int when;
    };
    const Kill inPlace[] = {{"pwrite64", 1},  {"fsync", 1},     {"fsync", 2},
                            {"flock", 1},     {"fallocate", 1}, {"pwrite64", 2},
                            {"ftruncate", 1}, {"fsync", 3},     {"unlink", 1}};
    const Kill byRename[] = {{"pwrite64", 1}, {"fsync", 1}, {"fchmod", 1},
                             {"rename", 1},   {"fsync", 2}, {"unlink", 1}};
    std::map<std::string, int> outcomes;
    for (const bool linked : {true, false}) {
        for (const std::string& oldBytes : {Prism(40), Prism(3)}) {
            for (const Kill& kill :
                 linked ? std::vector<Kill>(std::begin(inPlace), std::end(inPlace))
                        : std::vector<Kill>(std::begin(byRename), std::end(byRename))) {
                SCOPED_TRACE(std::string(kill.call) + " #" + std::to_string(kill.when) +
                             (linked ? " in place" : " by rename"));
                std::filesystem::remove_all(dir + "/state");
                std::filesystem::remove(target);
                std::filesystem::remove(dir + "/work/t-link.prm");
                PutFile(target, oldBytes);
                if (linked) {
                    ASSERT_EQ(link(target.c_str(), (dir + "/work/t-link.prm").c_str()), 0);
                }
                Tool("convert a.prm t.prm",
                     "strace -f -o /dev/null -e inject=" + std::string(kill.call) +
                         ":signal=SIGKILL:when=" + std::to_string(kill.when) + " ");
                const std::string left = FileText(target);
                std::string outcome = left == oldBytes ? "old" : left == newBytes ? "new" : "";
                if (outcome.empty()) {
                    const bool told = Tool("info t.prm") == 7;
                    const size_t named = err.find(dir + "/state/vexlin/recovery/rewrite-");
                    const std::string journal =
                        named == std::string::npos
                            ? ""
                            : err.substr(named, err.find('\n', named) - named);
                    outcome = told && FileText(journal) == newBytes ? "reported as torn"
                                                                    : "torn unreported";
                }
                EXPECT_NE(outcome, "torn unreported") << left;
                ++outcomes[outcome];
                if (!linked) {
                    // The next save in the folder leaves no temporary file of a killed one.
                    ASSERT_EQ(Tool("convert a.prm other.prm"), 0) << err;
                    EXPECT_EQ(TemporariesLeft(), 0);
                }
            }
        }
    }
    std::string summary;
    for (const auto& [outcome, count] : outcomes) {
        summary += " " + outcome + ": " + std::to_string(count) + ";";
    }
    RecordProperty("outcomes", summary);
    std::printf("killed saves:%s\n", summary.c_str());
}

}  // namespace
