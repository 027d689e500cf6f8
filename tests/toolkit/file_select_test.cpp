#include <gtest/gtest.h>

#include <string>

#include "ScriptedChooser.h"
#include "toolkit/vFileSelect.h"

TEST(FileSelect, FiltersDescribeThemselvesAndStayUnder256Characters) {
    const char* const patterns[] = {"*.pol", "*.prm", "*.pol;*.prm", "*", nullptr};
    auto filters = vFileSelect::BuildFilters(patterns);
    ASSERT_EQ(filters.size(), 4u);
    EXPECT_EQ(filters[2].description, "*.pol;*.prm");
    EXPECT_EQ(filters[2].patterns, "*.pol;*.prm");

    const std::string big(100, 'a');
    const std::string fits(20, 'b');  // 2 * (100 + 1) + 2 * (20 + 1) = 244
    const std::string over(6, 'c');   // + 14 = 258
    const char* const many[] = {big.c_str(), fits.c_str(), over.c_str(), "*", nullptr};
    filters = vFileSelect::BuildFilters(many);
    ASSERT_EQ(filters.size(), 2u) << "the first pattern that does not fit ends the list";

    const char* const none[] = {"", nullptr};
    filters = vFileSelect::BuildFilters(none);
    ASSERT_EQ(filters.size(), 1u);
    EXPECT_EQ(filters[0].description, "All files(*.*)");
    EXPECT_EQ(vFileSelect::BuildFilters(nullptr).size(), 1u);
}

TEST(FileSelect, IndexGoesInAndComesBackZeroBased) {
    ScriptedChooser chooser;
    chooser.path = "/tmp/a.prm";
    chooser.filter = 3;
    const char* const patterns[] = {"*.pol", "*.prm", "*.pol;*.prm", "*", nullptr};
    char buffer[64] = "start.pol";
    int index = 1;
    vFileSelect select(nullptr, "File Select");
    EXPECT_EQ(select.PickFile("Open", buffer, sizeof buffer, patterns, index), 1);
    EXPECT_EQ(chooser.seen.filterIndex, 1);
    EXPECT_EQ(chooser.seen.initialName, "start.pol");
    EXPECT_FALSE(chooser.seen.save);
    EXPECT_STREQ(buffer, "/tmp/a.prm");
    EXPECT_EQ(index, 3);
}

TEST(FileSelect, SaveCancelledEmptiesTheBufferAndKeepsTheIndex) {
    ScriptedChooser chooser;
    chooser.answer = false;
    char buffer[16] = "name.pol";
    int index = 2;
    vFileSelect select(nullptr, "File Select");
    EXPECT_EQ(select.PickSaveFile("Save", buffer, sizeof buffer, nullptr, index, 0, "/tmp"), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(index, 2);
    EXPECT_EQ(chooser.seen.initialDirectory, "/tmp");
    EXPECT_TRUE(chooser.seen.save);
}

TEST(FileSelect, DirectoryOnlyReturnsTheFolderWithoutTrailingSeparator) {
    ScriptedChooser chooser;
    chooser.path = "/data/x.pol";
    char buffer[16] = "";
    int index = 0;
    vFileSelect select(nullptr, "File Select");
    EXPECT_EQ(select.PickSaveFile("Folder", buffer, sizeof buffer, nullptr, index, 1, nullptr), 1);
    EXPECT_STREQ(buffer, "/data");
}

TEST(FileSelect, NoChooserOrNoBufferIsACancel) {
    char buffer[8] = "x";
    int index = 0;
    vFileSelect select(nullptr, "File Select");
    EXPECT_EQ(select.PickFile("Open", buffer, sizeof buffer, nullptr, index), 0);
    ScriptedChooser chooser;
    chooser.path = "/a";
    EXPECT_EQ(select.PickFile("Open", nullptr, 0, nullptr, index), 0);
}
