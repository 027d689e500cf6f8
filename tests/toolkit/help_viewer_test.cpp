#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "FakeControlHost.h"
#include "FakeWindowPlatform.h"
#include "toolkit/util/ProgramPaths.h"
#include "toolkit/vHelpViewer.h"

namespace {

using Strings = std::vector<std::string>;

std::string TempFolder() {
    char folder[] = "/tmp/vexlin-help-XXXXXX";
    return mkdtemp(folder);
}

void Touch(const std::string& path) {
    std::ofstream(path) << "<h1>Contents</h1>";
}

}  // namespace

TEST(HelpViewer, LooksInTheWorkingDirectoryBesideTheProgramThenInTheDataFolder) {
    const std::string root = TempFolder();
    const Strings folders = {root + "/work", root + "/bin", root + "/share"};
    for (const std::string& folder : folders) {
        mkdir(folder.c_str(), 0700);
    }
    const Strings places = vHelpViewer::Places("Vexlin.hlp", folders[0], folders[1], folders[2]);
    EXPECT_EQ(places, (Strings{root + "/work/Vexlin.hlp", root + "/bin/Vexlin.hlp",
                               root + "/share/Vexlin.hlp"}));
    EXPECT_EQ(vHelpViewer::FirstReadable(places), "");
    // Each file found hides the ones after it.
    for (int i = 2; i >= 0; --i) {
        Touch(places[i]);
        EXPECT_EQ(vHelpViewer::FirstReadable(places), places[i]);
    }
    mkdir((root + "/bin/Folder.hlp").c_str(), 0700);
    EXPECT_EQ(vHelpViewer::FirstReadable({root + "/bin/Folder.hlp"}), "") << "not a file";

    EXPECT_EQ(vHelpViewer::Places("Vexlin.hlp", "/opt", "/opt", ""), Strings{"/opt/Vexlin.hlp"});
    EXPECT_EQ(vHelpViewer::Places("doc/Vexlin.hlp", "/opt", "/usr/bin", "/usr/share/vexlin"),
              Strings{"doc/Vexlin.hlp"});
    EXPECT_TRUE(vHelpViewer::Places("", "/opt", "/usr/bin", "/usr/share/vexlin").empty());
}

// Never silent: a missing document gives a notice naming every place it was looked for.
TEST(HelpViewer, ShowsAFoundDocumentAndNamesThePlacesOfAMissingOne) {
    FakeWindowPlatform windows;
    FakeControlPlatform controls;
    const std::string folder = TempFolder();
    const std::string previous = ProgramPaths::WorkingDirectory();
    ASSERT_EQ(chdir(folder.c_str()), 0);
    vHelpViewer viewer(nullptr);

    EXPECT_FALSE(viewer.ShowContents("Missing.hlp"));
    EXPECT_TRUE(windows.helpShown.empty());
    const std::string notice =
        "Text " + vHelpViewer::MissingNotice(
                      "Missing.hlp",
                      {folder + "/Missing.hlp", ProgramPaths::ExecutableFolder() + "/Missing.hlp",
                       ProgramPaths::DataFolder() + "/Missing.hlp"});
    Strings shown = controls.closedCalls;
    for (std::string& text : shown) {
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    }
    EXPECT_NE(std::find(shown.begin(), shown.end(), notice), shown.end());
    EXPECT_NE(notice.find("Looked for:\n " + folder + "/Missing.hlp\n"), std::string::npos);

    Touch(folder + "/Sample.hlp");
    EXPECT_TRUE(viewer.ShowContents("Sample.hlp"));
    EXPECT_EQ(windows.helpShown, Strings{folder + "/Sample.hlp"});
    windows.helpShows = false;
    controls.closedCalls.clear();
    EXPECT_FALSE(viewer.ShowContents("Sample.hlp")) << "a platform that cannot show it";
    EXPECT_FALSE(controls.closedCalls.empty()) << "says so";
    ASSERT_EQ(chdir(previous.c_str()), 0);
}
