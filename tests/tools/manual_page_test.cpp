#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// The manual page the build makes from vexlin-tool's help.
namespace {

std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            text.append(buffer, read);
        }
        pclose(pipe);
    }
    return text;
}

const std::string Page = VEXLIN_BINARY_DIR "/packaging/vexlin-tool.1";

}  // namespace

// Every command the tool's usage names has its entry, and no line of text is taken for a
// formatter request (a line beginning with "." or "'" would vanish from the page).
TEST(ManualPage, HasAnEntryForEveryCommandAndOnlyTheMakersRequests) {
    std::ifstream in(Page);
    ASSERT_TRUE(in) << Page;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    const std::set<std::string> requests = {".TH", ".SH", ".TP", ".PP", ".br",
                                            ".in", ".ti", ".nh", ".ad"};
    std::set<std::string> tags;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (!line.empty() && (line[0] == '.' || line[0] == '\'')) {
            EXPECT_EQ(requests.count(line.substr(0, line.find(' '))), 1u) << line;
        }
        if (line == ".TP" && i + 1 < lines.size()) {
            tags.insert(lines[i + 1].substr(0, lines[i + 1].find(' ')));
        }
    }
    std::istringstream usage(Output(VEXLIN_BINARY_DIR "/tools/vexlin-tool --help"));
    int commands = 0;
    for (std::string line; std::getline(usage, line) && line != "DESCRIPTION";) {
        std::istringstream words(line);
        std::string program, command;
        if (words >> program >> command && program == "vexlin-tool" && command[0] != '-' &&
            command != "help") {
            ++commands;
            std::string escaped;
            for (char c : command) {
                escaped += c == '-' ? "\\-" : std::string(1, c);
            }
            EXPECT_EQ(tags.count(escaped), 1u) << command;
        }
    }
    EXPECT_GE(commands, 8);
}

TEST(ManualPage, FormatsWithoutAWarning) {
    if (Output("command -v groff").empty()) {
        GTEST_SKIP() << "no groff";
    }
    EXPECT_EQ(Output("groff -man -Tutf8 -ww -z " + Page + " 2>&1"), "");
}
