#include <QLineEdit>

#include "AppFixture.h"
#include "support/OutlineDrawings.h"
#include "toolkit/platform/qt/QtGlyphOutlines.h"

namespace {

struct Shown {
    KryCmdWindow* window = nullptr;
    int points = 0;  // the drawing's, before the command
    bool preview = false;
};

// Types the text and its size into the dialog's first two fields, checks whether the canvas
// already shows the text, and presses the button, and the second one if the dialog stays open.
ModalAnswers::Answer Typed(const char* text, const char* size, Shown& shown, const char* button,
                           const char* then = nullptr) {
    return [=, &shown](QWidget* dialog) {
        const QList<QLineEdit*> fields = dialog->findChildren<QLineEdit*>();
        ASSERT_GE(fields.size(), 2);
        fields[0]->setText(QString::fromUtf8(text));
        fields[1]->setText(size);
        shown.preview = shown.window->canvas->pointCount != shown.points;
        ModalAnswers::ClickButton(dialog, button);
        if (then != nullptr) {
            ModalAnswers::ClickButton(dialog, then);
        }
    };
}

::Drawing Square(int spline) {
    ::Drawing drawing;
    drawing.splineType = spline;
    AddRectangle(drawing, -1, -1, 0, 0);
    return drawing;
}

// More letters than a drawing holds.
const char* const Ws = "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";

class TextCommand : public AppFixture {
    QtGlyphOutlines glyphs;
    vPlatformOverride<vGlyphOutlines> glyphsInstalled{&vPlatform::glyphs, &glyphs};
};

// The text shows before OK, goes in as one undo step in the drawing's spline (an empty prism
// takes bezier), and a refusal or a cancel leaves the drawing as it was.
TEST_F(TextCommand, AddsTheLettersAsOneUndoStep) {
    Shown shown;
    const struct {
        int kind;
        ::Drawing drawing;
        std::vector<ModalAnswers::Answer> answers;
        int sets;    // after the command; 0: refused, no step
        int spline;  // after the command
        bool preview;
    } rows[] = {
        {Cmd::KindPrism, ::Drawing(), {Typed("Hi", "1", shown, " OK ")}, 3, BezierSpline, true},
        {Cmd::KindPrism,
         Square(LinearSpline),
         {Typed("o", "1", shown, " OK ")},
         3,
         LinearSpline,
         true},
        {Cmd::KindPrism,
         Square(CubicSpline),
         {Typed("e", "2", shown, " OK ")},
         3,
         CubicSpline,
         true},
        {Cmd::KindPolygon,
         Square(LinearSpline),
         {Typed("a", "1", shown, " OK ")},
         3,
         LinearSpline,
         true},
        // A size of 0 is refused by OK, and the dialog stays open.
        {Cmd::KindPrism,
         Square(LinearSpline),
         {Typed("u", "0", shown, " OK ", " Cancel ")},
         0,
         LinearSpline,
         true},
        {Cmd::KindPrism,
         Square(LinearSpline),
         {Typed("c", "1", shown, " Cancel ")},
         0,
         LinearSpline,
         true},
        {Cmd::KindPrism, ::Drawing(), {Typed(Ws, "1", shown, " OK ")}, 0, LinearSpline, false},
        {Cmd::KindLathe, Square(LinearSpline), {}, 0, LinearSpline, false},
    };
    RunWithSettings([&](KryCmdWindow& window) {
        shown.window = &window;
        for (const auto& row : rows) {
            SCOPED_TRACE(&row - rows);
            Choose(window, row.kind);
            window.ChangeDrawing([&](KCanvasPane& canvas) {
                canvas.SetModel(row.drawing);
                return true;
            });
            const ::Drawing before = window.canvas->Model();
            const size_t steps = window.history.Steps().UndoSteps();
            shown = {&window, window.canvas->pointCount, false};
            {
                ModalAnswers answers(row.answers);
                Choose(window, Cmd::Text);
            }
            EXPECT_EQ(shown.preview, row.preview);
            EXPECT_EQ(window.canvas->splineType, row.spline);
            if (row.sets == 0) {
                EXPECT_EQ(window.history.Steps().UndoSteps(), steps);
                EXPECT_TRUE(SameParts(window.canvas->Model(), before));
                continue;
            }
            EXPECT_EQ(window.history.Steps().UndoSteps(), steps + 1);
            EXPECT_EQ(window.canvas->setCount, row.sets);
            Choose(window, Cmd::Undo);
            EXPECT_TRUE(SameParts(window.canvas->Model(), before));
        }
    });
}

}  // namespace
