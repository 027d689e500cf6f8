#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/util/ProgramPaths.h"
#include "toolkit/vArgumentList.h"

namespace {

std::vector<std::string> Arguments(vArgumentList& list) {
    std::vector<std::string> result;
    for (int i = 1; i < list.Argc(); ++i) {
        result.push_back(list.Argv()[i]);
    }
    EXPECT_EQ(list.Argv()[list.Argc()], nullptr) << "the array ends with a null entry";
    return result;
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(ArgumentList, SplitsACommandLineString) {
    struct Case {
        const char* line;
        Strings expected;
    };
    const Case cases[] = {
        {"", {}},
        {"   ", {}},
        {"file.pol", {"file.pol"}},
        {"  \"my file.pol\"", {"my file.pol"}},
        {"\"a b\" \"c\"  d e", {"a b", "c", "d e"}},
        {"C:\\My Drawings\\star.pol", {"C:\\My Drawings\\star.pol"}},
        {"trailing blanks  ", {"trailing blanks  "}},
        {"\"unclosed quote runs on", {"unclosed quote runs on"}},
        {"\"\" x", {"", "x"}},
        {"first\nsecond", {"first"}},
        {"\"a\"\r\"b\"", {"a"}},
        {"-vDebug x file.pol", {"-vDebug x file.pol"}},
    };
    for (const Case& c : cases) {
        vArgumentList list;
        list.SplitCommandLine("/opt/vexlin/Vexlin", c.line);
        EXPECT_STREQ(list.Argv()[0], "/opt/vexlin/Vexlin");
        EXPECT_EQ(Arguments(list), c.expected) << "line: " << c.line;
    }
}

TEST(ArgumentList, DebugOptionGoesWithItsArgument) {
    vArgumentList list;
    list.SplitCommandLine("Vexlin", "\"-vDebug\" \"x\" file.pol");
    list.RemoveDebugOption();
    ASSERT_EQ(list.Argc(), 2);
    EXPECT_STREQ(list.Argv()[1], "file.pol");

    // Unquoted, the option swallows the rest of the line and is not recognised.
    list.SplitCommandLine("Vexlin", "-vDebug x file.pol");
    list.RemoveDebugOption();
    EXPECT_EQ(Arguments(list), Strings{"-vDebug x file.pol"});

    // Only the first one goes; given last it has no argument to take along.
    const char* argv[] = {"Vexlin", "a", "-vDebug", "1", "-vDebug", "2", "-vDebug"};
    list.SetFromArgv(7, argv);
    list.RemoveDebugOption();
    EXPECT_EQ(Arguments(list), (Strings{"a", "-vDebug", "2", "-vDebug"}));
    list.RemoveDebugOption();
    list.RemoveDebugOption();
    EXPECT_EQ(Arguments(list), Strings{"a"});
}

TEST(ArgumentList, KeepsAtMostFortyEightArguments) {
    std::string line;
    for (int i = 0; i < 60; ++i) {
        line += "\"" + std::to_string(i) + "\" ";
    }
    vArgumentList split;
    split.SplitCommandLine(std::string(300, 'p').c_str(), line.c_str());
    EXPECT_EQ(split.Argc(), 49);
    EXPECT_STREQ(split.Argv()[48], "47");
    EXPECT_EQ(split.Argv()[49], nullptr);
    EXPECT_EQ(std::string(split.Argv()[0]).size(), 199u) << "the program path is cut";

    std::vector<std::string> storage(60, "arg");
    std::vector<const char*> argv;
    for (const std::string& s : storage) {
        argv.push_back(s.c_str());
    }
    vArgumentList given;
    given.SetFromArgv(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(given.Argc(), 49);
    EXPECT_EQ(given.Arg(49), nullptr);
}

TEST(ArgumentList, EntryZeroBecomesTheProgramPathWhenItFits) {
    const std::string longest(vArgumentList::MaxProgramPath, 'p');
    const struct {
        int argc;
        std::string path;
        const char* expected;
    } cases[] = {
        {2, "/usr/bin/Vexlin", "/usr/bin/Vexlin"},
        {0, "/usr/bin/Vexlin", "/usr/bin/Vexlin"},
        {2, "", "Vexlin"},
        {2, longest, longest.c_str()},
        {2, longest + "p", "Vexlin"},
    };
    const char* argv[] = {"Vexlin", "star.pol"};
    for (const auto& c : cases) {
        vArgumentList list;
        list.SetFromArgv(c.argc, argv);
        list.SetProgramPath(c.path);
        EXPECT_STREQ(list.Arg(0), c.expected) << c.path;
        EXPECT_EQ(list.Argc(), c.argc > 0 ? c.argc : 1);
        EXPECT_EQ(list.Argv()[list.Argc()], nullptr);
    }
}

TEST(ProgramPaths, FoldersAndJoins) {
    const struct {
        const char* path;
        const char* folder;
    } folders[] = {{"/usr/bin/Vexlin", "/usr/bin"}, {"/Vexlin", "/"}, {"Vexlin", ""}, {"", ""}};
    for (const auto& c : folders) {
        EXPECT_EQ(ProgramPaths::FolderOf(c.path), c.folder) << c.path;
    }
    EXPECT_EQ(ProgramPaths::Join("/usr", "share"), "/usr/share");
    EXPECT_EQ(ProgramPaths::Join("/", "share"), "/share");
    EXPECT_EQ(ProgramPaths::Join("", "Vexlin.hlp"), "Vexlin.hlp");

    const std::string program = ProgramPaths::Executable();
    ASSERT_EQ(program.front(), '/');
    EXPECT_EQ(program.substr(program.rfind('/')), "/test_toolkit");
    EXPECT_EQ(ProgramPaths::DataFolder(),
              ProgramPaths::FolderOf(ProgramPaths::ExecutableFolder()) + "/share/vexlin");
}
