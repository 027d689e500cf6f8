#include <QLineEdit>

#include "AppFixture.h"
#include "support/OutlineDrawings.h"

namespace {

// Two overlapping squares of a polygon, or a cup's open profile of a lathe.
::Drawing Squares() {
    ::Drawing drawing;
    AddRectangle(drawing, -1, -1, 0.3, 0.3);
    AddRectangle(drawing, -0.3, -0.3, 1, 1);
    return drawing;
}

::Drawing Cup() {
    ::Drawing drawing;
    drawing.isOpen = 1;
    AddSet(drawing, {{0, -1}, {1, -1}, {1, 1}});
    return drawing;
}

// Types the distance, checks whether the canvas already shows a result (its points are no
// longer the drawing's), and presses the button.
struct Preview {
    KryCmdWindow* window = nullptr;
    int points = 0;  // the drawing's, before the command
    bool shown = false;
};

ModalAnswers::Answer Typed(const char* distance, Preview& preview, const char* button) {
    return [=, &preview](QWidget* dialog) {
        dialog->findChild<QLineEdit*>()->setText(distance);
        preview.shown = preview.window->canvas->pointCount != preview.points;
        ModalAnswers::ClickButton(dialog, button);
    };
}

class OutlineCommands : public AppFixture {};

// Each command is one undo step that takes the drawing back whole; a refusal or a cancel is
// none, and leaves the drawing as it was.
TEST_F(OutlineCommands, EachIsOneUndoStep) {
    Preview preview;
    const struct {
        int kind;
        ::Drawing drawing;
        int command;
        std::vector<ModalAnswers::Answer> answers;
        int sets;  // after the command; 0: refused, no step
        bool preview;
    } rows[] = {
        {Cmd::KindPolygon, Squares(), Cmd::CombineUnion, {}, 1, false},
        {Cmd::KindPolygon, Squares(), Cmd::CombineDifference, {}, 1, false},
        {Cmd::KindPolygon, Squares(), Cmd::CombineIntersection, {}, 1, false},
        {Cmd::KindPolygon, Squares(), Cmd::CombineXor, {}, 2, false},
        {Cmd::KindPolygon, Squares(), Cmd::Offset, {Typed("0.1", preview, " OK ")}, 2, true},
        {Cmd::KindPolygon, Squares(), Cmd::Offset, {Typed("0.1", preview, " Cancel ")}, 0, true},
        {Cmd::KindPolygon, Squares(), Cmd::Offset, {Typed("-2", preview, " OK ")}, 0, false},
        {Cmd::KindPolygon, Squares(), Cmd::Wall, {}, 0, false},
        {Cmd::KindLathe, Cup(), Cmd::Wall, {Typed("0.2", preview, " OK ")}, 1, true},
        {Cmd::KindSor,
         Cup(),
         Cmd::Wall,
         {ModalAnswers::Click(" Yes "), Typed("0.2", preview, " OK ")},
         1,
         true},
    };
    RunWithSettings([&](KryCmdWindow& shown) {
        preview.window = &shown;
        for (const auto& row : rows) {
            SCOPED_TRACE(row.command);
            Choose(shown, row.kind);
            shown.ChangeDrawing([&](KCanvasPane& canvas) {
                canvas.SetModel(row.drawing);
                return true;
            });
            const ::Drawing before = shown.canvas->Model();
            const size_t steps = shown.history.Steps().UndoSteps();
            preview = {&shown, shown.canvas->pointCount, false};
            {
                ModalAnswers answers(row.answers);
                Choose(shown, row.command);
            }
            EXPECT_EQ(preview.shown, row.preview);
            if (row.sets == 0) {
                EXPECT_EQ(shown.history.Steps().UndoSteps(), steps);
                EXPECT_TRUE(SameParts(shown.canvas->Model(), before));
                continue;
            }
            EXPECT_EQ(shown.history.Steps().UndoSteps(), steps + 1);
            EXPECT_EQ(shown.canvas->setCount, row.sets);
            if (row.kind == Cmd::KindSor) {
                EXPECT_EQ(shapeKind, Lathe);
            }
            Choose(shown, Cmd::Undo);
            EXPECT_TRUE(SameParts(shown.canvas->Model(), before));
        }
    });
}

}  // namespace

namespace {

// A command while a mouse button is held is part of the gesture's step, recorded only when the
// button is let go; the drawing counts as changed at once all the same.
TEST_F(OutlineCommands, ACommandDuringAGestureMarksTheDrawingChanged) {
    RunWithSettings([&](KryCmdWindow& shown) {
        Choose(shown, Cmd::KindPolygon);
        shown.canvas->SetModel(Squares());
        shown.canvas->SetChanged(false);
        shown.history.BeginStep(*shown.canvas);
        Choose(shown, Cmd::CombineUnion);
        EXPECT_EQ(shown.canvas->setCount, 1);
        EXPECT_NE(shown.canvas->changed, 0);
        shown.history.EndStep(*shown.canvas);
    });
}

}  // namespace
