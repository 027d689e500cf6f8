#include "DialogFixture.h"
#include "dialogs/TransformDialog.h"
#include "toolkit/CommandIds.h"

namespace {

enum {
    MoveX = 1302,
    MoveY = 1304,
    MoveProblem = 1305,
    TurnField = 1307,
    TurnProblem = 1309,
    ScaleX = 1311,
    ScaleY = 1313,
    ScaleProblem = 1314,
    MirrorLeftRight = 1318,
    PivotPoint = 1324,
    PointX = 1326,
    PointY = 1328,
    PointProblem = 1329,
    Ok = 1331,
};

class Transform : public DialogFixture {};

}  // namespace

// OK takes the transform when every field it needs reads as a number (a scale other than 0);
// otherwise the line under each field that will not do says what is wanted and the dialog stays
// open with the text as typed. The point is read only when the transform is about it.
TEST_F(Transform, OkTakesTypedNumbersAndSaysUnderEachBadFieldWhatIsWanted) {
    const struct {
        std::vector<std::pair<int, const char*>> typed;
        bool aboutPoint;
        std::vector<int> problems;  // none: taken
    } cases[] = {
        {{{MoveX, "1.5"}, {MoveY, " -2 "}, {TurnField, "45"}, {ScaleX, "2"}}, false, {}},
        {{{PointX, "x"}, {PointY, ""}}, false, {}},
        {{{PointX, "3"}, {PointY, "-1e1"}}, true, {}},
        {{{PointX, "3"}, {PointY, "one"}}, true, {PointProblem}},
        {{{MoveY, "nan"}, {TurnField, "1e999"}}, false, {MoveProblem, TurnProblem}},
        {{{ScaleY, "0"}}, false, {ScaleProblem}},
    };
    for (const auto& c : cases) {
        TransformDialog dialog(nullptr, TypedTransform{}, true);
        int previews = 0;
        dialog.changed = [&](const TypedTransform&) { ++previews; };
        std::vector<int> problems;
        const auto closed = RunModal(dialog, [&] {
            for (const auto& [field, text] : c.typed) {
                Type(dialog, field, text);
            }
            if (c.aboutPoint) {
                Button(dialog, PivotPoint)->click();
            }
            Button(dialog, MirrorLeftRight)->click();
            Button(dialog, Ok)->click();
            if (dialog.IsDisplayed()) {
                for (int line : {MoveProblem, TurnProblem, ScaleProblem, PointProblem}) {
                    if (!dialog.FindControl(line)->Text().empty()) {
                        problems.push_back(line);
                    }
                }
                EXPECT_EQ(Shown(dialog, c.typed.front().first), c.typed.front().second);
                Button(dialog, IdCancel)->click();
            }
        });
        EXPECT_EQ(problems, c.problems);
        EXPECT_EQ(closed.first, c.problems.empty() ? IdOk : IdCancel);
        EXPECT_GT(previews, 0);
        if (c.problems.empty()) {
            EXPECT_EQ(dialog.transform.mirror, TypedTransform::Mirror::LeftRight);
            EXPECT_EQ(dialog.transform.pivot,
                      c.aboutPoint ? TypedTransform::Pivot::Point : TypedTransform::Pivot::Centre);
        }
    }
    TransformDialog typed(nullptr, TypedTransform{}, false);
    RunModal(typed, [&] {
        Type(typed, MoveX, "1.5");
        Type(typed, MoveY, " -2 ");
        Type(typed, TurnField, "45");
        Type(typed, ScaleY, "3");
        Button(typed, Ok)->click();
    });
    EXPECT_EQ(typed.transform.move.x, 1.5);
    EXPECT_EQ(typed.transform.move.y, -2);
    EXPECT_EQ(typed.transform.degrees, 45);
    EXPECT_EQ(typed.transform.scale.x, 1);
    EXPECT_EQ(typed.transform.scale.y, 3);
}
