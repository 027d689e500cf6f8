#include "AppFixture.h"
#include "dialogs/KScalModalDialog.h"
#include "dialogs/KryDialog.h"
#include "dialogs/RemsDialog.h"
#include "toolkit/CommandIds.h"
#include "toolkit/platform/qt/QtHelpWindow.h"

#include <QTextBrowser>

namespace {

class Commands : public AppFixture {};

void Disturb(KCanvasPane& canvas) {
    canvas.pickIndex = canvas.pickAux = canvas.pickSet = 3;
    canvas.controlState = canvas.controlWrap = 1;
    canvas.anchorX = canvas.anchorY = 2.5;
}

bool GestureCleared(const KCanvasPane& canvas) {
    return canvas.pickIndex == 0 && canvas.pickAux == 0 && canvas.pickSet == 0 &&
           canvas.controlState == 0 && canvas.controlWrap == 0 && canvas.anchorX == 0.0 &&
           canvas.anchorY == 0.0;
}

}  // namespace

// Control is a prism item, so the modes are chosen in prism mode; only Control and Cview hand
// the dialog's prism values to the canvas.
TEST_F(Commands, ModeSelectionShowsTheModeAndClearsTheGesture) {
    const struct {
        int id;
        int mode;
        const char* text;
    } modes[] = {
        {2001, AddPoint, "Add Point"},        {2002, InsertPoint, "  Insert Point"},
        {2003, MovePoint, "  Move Point"},    {2004, DeletePoint, "  Delete Point"},
        {2006, MoveSet, "  Move SET"},        {2007, DeleteSet, "  Delete Set"},
        {2008, RotateSet, "  Rotate Set"},    {2014, RotateAll, "  Rotate All"},
        {2016, MoveAll, "  Move All"},        {2015, ScaleAll, "  Scale All"},
        {2009, ScaleSet, "  Scale Set "},     {2010, CopySet, "  Copey Set "},
        {2018, CopyAll, "  Copey All "},      {2011, FlipSet, "  Flip Set "},
        {2012, ControlSet, "  CONTROL Set "}, {2028, ControlView, " Cview "},
    };
    RunWithSettings([&](KryCmdWindow& window) {
        KCanvasPane& canvas = *window.canvas;
        Choose(window, 2022);
        window.prismDialog->SetPrismValues(0.25, 0.75, CubicSpline, ConicSweep, 1, 1);
        for (const auto& m : modes) {
            SCOPED_TRACE(m.id);
            editMode = AddPoint;
            Disturb(canvas);
            canvas.SetPrismValues(0.0, 0.5, LinearSpline, LinearSweep, 0, 0);
            canvas.changed = 0;
            Choose(window, m.id);
            EXPECT_EQ(editMode, m.mode);
            EXPECT_EQ(Field(window, 103), m.text);
            EXPECT_TRUE(GestureCleared(canvas));
            const bool handed = m.mode == ControlSet || m.mode == ControlView;
            EXPECT_EQ(canvas.splineType, handed ? CubicSpline : LinearSpline);
            EXPECT_EQ(canvas.prismEnd, handed ? 0.75 : 0.5);
            EXPECT_EQ(canvas.isOpen, handed ? 1 : 0);
            EXPECT_EQ(canvas.changed, handed ? 1 : 0) << "new prism values are a change";
        }
        canvas.changed = 0;
        Choose(window, 2012);
        EXPECT_EQ(canvas.changed, 0) << "the same values again are none";
    });
}

TEST_F(Commands, SwitchingBetweenPolygonAndPrism) {
    RunWithSettings([&](KryCmdWindow& window) {
        KCanvasPane& canvas = *window.canvas;
        KryDialog& values = *window.prismDialog;
        values.SetPrismValues(0.0, 0.5, CubicSpline, LinearSweep, 0, 0);
        canvas.splineType = QuadraticSpline;
        auto expectKind = [&](int kind, const char* caption, const std::string& text) {
            EXPECT_EQ(shapeKind, kind);
            EXPECT_STREQ(window.Name(), caption);
            EXPECT_EQ(Field(window, 104), text);
            for (int id : {101, 2012, 2021}) {
                EXPECT_EQ(Enabled(window, id), kind == Prism) << id;
            }
            EXPECT_EQ(Enabled(window, 2022), kind == Polygon);
        };
        Choose(window, 2022);
        expectKind(Prism, "Changed to Prism", KindShown(true));
        EXPECT_EQ(canvas.splineType, QuadraticSpline) << "the prism values are kept";
        Choose(window, 2012);
        EXPECT_EQ(canvas.splineType, CubicSpline);
        canvas.changed = 0;
        Choose(window, 2021);
        expectKind(Polygon, "Changed to Polygon", KindShown(false));
        EXPECT_EQ(canvas.changed, 1) << "the cubic spline is lost";
        EXPECT_EQ(editMode, ControlView);
        EXPECT_EQ(Field(window, 103), "  Cview");
        EXPECT_EQ(canvas.splineType, LinearSpline);
        EXPECT_EQ(values.splineType, LinearSpline);
        Choose(window, 2022);
        Choose(window, 2001);
        canvas.changed = 0;
        Choose(window, 2021);
        EXPECT_EQ(canvas.changed, 0) << "a linear drawing loses nothing";
        EXPECT_EQ(editMode, AddPoint) << "only CONTROL Set becomes Cview";
        EXPECT_EQ(Field(window, 103), "Add Point");
    });
}

TEST_F(Commands, MouseAndCanvasCommandsChangeTheDrawingAndItsCounts) {
    RunWithSettings([&](KryCmdWindow& window) {
        KCanvasPane& canvas = *window.canvas;
        DrawTriangle(canvas, 40);
        EXPECT_EQ(Field(window, 106), "         points: 4");
        EXPECT_EQ(Field(window, 107), "sets: 1                ");
        canvas.OnMouseMotion(225, 75);
        EXPECT_EQ(Field(window, 2029), "1.000000") << "the place under the mouse";
        EXPECT_EQ(Field(window, 2030), "1.000000");
        canvas.changed = 0;
        const Point2 first = canvas.points[0];
        Choose(window, 2019);
        EXPECT_EQ(canvas.points[0].y, -first.y) << "flip";
        EXPECT_EQ(canvas.changed, 1);
        Choose(window, 2017);
        EXPECT_LT(canvas.points[0].x, first.x) << "center";
        EXPECT_EQ(editMode, AddPoint);
        Choose(window, 2024);
        EXPECT_EQ(canvas.pointCount, 0) << "Clear";
        EXPECT_EQ(Field(window, 106), "         points: 0");
        ModalAnswers answers;
        EXPECT_EQ(app.CloseAppWindow(&window), 1);
        EXPECT_EQ(answers.seen, Strings{}) << "a cleared drawing goes without a question";
    });
}

// Shapes adds a shape on OK only; Remarks takes the lines on OK, and lines that differ from the
// drawing's are a change to be saved.
TEST_F(Commands, ShapeAndRemarksDialogsActOnOkOnly) {
    const struct {
        int id;
        ModalAnswers::Answer answer;
        int points;
        const char* remark;
        int changed;
    } cases[] = {
        {102, ModalAnswers::Click(" Cancel "), 0, "//", 0},
        {102, ModalAnswers::Click(" OK "), 4, "//", 1},
        {2023, TypeRemarks({"// a", "//", "//"}), 0, "// a", 1},
        {2023, TypeRemarks({"//", "//", "//"}), 0, "//", 0},
        {2023, ModalAnswers::Click(" Cancel "), 0, "//", 0},
    };
    RunWithSettings([&](KryCmdWindow& window) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.id);
            window.canvas->ClearCanvas(0);
            window.canvas->SetRemarks("//", "//", "//");
            ModalAnswers answers({c.answer});
            Choose(window, c.id);
            EXPECT_EQ(answers.seen.size(), 1u);
            EXPECT_EQ(window.canvas->pointCount, c.points);
            EXPECT_STREQ(window.canvas->remark1, c.remark);
            EXPECT_EQ(window.canvas->changed, c.changed);
        }
    });
}

TEST_F(Commands, NewWindowsAndCommandsPassedOn) {
    RunWithSettings([&](KryCmdWindow& window) {
        for (int id : {2000, 2005, 2013, 2020, 2025, 2031, 32000}) {
            window.OnWindowCommand(id, id, CtlMenuItem);
        }
        EXPECT_EQ(app.WindowCount(), 1) << "titles and spacers do nothing";
        const struct {
            int id;
            const char* caption;
            int kind;
        } cases[] = {
            {2027, "Untitled Prism", Prism},
            {2026, "Untitled Polygon", Polygon},
            {IdAppNew, "New Polygon", Polygon},
        };
        for (const auto& c : cases) {
            window.OnWindowCommand(c.id, c.id, CtlMenuItem);
            ASSERT_EQ(Newest()->Name(), std::string(c.caption));
            EXPECT_EQ(shapeKind, c.kind);
            EXPECT_EQ(Field(*Newest(), 104), KindShown(c.kind == Prism));
        }
        EXPECT_EQ(app.WindowCount(), 4);
        files.answer = false;
        app.OnAppCommand(nullptr, IdAppOpen, 0, 0);
        EXPECT_EQ(Newest()->Name(), std::string("New Polygon")) << "the frame's Open";
        EXPECT_EQ(files.seen.title, std::string("Open Pol/Prm File"));
    });
}

TEST_F(Commands, PrismValuesShowOnceAboutTellsTheVersion) {
    RunWithSettings([&](KryCmdWindow& window) {
        Choose(window, 2022);
        Choose(window, 101);
        EXPECT_TRUE(window.prismDialog->IsDisplayed());
        const size_t open = vDialog::OpenDialogs().size();
        window.OnWindowCommand(101, 0, CtlButton);
        EXPECT_EQ(vDialog::OpenDialogs().size(), open) << "shown once";
        ModalAnswers answers;
        Choose(window, 2033);
        ASSERT_EQ(answers.seen.size(), 1u);
        EXPECT_EQ(answers.seen[0].rfind("About: ", 0), 0u);
        EXPECT_NE(answers.seen[0].find("POV"), std::string::npos);
        EXPECT_EQ(answers.seen[0].substr(answers.seen[0].rfind('\n') + 1), "version 1.0");
    });
}

TEST_F(Commands, ExitClosesEveryWindowUnlessOneIsKept) {
    RunWithSettings([&](KryCmdWindow& window) {
        window.OnWindowCommand(2026, 0, CtlMenuItem);
        DrawTriangle(*window.canvas);
        KryCmdWindow* second = Newest();
        Choose(*second, 2022);
        Choose(*second, 101);
        {
            ModalAnswers answers({ModalAnswers::Click(" Cancel ")});
            Choose(window, IdAppExit);
            EXPECT_EQ(answers.Messages(), Strings{SaveQuestion});
        }
        EXPECT_EQ(app.WindowCount(), 1) << "the newest closed, the changed one kept";
        EXPECT_FALSE(second->prismDialog->IsDisplayed())
            << "a closed window's prism values go with it";
        ModalAnswers answers({ModalAnswers::Click(" No ")});
        window.OnWindowCommand(IdAppExit, IdAppExit, CtlMenuItem);
        EXPECT_EQ(app.WindowCount(), 0);
    });
}

TEST_F(Commands, HelpOpensTheProgramsDocumentOrSaysWhereItLooked) {
    RunWithSettings([&](KryCmdWindow& window) {
        ModalAnswers answers;
        Choose(window, 2032);
        ASSERT_EQ(answers.Messages().size(), 1u);
        EXPECT_EQ(answers.Messages()[0].rfind("The help file \"Vexlin.hlp\" was not found.", 0),
                  0u);
        std::filesystem::copy_file(VEXLIN_BINARY_DIR "/app/Vexlin.hlp", work + "/Vexlin.hlp");
        Choose(window, 2032);
        EXPECT_EQ(answers.seen.size(), 1u);
        const QtHelpWindow* help = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            help = help != nullptr ? help : qobject_cast<QtHelpWindow*>(widget);
        }
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_TRUE(help->Browser()->toPlainText().contains("A first drawing: a triangle prism"));
    });
}
