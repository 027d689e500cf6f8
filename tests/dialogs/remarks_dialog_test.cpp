#include <ctime>

#include "DialogFixture.h"
#include "dialogs/RemsDialog.h"
#include "toolkit/CommandIds.h"

namespace {

enum { Field1 = 1004, Field2 = 1005, Field3 = 1006, Stamp1 = 1007, Stamp2 = 1008 };
enum { Stamp3 = 1009, NoStamp = 1010, Ok = 1013 };

std::string StampNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[128];
    std::strftime(stamp, sizeof stamp, "// %A  %m/%d/%Y   %I:%M %p", &local);
    return stamp;
}

class RemarksDialog : public DialogFixture {
protected:
    // Shows the dialog; returns the three fields and the ticked radios as they were shown.
    std::vector<std::string> ShowAndRun(const std::function<void()>& steps) {
        std::vector<std::string> shown;
        RunModal(dialog, [&] {
            shown = {Shown(dialog, Field1), Shown(dialog, Field2), Shown(dialog, Field3)};
            for (int id : Ticked(dialog, {NoStamp, Stamp1, Stamp2, Stamp3})) {
                shown.push_back(std::to_string(id));
            }
            steps();
        });
        return shown;
    }
    RemsDialog dialog{nullptr, RemsDialog::kTitle};
};

}  // namespace

static std::string Times(const std::string& text, int count) {
    std::string repeated;
    for (int i = 0; i < count; ++i) {
        repeated += text;
    }
    return repeated;
}

TEST_F(RemarksDialog, OkTakesTheFieldsOrAStampForTheTickedLine) {
    const std::string longLine(100, 'y');
    const std::string stamp = "stamp";
    const struct {
        int radio;
        std::vector<std::string> typed;
        std::vector<std::string> lines;
    } cases[] = {
        {NoStamp, {"// a", "", "x"}, {"// a", "", "x"}},
        {Stamp2, {"// a", "// b", "// c"}, {"// a", stamp, "// c"}},
        {Stamp1, {"", longLine, ""}, {stamp, longLine.substr(0, 79), ""}},
        {Stamp3, {"1", "2", "3"}, {"1", "2", stamp}},
        // The 79 bytes kept end on a character's boundary.
        {NoStamp,
         {Times("\xc3\xa9", 50), Times("\xe2\x82\xac", 40), Times("\xf0\x9f\x98\x80", 30)},
         {Times("\xc3\xa9", 39), Times("\xe2\x82\xac", 26), Times("\xf0\x9f\x98\x80", 19)}},
    };
    std::vector<std::string> previous = {"//", "//", "//"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radio);
        const std::string before = StampNow();
        const std::vector<std::string> shown = ShowAndRun([&] {
            Type(dialog, Field1, c.typed[0]);
            Type(dialog, Field2, c.typed[1]);
            Type(dialog, Field3, c.typed[2]);
            Button(dialog, c.radio)->click();
            Button(dialog, Ok)->click();
        });
        const std::string after = StampNow();
        previous.push_back(std::to_string(NoStamp));
        EXPECT_EQ(shown, previous) << "the last lines, and only \"No Time/Date\" ticked";
        const std::vector<std::string> lines = {dialog.remark1, dialog.remark2, dialog.remark3};
        for (int i = 0; i < 3; ++i) {
            if (c.lines[i] == stamp) {
                EXPECT_TRUE(lines[i] == before || lines[i] == after) << lines[i];
            } else {
                EXPECT_EQ(lines[i], c.lines[i]);
            }
        }
        previous = lines;
    }
}

TEST_F(RemarksDialog, CancelKeepsTheLinesThatSetRemarksGave) {
    const std::string longLine(200, 'z');
    dialog.SetRemarks(longLine.c_str(), "// two", "");
    const std::vector<std::string> kept = {longLine.substr(0, 89), "// two", ""};
    for (int round = 0; round < 2; ++round) {
        const std::vector<std::string> shown = ShowAndRun([this] {
            Type(dialog, Field2, "changed");
            Button(dialog, Stamp2)->click();
            Button(dialog, IdCancel)->click();
        });
        EXPECT_EQ(shown, (std::vector<std::string>{kept[0], kept[1], kept[2], "1010"}));
        EXPECT_EQ(std::vector<std::string>({dialog.remark1, dialog.remark2, dialog.remark3}), kept);
    }
}
