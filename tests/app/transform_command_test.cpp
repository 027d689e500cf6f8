#include <QLineEdit>

#include "AppFixture.h"
#include "support/OutlineDrawings.h"

namespace {

::Drawing Square() {
    ::Drawing drawing;
    AddRectangle(drawing, 0, 0, 1, 1);
    AddRectangle(drawing, 2, 2, 3, 3);
    return drawing;
}

// Types a quarter turn, notes whether the canvas already shows it, and presses the button.
struct Preview {
    KryCmdWindow* window = nullptr;
    ::Drawing before;
    bool shown = false;
};

ModalAnswers::Answer QuarterTurn(Preview& preview, const char* button) {
    return [=, &preview](QWidget* dialog) {
        // The fields in order: move x and y, the turn, scale x and y, the point's x and y.
        dialog->findChildren<QLineEdit*>().at(2)->setText("90");
        preview.shown = !SameParts(preview.window->canvas->Model(), preview.before);
        ModalAnswers::ClickButton(dialog, button);
    };
}

class TransformCommand : public AppFixture {};

// The dialog shows its result as it is typed; Cancel leaves the drawing as it was, OK makes the
// result one undo step, on the chosen points only when some are chosen, which stay chosen.
TEST_F(TransformCommand, PreviewsAndMakesOneUndoStepOfTheChosenPointsOrTheWholeDrawing) {
    Preview preview;
    const struct {
        bool chooseFirstSet;
        const char* button;
        bool changesFirstSet;
        bool changesSecondSet;
    } rows[] = {
        {false, " Cancel ", false, false},
        {false, " OK ", true, true},
        {true, " OK ", true, false},
    };
    RunWithSettings([&](KryCmdWindow& shown) {
        preview.window = &shown;
        Choose(shown, Cmd::KindPolygon);
        for (const auto& row : rows) {
            shown.ChangeDrawing([&](KCanvasPane& canvas) {
                canvas.SetModel(Square());
                return true;
            });
            Selection chosen;
            for (int i = 0; row.chooseFirstSet && i < 4; ++i) {
                chosen.Add({i, EntryPart::Point});
            }
            shown.canvas->SetSelection(chosen);
            preview.before = shown.canvas->Model();
            const size_t steps = shown.history.Steps().UndoSteps();
            {
                ModalAnswers answers({QuarterTurn(preview, row.button)});
                Choose(shown, Cmd::Transform);
            }
            EXPECT_TRUE(preview.shown);
            const ::Drawing& after = shown.canvas->Model();
            EXPECT_EQ(after.points[0].x != preview.before.points[0].x, row.changesFirstSet);
            EXPECT_EQ(after.points[5].x != preview.before.points[5].x, row.changesSecondSet);
            EXPECT_EQ(after.points[4].x, after.points[0].x);  // the closing point went along
            EXPECT_EQ(shown.canvas->Selected(), chosen);
            EXPECT_EQ(shown.history.Steps().UndoSteps(), steps + (row.changesFirstSet ? 1 : 0));
            if (row.changesFirstSet) {
                Choose(shown, Cmd::Undo);
            }
            EXPECT_TRUE(SameParts(shown.canvas->Model(), preview.before));
        }
    });
}

}  // namespace
