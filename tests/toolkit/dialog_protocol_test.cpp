#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FakeControlHost.h"
#include "toolkit/CommandIds.h"
#include "toolkit/vCmd.h"
#include "toolkit/vCommandPane.h"
#include "toolkit/vNoticeDialog.h"

namespace {

ControlSpec Entry(int kind, int id, int value, const char* label, int attributes = 0) {
    return {kind, id, value, label, nullptr, attributes, 1, 0, 0, 0, 0, nullptr};
}

}  // namespace

TEST(DialogProtocol, MessageLabelsKeepTheLastMessageInTheTable) {
    FakeControlPlatform platform;
    ControlSpec table[] = {
        Entry(CtlLabel, 1, 0, "", AttrMessage), Entry(CtlCheckBox, 2, 0, "X"), {}};
    vDialog dialog(nullptr, "Messages");
    dialog.AddControls(table);
    dialog.ShowDialog("First");
    FakeControlHost* first = platform.lastHost;
    dialog.ShowDialog("ignored while shown");
    EXPECT_EQ(platform.lastHost, first) << "no second window";
    EXPECT_EQ(first->items[dialog.FindControl(1)->Item()].text, "First");
    first->items[dialog.FindControl(2)->Item()].checked = true;
    dialog.OnItemNotify(dialog.FindControl(2)->Item(), NotifyClicked);
    dialog.CloseDialog();
    EXPECT_FALSE(dialog.IsDisplayed());

    dialog.ShowDialog("");
    FakeControlHost* second = platform.lastHost;
    EXPECT_EQ(second->items[dialog.FindControl(1)->Item()].text, "First");
    EXPECT_STREQ(table[0].label, "First");
    EXPECT_FALSE(second->items[dialog.FindControl(2)->Item()].checked)
        << "a new showing takes the table's value again";
    EXPECT_EQ(dialog.GetControlValue(2), 0);
    dialog.CloseDialog();
}

TEST(DialogProtocol, StandardDialogsCentreOnTheFrame) {
    FakeControlPlatform platform;
    vNoticeDialog notice(nullptr, "Notice");
    EXPECT_EQ(notice.ShowNotice("Hello"), 0) << "the fake modal loop returns at once";
    EXPECT_EQ(vModalDialog::Current(), nullptr);
    // Frame 800 x 600, dialog 200 x 100.
    const auto& calls = platform.closedCalls;
    EXPECT_NE(std::find(calls.begin(), calls.end(), "MoveTo 300,250"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Caption Notice"), calls.end());
}

TEST(CommandPane, StatusFieldsBecomeBoxedLabelsStackedAtTheBottom) {
    FakeControlPlatform platform;
    StatusFieldSpec fields[] = {
        {" Polygon ", 1, 0, 1, 0}, {" x ", 2, AttrWide, 0, 40}, {nullptr, 0, 0, 0, 0}};
    vCommandPane status(fields);
    status.InitPane(nullptr, nullptr);
    const vCmd* first = status.FindControl(1);
    const vCmd* second = status.FindControl(2);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Kind(), CtlBoxedLabel);
    EXPECT_EQ(first->X(), 6);
    EXPECT_EQ(first->Y(), 3);
    EXPECT_EQ(second->Width(), 40);
    EXPECT_FALSE(second->Enabled());
    EXPECT_EQ(second->X(), first->X() + first->Width() + 2);

    ControlSpec bar[] = {Entry(CtlButton, 5, 5, " Add "), {}};
    vCommandPane command(bar);
    command.InitPane(nullptr, nullptr);
    std::vector<vPane*> panes = {&status, &command};
    status.FollowActivation(nullptr);
    int top = 0;
    int bottom = 480;
    vCommandPane::LayoutPanes(panes, 640, top, bottom);
    EXPECT_EQ(top, 20);
    EXPECT_EQ(bottom, 480) << "an inactive status bar takes no room";
}
