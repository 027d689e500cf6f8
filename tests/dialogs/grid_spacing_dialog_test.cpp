#include "DialogFixture.h"
#include "dialogs/GridSpacingDialog.h"
#include "toolkit/CommandIds.h"

namespace {

enum { SpacingField = 1001, Ok = 1003, Problem = 1004 };

class GridSpacing : public DialogFixture {};

}  // namespace

// OK takes a number from 0.001 to 10; anything else is told under the field, and the dialog
// stays open with the text as typed.
TEST_F(GridSpacing, OkTakesASpacingInRangeAndSaysWhatIsWantedOtherwise) {
    const struct {
        const char* typed;
        bool taken;
        double spacing;
    } cases[] = {
        {"0.5", true, 0.5},   {" 10 ", true, 10},   {"10", true, 10},  {"0.001", true, 0.001},
        {"0.0009", false, 0}, {"11", false, 0},     {"abc", false, 0}, {"", false, 0},
        {"nan", false, 0},    {"1e-2", true, 0.01}, {"2 ", true, 2},   {"-1", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        GridSpacingDialog dialog(nullptr, 0.25);
        std::string shown;
        std::string problem;
        const auto closed = RunModal(dialog, [&] {
            shown = Shown(dialog, SpacingField);
            Type(dialog, SpacingField, c.typed);
            Button(dialog, Ok)->click();
            if (dialog.IsDisplayed()) {
                problem = dialog.FindControl(Problem)->Text();
                EXPECT_EQ(Shown(dialog, SpacingField), c.typed);
                Button(dialog, IdCancel)->click();
            }
        });
        EXPECT_EQ(shown, "0.25");
        EXPECT_EQ(closed.second, c.taken ? IdOk : IdCancel);
        EXPECT_EQ(problem.empty(), c.taken);
        EXPECT_EQ(dialog.spacing, c.taken ? c.spacing : 0.25);
    }
}
