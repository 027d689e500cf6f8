#include "AppFixture.h"

namespace {

class ModeFieldTooltip : public AppFixture {
protected:
    static QString Tooltip(KryCmdWindow& window) {
        auto* host = dynamic_cast<QtControlHost*>(&window.statusPane->Host());
        const vCmd* field = window.statusPane->FindControl(Cmd::ModeField);
        return host != nullptr && field != nullptr ? host->ItemWidget(field->Item())->toolTip()
                                                   : "(no field)";
    }
};

}  // namespace

// The mode field is as wide as its first text; a longer one shows whole in the field's tooltip.
TEST_F(ModeFieldTooltip, TextTooLongForTheFieldShowsWholeInItsTooltip) {
    RunWithSettings([&](KryCmdWindow& window) {
        EXPECT_EQ(Tooltip(window), "") << "the mode's own text fits";
        window.ShowRuleBreak("sor: height must rise");
        EXPECT_EQ(Field(window, Cmd::ModeField), "sor: height must rise");
        EXPECT_EQ(Tooltip(window), "sor: height must rise");
        window.ShowRuleBreak(nullptr);
        EXPECT_EQ(Field(window, Cmd::ModeField), " Add Point           ");
        EXPECT_EQ(Tooltip(window), "");
    });
}
