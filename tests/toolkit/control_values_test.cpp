#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "FakeControlHost.h"
#include "RecordingContainer.h"
#include "toolkit/CommandIds.h"
#include "toolkit/vCmd.h"
#include "toolkit/vCmdWindow.h"
#include "toolkit/vCommandPane.h"

namespace {

ControlSpec Entry(int kind, int id, int value, const char* label, int insideFrame = 0,
                  int attributes = 0) {
    return {kind, id, value, label, nullptr, attributes, 1, insideFrame, 0, 0, 0, nullptr};
}

const ControlSpec kEnd = {};

// A container with a fake window, as after the platform made it.
struct Shown {
    explicit Shown(ControlSpec* table, int role = RoleDialog) : container(role) {
        container.AddControlTable(table);
        container.AttachHost(host);
        container.InitControls();
    }
    RecordingContainer container;
    FakeControlHost* host = new FakeControlHost;

    FakeControlHost::ItemState& State(int id) {
        return host->items[container.FindControl(id)->Item()];
    }
};

}  // namespace

TEST(RadioGroups, ClickClearsTheSetMemberThenSetsAndReportsTheClickedOne) {
    ControlSpec table[] = {
        Entry(CtlRadioButton, 1, 1, "A"),
        Entry(CtlRadioButton, 2, 0, "B"),
        Entry(CtlRadioButton, 3, 0, "C"),
        Entry(CtlFrame, 9, 0, ""),
        Entry(CtlRadioButton, 4, 1, "D", 9),
        Entry(CtlRadioButton, 5, 0, "E", 9),
        kEnd,
    };
    Shown dialog(table);
    EXPECT_TRUE(dialog.State(1).checked);
    dialog.container.Notify(2, NotifyClicked);
    EXPECT_EQ(dialog.container.commands, (std::vector<std::string>{"1,0,17", "2,1,17"}));
    EXPECT_FALSE(dialog.State(1).checked);
    EXPECT_TRUE(dialog.State(2).checked);
    EXPECT_EQ(dialog.container.GetControlValue(4), 1) << "another frame is another group";

    dialog.container.commands.clear();
    dialog.container.Notify(2, NotifyClicked);
    EXPECT_TRUE(dialog.container.commands.empty()) << "an already set button reports nothing";
    EXPECT_EQ(dialog.container.GetControlValue(2), 1);
}

TEST(RadioGroups, SettingByValueClearsSilentlyAndGroupsStayInTheirContainer) {
    ControlSpec first[] = {Entry(CtlRadioButton, 1, 1, "A"), Entry(CtlRadioButton, 2, 0, "B"),
                           kEnd};
    ControlSpec second[] = {Entry(CtlRadioButton, 1, 1, "A"), kEnd};
    Shown one(first);
    Shown other(second);
    one.container.SetControlValue(2, 1, AspectValue);
    EXPECT_EQ(one.container.GetControlValue(1), 0);
    EXPECT_EQ(one.container.GetControlValue(2), 1);
    EXPECT_TRUE(one.container.commands.empty());
    EXPECT_EQ(other.container.GetControlValue(1), 1) << "same frame id, other dialog";
}

// A table may tick several buttons of one group; the earliest ticked entry is the one shown
// ticked, at the first showing and at every later one.
TEST(RadioGroups, InitialTicksLeaveOneSetMemberPerGroup) {
    ControlSpec table[] = {
        Entry(CtlRadioButton, 1010, 1, "No Time/Date"),
        Entry(CtlRadioButton, 1007, 0, "A"),
        Entry(CtlRadioButton, 1008, 0, "B"),
        Entry(CtlRadioButton, 1009, 1, "C"),
        Entry(CtlFrame, 322, 0, ""),
        Entry(CtlRadioButton, 318, 1, "P", 322),
        Entry(CtlRadioButton, 320, 1, "S", 322),
        Entry(CtlRadioButton, 319, 0, "R", 322),
        kEnd,
    };
    Shown dialog(table);
    for (int pass = 0; pass < 2; ++pass) {
        for (int id : {1010, 318}) {
            EXPECT_EQ(dialog.container.GetControlValue(id), 1) << id;
        }
        for (int id : {1007, 1008, 1009, 320, 319}) {
            EXPECT_EQ(dialog.container.GetControlValue(id), 0) << id;
            EXPECT_FALSE(dialog.State(id).checked) << id;
        }
        dialog.container.SetControlValue(1008, 1, AspectValue);
        dialog.container.SetControlValue(319, 1, AspectValue);
        dialog.container.InitControls();
    }
}

TEST(ControlValues, EachKindReportsItsValue) {
    ControlSpec table[] = {
        Entry(CtlButton, 1, 32152, " OK "),
        Entry(CtlToggleButton, 2, 0, "T"),
        Entry(CtlCheckBox, 3, 0, "Open"),
        Entry(CtlLabel, 4, 0, "label"),
        kEnd,
    };
    Shown dialog(table);
    dialog.container.Notify(1, NotifyClicked);
    dialog.container.Notify(2, NotifyClicked);
    dialog.container.Notify(2, NotifyClicked);
    dialog.container.Notify(3, NotifyClicked);
    dialog.container.Notify(3, NotifyClicked);
    dialog.container.Notify(4, NotifyClicked);
    EXPECT_EQ(dialog.container.commands, (std::vector<std::string>{"1,32152,4", "2,1,24", "2,0,24",
                                                                   "3,1,5", "3,0,5", "4,0,13"}));
    EXPECT_FALSE(dialog.State(3).checked);
    dialog.container.SetControlValue(1, 7, AspectValue);
    EXPECT_EQ(dialog.container.GetControlValue(1), 7);
    EXPECT_EQ(dialog.container.GetControlValue(99), 0);
}

// The application reads the text inside its handler, so it must be read before the report.
class ReadingContainer : public RecordingContainer {
public:
    void OnControlCommand(int id, int value, int kind) override {
        char buffer[200];
        GetControlText(id, buffer, sizeof buffer);
        RecordingContainer::OnControlCommand(id, value, kind);
        commands.back() += std::string(" ") + buffer;
    }
};

TEST(TextEntries, ReadTheTextBeforeReportingAChange) {
    ControlSpec table[] = {Entry(CtlTextIn, 5, 0, "start"), kEnd};
    ReadingContainer dialog;
    dialog.AddControlTable(table);
    auto* host = new FakeControlHost;
    dialog.AttachHost(host);
    dialog.InitControls();
    const int item = dialog.FindControl(5)->Item();
    EXPECT_EQ(host->items[item].text, "start");
    host->items[item].text = "typed";
    dialog.Notify(5, NotifyTextChanged);
    dialog.Notify(5, NotifyFocusGained);
    dialog.Notify(5, NotifyFocusLost);
    EXPECT_EQ(dialog.commands, (std::vector<std::string>{"5,32158,22 typed", "5,32159,22 typed"}));
}

TEST(TextEntries, TextReadFromTheWindowIsBounded) {
    ControlSpec table[] = {Entry(CtlTextIn, 5, 0, ""), kEnd};
    Shown dialog(table);
    dialog.State(5).text = std::string(300, 'x');
    dialog.container.Notify(5, NotifyTextChanged);
    char buffer[400];
    EXPECT_EQ(dialog.container.GetControlText(5, buffer, sizeof buffer), 129);
}

TEST(TextEntries, GetControlTextHonoursTheBufferLength) {
    ControlSpec table[] = {Entry(CtlTextIn, 5, 0, "hello"), kEnd};
    RecordingContainer dialog;
    dialog.AddControlTable(table);
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(dialog.GetControlText(5, buffer, 1), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(dialog.GetControlText(5, buffer, 4), 3);
    EXPECT_STREQ(buffer, "hel");
    EXPECT_EQ(dialog.GetControlText(77, buffer, sizeof buffer), 0) << "no such id";
    EXPECT_STREQ(buffer, "");
    dialog.SetControlText(5, "new text");
    EXPECT_EQ(dialog.GetControlText(5, buffer, sizeof buffer), 7);

    // A window answers for the text entries of its panes with the same count.
    vCommandPane bar(table);
    vCmdWindow window("w");
    window.AttachPane(&bar);
    EXPECT_EQ(window.GetControlText(5, buffer, 4), 3);
    EXPECT_STREQ(buffer, "hel");
    EXPECT_EQ(window.GetControlText(77, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
}

TEST(BoxedLabels, CaptionsOfEightyCharactersOrMoreShowQuestionMarks) {
    const std::string fits(79, 'a');
    const std::string tooLong(80, 'a');
    ControlSpec table[] = {Entry(CtlBoxedLabel, 1, 0, tooLong.c_str()),
                           Entry(CtlBoxedLabel, 2, 0, fits.c_str()), kEnd};
    Shown status(table, RoleStatusBar);
    EXPECT_EQ(status.State(1).text, "????????");
    EXPECT_EQ(status.State(2).text, fits);
    status.container.SetControlText(2, tooLong.c_str());
    EXPECT_EQ(status.State(2).text, "????????");
    status.container.SetControlText(1, "x: 1.00");
    EXPECT_EQ(status.State(1).text, "x: 1.00");
}

TEST(Initialisation, FocusStateAndTooltipsFollowTheTable) {
    ControlSpec table[] = {
        Entry(CtlLabel, 1, 0, "Name"),
        Entry(CtlTextIn, 2, 0, ""),
        Entry(CtlButton, 3, 0, "OK", 0, AttrDefault),
        Entry(CtlButton, 4, 0, "Hidden", 0, AttrHidden),
        Entry(CtlButton, 5, 0, "Grey"),
        Entry(CtlFrame, 6, 0, ""),
        kEnd,
    };
    table[4].enabled = 0;
    table[2].tooltip = "Accept";
    Shown dialog(table);
    EXPECT_EQ(dialog.host->focused, dialog.container.FindControl(2)->Item())
        << "the earliest focus taker in table order wins";
    EXPECT_FALSE(dialog.State(4).visible);
    EXPECT_FALSE(dialog.State(5).enabled);
    EXPECT_FALSE(dialog.State(6).enabled) << "frames take no input";
    EXPECT_EQ(dialog.host->calls.back(), "Tooltip 3 Accept");
    EXPECT_EQ(dialog.container.Template().Item(4)->style & StyleVisible, 0u);
}

TEST(Frames, ShowFrameContentsReachesNestedFrames) {
    ControlSpec table[] = {
        Entry(CtlToggleFrame, 1, 1, ""), Entry(CtlButton, 2, 0, "In", 1),
        Entry(CtlFrame, 3, 0, "", 1),    Entry(CtlCheckBox, 4, 0, "Deep", 3),
        Entry(CtlButton, 5, 0, "Out"),   kEnd,
    };
    Shown dialog(table);
    dialog.container.SetControlValue(1, 0, AspectPosition);
    EXPECT_FALSE(dialog.State(1).visible);
    EXPECT_FALSE(dialog.State(2).visible);
    EXPECT_FALSE(dialog.State(4).visible);
    EXPECT_TRUE(dialog.State(5).visible);
    dialog.container.ShowFrameContents(1, 1);
    EXPECT_TRUE(dialog.State(4).visible);
}

TEST(ResetControl, ChecksReturnAndReportOthersWriteTheirSpec) {
    ControlSpec table[] = {Entry(CtlCheckBox, 1, 0, "Open"), Entry(CtlButton, 2, 5, "B"), kEnd};
    Shown dialog(table);
    for (vCmd* control : dialog.container.Controls()) {
        control->RememberValue();
    }
    dialog.container.Notify(1, NotifyClicked);
    table[1].value = 9;
    dialog.container.commands.clear();
    for (vCmd* control : dialog.container.Controls()) {
        control->ResetControl();
    }
    EXPECT_EQ(dialog.container.commands, (std::vector<std::string>{"1,0,5"}));
    EXPECT_FALSE(dialog.State(1).checked);
    EXPECT_EQ(table[1].value, 5);
}
