#include "AppFixture.h"
#include "dialogs/KScalModalDialog.h"
#include "dialogs/KryDialog.h"
#include "dialogs/RemsDialog.h"
#include "toolkit/CommandIds.h"
#include "toolkit/platform/qt/QtHelpWindow.h"

#include <QCheckBox>
#include <QComboBox>
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
    // By EditMode: the command that selects it and the text the mode field then shows.
    const int ids[] = {Cmd::PointAdd, Cmd::PointInsert, Cmd::PointMove,  Cmd::PointDelete,
                       Cmd::SetMove,  Cmd::SetDelete,   Cmd::SetRotate,  Cmd::AllRotate,
                       Cmd::AllMove,  Cmd::AllScale,    Cmd::SetScale,   Cmd::SetCopy,
                       Cmd::AllCopy,  Cmd::SetFlip,     Cmd::SetControl, Cmd::ControlView};
    const char* const texts[] = {
        "Add Point",    "  Insert Point", "  Move Point",   "  Delete Point",
        "  Move SET",   "  Delete Set",   "  Rotate Set",   "  Rotate All",
        "  Move All",   "  Scale All",    "  Scale Set ",   "  Copey Set ",
        "  Copey All ", "  Flip Set ",    "  CONTROL Set ", " Cview "};
    RunWithSettings([&](KryCmdWindow& window) {
        KCanvasPane& canvas = *window.canvas;
        Choose(window, Cmd::KindPrism);
        window.prismDialog->SetPrismValues(0.25, 0.75, CubicSpline, ConicSweep, 1, 1);
        for (int mode = AddPoint; mode <= ControlView; ++mode) {
            SCOPED_TRACE(mode);
            editMode = AddPoint;
            Disturb(canvas);
            canvas.SetPrismValues(0.0, 0.5, LinearSpline, LinearSweep, 0, 0);
            canvas.changed = 0;
            Choose(window, ids[mode]);
            EXPECT_EQ(editMode, mode);
            EXPECT_EQ(Field(window, Cmd::ModeField), texts[mode]);
            EXPECT_TRUE(GestureCleared(canvas));
            const bool handed = mode == ControlSet || mode == ControlView;
            EXPECT_EQ(canvas.splineType, handed ? CubicSpline : LinearSpline);
            EXPECT_EQ(canvas.prismEnd, handed ? 0.75 : 0.5);
            EXPECT_EQ(canvas.isOpen, handed ? 1 : 0);
            EXPECT_EQ(canvas.changed, handed ? 1 : 0) << "new prism values are a change";
        }
        canvas.changed = 0;
        Choose(window, Cmd::SetControl);
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
            EXPECT_EQ(Field(window, Cmd::KindField), text);
            for (int id : {Cmd::PrismValues, Cmd::SetControl, Cmd::KindPolygon}) {
                EXPECT_EQ(Enabled(window, id), kind == Prism) << id;
            }
            EXPECT_EQ(Enabled(window, Cmd::KindPrism), kind == Polygon);
        };
        Choose(window, Cmd::KindPrism);
        expectKind(Prism, "Changed to Prism", KindShown(true));
        EXPECT_EQ(canvas.splineType, QuadraticSpline) << "the prism values are kept";
        Choose(window, Cmd::SetControl);
        EXPECT_EQ(canvas.splineType, CubicSpline);
        canvas.changed = 0;
        Choose(window, Cmd::KindPolygon);
        expectKind(Polygon, "Changed to Polygon", KindShown(false));
        EXPECT_EQ(canvas.changed, 1) << "the cubic spline is lost";
        EXPECT_EQ(editMode, ControlView);
        EXPECT_EQ(Field(window, Cmd::ModeField), "  Cview");
        EXPECT_EQ(canvas.splineType, LinearSpline);
        EXPECT_EQ(values.splineType, LinearSpline);
        Choose(window, Cmd::KindPrism);
        Choose(window, Cmd::PointAdd);
        canvas.changed = 0;
        Choose(window, Cmd::KindPolygon);
        EXPECT_EQ(canvas.changed, 0) << "a linear drawing loses nothing";
        EXPECT_EQ(editMode, AddPoint) << "only CONTROL Set becomes Cview";
        EXPECT_EQ(Field(window, Cmd::ModeField), "Add Point");
    });
}

// Each "_TYPE_" item greys itself and enables the others; "Prm Values" and "Control" are for
// every kind but the polygon, the choice of POV-Ray's curves for polygons and prisms only.
TEST_F(Commands, EveryKindOfTheTypeMenu) {
    const struct {
        int id;
        int kind;
        const char* caption;
        const char* field;
    } rows[] = {
        {Cmd::KindLathe, Lathe, "Changed to Lathe", "    __LATHE__       "},
        {Cmd::KindSor, Sor, "Changed to Sor", "     __SOR__        "},
        {Cmd::KindPrism, Prism, "Changed to Prism", "    __PRISM__       "},
        {Cmd::KindPolygon, Polygon, "Changed to Polygon", "   __POLYGON__       "},
    };
    const int kindItems[] = {Cmd::KindPolygon, Cmd::KindPrism, Cmd::KindLathe, Cmd::KindSor};
    RunWithSettings([&](KryCmdWindow& window) {
        for (const auto& row : rows) {
            SCOPED_TRACE(row.caption);
            Choose(window, row.id);
            EXPECT_EQ(shapeKind, row.kind);
            EXPECT_STREQ(window.Name(), row.caption);
            EXPECT_EQ(Field(window, Cmd::KindField), row.field);
            for (int kind = Polygon; kind <= Sor; ++kind) {
                EXPECT_EQ(Enabled(window, kindItems[kind]), kind != row.kind) << kind;
            }
            EXPECT_EQ(Enabled(window, Cmd::PrismValues), row.kind != Polygon);
            EXPECT_EQ(Enabled(window, Cmd::SetControl), row.kind != Polygon);
            EXPECT_EQ(Enabled(window, Cmd::PovrayCurves), row.kind == Polygon || row.kind == Prism);
        }
    });
}

// While the cursor rests on a lathe's point that breaks a rule, the mode field tells the rule;
// the mode comes back when it leaves, unless a command has shown another meanwhile.
TEST_F(Commands, TheModeFieldTellsTheRuleUnderTheCursor) {
    RunWithSettings([&](KryCmdWindow& window) {
        KCanvasPane& canvas = *window.canvas;
        DrawTriangle(canvas);
        Choose(window, Cmd::KindLathe);
        const std::string mode = Field(window, Cmd::ModeField);
        const struct {
            int x, y;
            std::string field;
        } steps[] = {
            {101, 100, "lathe: x below 0"},  // the first point, left of the axis
            {102, 101, "lathe: x below 0"},
            {200, 100, mode},  // a point that keeps the rules
            {20, 20, mode},
        };
        for (const auto& step : steps) {
            canvas.OnMouseMotion(step.x, step.y);
            EXPECT_EQ(Field(window, Cmd::ModeField), step.field) << step.x << "," << step.y;
        }
        canvas.OnMouseMotion(100, 100);
        Choose(window, Cmd::PointMove);
        canvas.OnMouseMotion(20, 20);
        EXPECT_EQ(Field(window, Cmd::ModeField), "  Move Point");
        Choose(window, Cmd::KindPolygon);
        canvas.OnMouseMotion(100, 100);
        EXPECT_EQ(Field(window, Cmd::ModeField), "  Move Point") << "a polygon breaks no rule";
    });
}

TEST_F(Commands, MouseAndCanvasCommandsChangeTheDrawingAndItsCounts) {
    RunWithSettings([&](KryCmdWindow& window) {
        KCanvasPane& canvas = *window.canvas;
        DrawTriangle(canvas, 40);
        EXPECT_EQ(Field(window, Cmd::PointsField), "         points: 4");
        EXPECT_EQ(Field(window, Cmd::SetsField), "sets: 1                ");
        canvas.OnMouseMotion(225, 75);
        EXPECT_EQ(Field(window, Cmd::CursorXField), "1.000000") << "the place under the mouse";
        EXPECT_EQ(Field(window, Cmd::CursorYField), "1.000000");
        canvas.changed = 0;
        const Point2 first = canvas.points[0];
        Choose(window, Cmd::AllFlip);
        EXPECT_EQ(canvas.points[0].y, -first.y) << "flip";
        EXPECT_EQ(canvas.changed, 1);
        Choose(window, Cmd::AllCentre);
        EXPECT_LT(canvas.points[0].x, first.x) << "center";
        EXPECT_EQ(editMode, AddPoint);
        Choose(window, Cmd::Clear);
        EXPECT_EQ(canvas.pointCount, 0) << "Clear";
        EXPECT_EQ(Field(window, Cmd::PointsField), "         points: 0");
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
        {Cmd::AddShape, ModalAnswers::Click(" Cancel "), 0, "//", 0},
        {Cmd::AddShape, ModalAnswers::Click(" OK "), 4, "//", 1},
        {Cmd::Remarks, TypeRemarks({"// a", "//", "//"}), 0, "// a", 1},
        {Cmd::Remarks, TypeRemarks({"//", "//", "//"}), 0, "//", 0},
        {Cmd::Remarks, ModalAnswers::Click(" Cancel "), 0, "//", 0},
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

// Every id of the tables is carried out by the window, passed on or shown, and only the toolkit
// ids the tables carry on purpose lie in its reserved range.
TEST_F(Commands, EveryTableIdHasARole) {
    using Role = KryCmdWindow::CommandRole;
    for (int id : TableCommands()) {
        const Role role = KryCmdWindow::RoleOf(id);
        EXPECT_TRUE(role == Role::Handled || role == Role::PassedOn) << id;
        EXPECT_TRUE(!Cmd::IsReserved(id) || Cmd::ReservedOnPurpose(id)) << id;
    }
    for (const StatusFieldSpec* field = WindowTables::statusBar; field->text != nullptr; ++field) {
        EXPECT_EQ(KryCmdWindow::RoleOf(field->id), Role::Shown) << field->id;
    }
}

TEST_F(Commands, NewWindowsAndCommandsPassedOn) {
    RunWithSettings([&](KryCmdWindow& window) {
        for (int id : TableCommands()) {
            if (KryCmdWindow::RoleOf(id) == KryCmdWindow::CommandRole::PassedOn && id != Cmd::New &&
                id != Cmd::Exit) {
                window.OnWindowCommand(id, id, CtlMenuItem);
            }
        }
        EXPECT_EQ(app.WindowCount(), 1) << "titles, spacers and the separator do nothing";
        const struct {
            int id;
            const char* caption;
            int kind;
            std::string field;
        } cases[] = {
            {Cmd::NewPrism, "Untitled Prism", Prism, KindShown(true)},
            {Cmd::NewLathe, "Untitled Lathe", Lathe, "    __LATHE__       "},
            {Cmd::NewSor, "Untitled Sor", Sor, "     __SOR__        "},
            {Cmd::NewPolygon, "Untitled Polygon", Polygon, KindShown(false)},
            {Cmd::New, "New Polygon", Polygon, KindShown(false)},
        };
        for (const auto& c : cases) {
            window.OnWindowCommand(c.id, c.id, CtlMenuItem);
            ASSERT_EQ(Newest()->Name(), std::string(c.caption));
            EXPECT_EQ(shapeKind, c.kind);
            EXPECT_EQ(Field(*Newest(), Cmd::KindField), c.field);
        }
        EXPECT_EQ(app.WindowCount(), 6);
        files.answer = false;
        app.OnAppCommand(nullptr, IdAppOpen, 0, 0);
        EXPECT_EQ(Newest()->Name(), std::string("New Polygon")) << "the frame's Open";
        EXPECT_EQ(files.seen.title, std::string("Open Pol/Prm File"));
    });
}

TEST_F(Commands, PrismValuesShowOnceAboutTellsTheVersion) {
    RunWithSettings([&](KryCmdWindow& window) {
        Choose(window, Cmd::KindPrism);
        Choose(window, Cmd::PrismValues);
        EXPECT_TRUE(window.prismDialog->IsDisplayed());
        const size_t open = vDialog::OpenDialogs().size();
        window.OnWindowCommand(Cmd::PrismValues, 0, CtlButton);
        EXPECT_EQ(vDialog::OpenDialogs().size(), open) << "shown once";
        ModalAnswers answers;
        Choose(window, Cmd::About);
        ASSERT_EQ(answers.seen.size(), 1u);
        EXPECT_EQ(answers.seen[0].rfind("About: ", 0), 0u);
        EXPECT_NE(answers.seen[0].find("POV"), std::string::npos);
        EXPECT_EQ(answers.seen[0].substr(answers.seen[0].rfind('\n') + 1), "version 1.0");
    });
}

TEST_F(Commands, ExitClosesEveryWindowUnlessOneIsKept) {
    RunWithSettings([&](KryCmdWindow& window) {
        window.OnWindowCommand(Cmd::NewPolygon, 0, CtlMenuItem);
        DrawTriangle(*window.canvas);
        KryCmdWindow* second = Newest();
        Choose(*second, Cmd::KindPrism);
        Choose(*second, Cmd::PrismValues);
        {
            ModalAnswers answers({ModalAnswers::Click(" Cancel ")});
            Choose(window, Cmd::Exit);
            EXPECT_EQ(answers.Messages(), Strings{SaveQuestion});
        }
        EXPECT_EQ(app.WindowCount(), 1) << "the newest closed, the changed one kept";
        EXPECT_FALSE(second->prismDialog->IsDisplayed())
            << "a closed window's prism values go with it";
        ModalAnswers answers({ModalAnswers::Click(" No ")});
        window.OnWindowCommand(Cmd::Exit, Cmd::Exit, CtlMenuItem);
        EXPECT_EQ(app.WindowCount(), 0);
    });
}

TEST_F(Commands, HelpOpensTheProgramsDocumentOrSaysWhereItLooked) {
    RunWithSettings([&](KryCmdWindow& window) {
        ModalAnswers answers;
        Choose(window, Cmd::HelpContents);
        ASSERT_EQ(answers.Messages().size(), 1u);
        EXPECT_EQ(answers.Messages()[0].rfind("The help file \"Vexlin.hlp\" was not found.", 0),
                  0u);
        std::filesystem::copy_file(VEXLIN_BINARY_DIR "/app/Vexlin.hlp", work + "/Vexlin.hlp");
        Choose(window, Cmd::HelpContents);
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

// Edit > Convert spline: the dialog's spline and its keep-shape box, the conversion one undo
// step, the prism values dialog following it, and its note shown.
TEST_F(Commands, ConvertSplineIsOneStepWithItsNote) {
    const struct {
        int kind;
        int spline;
        bool keepShape;
        const char* notice;
    } cases[] = {
        {Cmd::KindPolygon, BezierSpline, true,
         "Notice: Only a prism's or a lathe's spline can be converted."},
        {Cmd::KindPrism, BezierSpline, true,
         "Notice: Spline converted:\n- Converted to bezier exactly: POV-Ray draws the same "
         "curve."},
        {Cmd::KindPrism, CubicSpline, false,
         "Notice: Spline converted:\n- the curve changes: the points are joined by a cubic "
         "spline now"},
    };
    RunWithSettings([&](KryCmdWindow& window) {
        window.canvas->GenerateShape(5, 1, 0, 0.5, ShapeStar);
        for (const auto& c : cases) {
            Choose(window, c.kind);
            const Drawing before = window.canvas->Model();
            ModalAnswers answers({[&c](QWidget* dialog) {
                if (auto* splines = dialog->findChild<QComboBox*>()) {
                    splines->setCurrentIndex(c.spline);
                    emit splines->activated(c.spline);
                    auto* keep = dialog->findChild<QCheckBox*>();
                    if (keep->isChecked() != c.keepShape) {
                        keep->click();
                    }
                }
                ModalAnswers::ClickButton(dialog, " OK ");
            }});
            Choose(window, Cmd::ConvertSpline);
            EXPECT_EQ(answers.seen.back(), c.notice);
            if (c.kind == Cmd::KindPolygon) {
                continue;
            }
            EXPECT_EQ(window.canvas->splineType, c.spline);
            EXPECT_EQ(window.prismDialog->GetPrismValues().spline, c.spline);
            Choose(window, Cmd::Undo);
            EXPECT_TRUE(SameParts(window.canvas->Model(), before)) << c.notice;
        }
    });
}
