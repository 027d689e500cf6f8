#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/scenefile/SceneFileTestSupport.h"
#include "tests/tools/ToolRun.h"

// vexlin-tool text as a user runs it: every contour of every letter becomes a set.
namespace {

struct TextCase {
    std::vector<std::string> arguments;
    int status;
    const char* says;  // in the info of the file written, or in the error
};

TEST(TextCommand, OutlinesTheLettersOrSaysWhyNot) {
    TempDir dir;
    const TextCase cases[] = {
        // "A" and "b" each have an outer contour and a hole.
        {{"text", "Ab", "ab"}, 0, "spline: bezier\nsweep: linear\nstart: 0\nend: 0.5\n"},
        {{"text", "Ab", "ab"}, 0, "sets: 4\n"},
        {{"text", "Ab", "flat", "--kind", "polygon"}, 0, "kind: polygon\n"},
        {{"text", "I", "wide", "--size", "3", "--spacing", "0.5"}, 0, "sets: 1\n"},
        {{"text", "Ab", "x", "--font", "DejaVu Sanz"}, 66, "the nearest are: DejaVu Sans"},
        {{"text", "Ab", "x", "--size", "0"}, 64, "not a size above 0"},
        {{"text", " ", "x"}, 66, "has no outline"},
        {{"text", std::string(60, 'W'), "x"}, 66, "needs"},
    };
    for (const TextCase& c : cases) {
        const ToolRun run = ToolRun::InProcess(dir.Path(), c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments[1] << ": " << run.err;
        if (run.status != 0) {
            EXPECT_NE(run.err.find(c.says), std::string::npos) << c.arguments[1] << ": " << run.err;
            continue;
        }
        const std::string written = run.out.substr(0, run.out.size() - 1);
        const std::string info = ToolRun::InProcess(dir.Path(), {"info", written}).out;
        EXPECT_NE(info.find(c.says), std::string::npos) << c.arguments[1] << ":\n" << info;
    }
}

}  // namespace
