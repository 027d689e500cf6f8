#include <QKeyEvent>
#include <QMouseEvent>

#include "AppFixture.h"
#include "dialogs/KryDialog.h"
#include "model/DrawingSnapshot.h"
#include "toolkit/platform/qt/QtCanvasWidget.h"
#include "toolkit/platform/qt/QtHandles.h"
#include "toolkit/platform/qt/QtSubWindow.h"

namespace {

// The editor driven as the user drives it: buttons and keys reach the window through its canvas
// widget on the Qt platform. Places are canvas pixels from the model origin.
class Undo : public AppFixture {
protected:
    void Use(KryCmdWindow& window) {
        _window = &window;
        _widget = QtObjectOf(window.Handle())->Canvas();
    }
    KCanvasPane& Canvas() { return *_window->canvas; }
    DrawingSnapshot Drawing() { return DrawingSnapshot::Of(Canvas()); }

    void Press(int dx, int dy, Qt::MouseButton button = Qt::LeftButton) {
        _held |= button;
        Mouse(QEvent::MouseButtonPress, dx, dy, button);
    }
    void Drag(int dx, int dy) { Mouse(QEvent::MouseMove, dx, dy, Qt::NoButton); }
    void Release(int dx, int dy, Qt::MouseButton button = Qt::LeftButton) {
        _held &= ~button;
        Mouse(QEvent::MouseButtonRelease, dx, dy, button);
    }
    void Click(int dx, int dy, Qt::MouseButton button = Qt::LeftButton) {
        Press(dx, dy, button);
        Release(dx, dy, button);
    }
    void Key(int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(_widget, &press);
    }
    void UndoKey() { Key(Qt::Key_Z, Qt::ControlModifier); }
    void RedoKey() { Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
    size_t UndoSteps() { return _window->history.Steps().UndoSteps(); }

    // A square of four points and a triangle off the centre, as clicks make them.
    void DrawBase() {
        const int corners[][2] = {{-80, -80}, {-20, -80}, {-20, -20}, {-80, -20},
                                  {20, 20},   {100, 20},  {60, 80}};
        for (int i = 0; i < 7; ++i) {
            Click(corners[i][0], corners[i][1]);
            if (i == 3 || i == 6) {
                Click(0, 0, Qt::RightButton);
            }
        }
    }

    KryCmdWindow* _window = nullptr;
    QtCanvasWidget* _widget = nullptr;
    Qt::MouseButtons _held;

private:
    void Mouse(QEvent::Type type, int dx, int dy, Qt::MouseButton button) {
        const QPoint at(static_cast<int>(Canvas().originX) + dx,
                        static_cast<int>(Canvas().originY) + dy);
        QMouseEvent event(type, at, _widget->mapToGlobal(at), button, _held, Qt::NoModifier);
        QApplication::sendEvent(_widget, &event);
    }
};

}  // namespace

// Each row is one action in its edit mode, from the same drawing: a gesture or a command that
// changes the drawing is one step, which Ctrl+Z takes back whole and Ctrl+Shift+Z or Ctrl+Y
// puts again; an action that changes nothing is no step.
TEST_F(Undo, EveryGestureAndCommandIsOneStepBackAndForth) {
    auto prismEnd = [this](double end) {
        _window->prismDialog->SetPrismValues(0, end, CubicSpline, LinearSweep, 0, 0);
    };
    auto command = [this](int id, ModalAnswers::Answer answer = nullptr) {
        return [this, id, answer] {
            ModalAnswers answers(answer ? std::vector<ModalAnswers::Answer>{answer}
                                        : std::vector<ModalAnswers::Answer>{});
            Choose(*_window, id);
        };
    };
    auto stroke = [this](int fromX, int fromY, int toX, int toY) {
        return [=] {
            Press(fromX, fromY);
            Drag(toX, toY);
            Release(toX, toY);
        };
    };
    auto click = [this](int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        return [=] { Click(x, y, button); };
    };
    const struct {
        const char* what;
        int mode;
        std::function<void()> prepare;
        std::function<void()> act;
        size_t steps;
    } rows[] = {
        {"Add Point drag", Cmd::PointAdd, nullptr, stroke(0, -100, 30, -100), 1},
        {"Add Point right click", Cmd::PointAdd,
         [&] {
             stroke(0, -100, 30, -100)();
             Click(30, -70);
         },
         click(0, 0, Qt::RightButton), 1},
        {"Insert Point", Cmd::PointInsert, nullptr, click(-50, -85), 1},
        {"Move Point", Cmd::PointMove, nullptr, stroke(-20, -20, -10, -5), 1},
        {"Delete Point", Cmd::PointDelete, nullptr, click(-20, -80), 1},
        {"Delete Point refused", Cmd::PointDelete, nullptr, click(-80, -80), 0},
        {"Move Set", Cmd::SetMove, nullptr, stroke(20, 20, 30, 35), 1},
        {"Delete Set", Cmd::SetDelete, nullptr, click(20, 20), 1},
        {"Rotate Set", Cmd::SetRotate, nullptr, stroke(100, 20, 70, 60), 1},
        {"Rotate All", Cmd::AllRotate, nullptr, stroke(100, 20, 20, 90), 1},
        {"Move All", Cmd::AllMove, nullptr, stroke(-80, -80, -70, -60), 1},
        {"Scale All", Cmd::AllScale, nullptr, stroke(100, 20, 110, 30), 1},
        {"Scale Set", Cmd::SetScale, nullptr, stroke(100, 20, 110, 30), 1},
        {"Copy Set", Cmd::SetCopy, click(20, 20), click(0, -100, Qt::RightButton), 1},
        {"Copy All", Cmd::AllCopy, click(20, 20), click(30, 30, Qt::RightButton), 1},
        {"Flip Set", Cmd::SetFlip, nullptr, click(20, 20), 1},
        {"CONTROL Set", Cmd::SetControl, click(20, 20), stroke(20, 20, 0, 0), 1},
        {"CONTROL Set choosing", Cmd::SetControl, nullptr, click(20, 20), 0},
        {"Cview", Cmd::ControlView, nullptr, click(0, 0), 0},
        {"middle click", Cmd::PointAdd, nullptr, click(0, 0, Qt::MiddleButton), 0},
        {"Clear", 0, nullptr, command(Cmd::Clear), 1},
        {"center", 0, nullptr, command(Cmd::AllCentre), 1},
        {"flip", 0, nullptr, command(Cmd::AllFlip), 1},
        {"add Shape", 0, nullptr, command(Cmd::AddShape), 1},
        {"Remarks changed", 0, nullptr, command(Cmd::Remarks, TypeRemarks({"// undone"})), 1},
        {"Remarks kept", 0, nullptr, command(Cmd::Remarks, TypeRemarks({"//"})), 0},
        {"Control hands values", 0, [&] { prismEnd(2); }, command(Cmd::SetControl), 1},
        {"Cview hands values", 0, [&] { prismEnd(2); }, command(Cmd::ControlView), 1},
        {"Save hands values", 0, [&] { prismEnd(2); }, command(Cmd::Save), 1},
        {"Save as hands values", 0, [&] { prismEnd(3); }, command(Cmd::SaveAs), 1},
    };
    RunWithSettings([&](KryCmdWindow& window) {
        Use(window);
        Choose(window, Cmd::KindPrism);
        DrawBase();
        prismEnd(0.5);
        Choose(window, Cmd::SetControl);
        const DrawingSnapshot base = Drawing();
        files.path = work + "/undone";
        for (const auto& row : rows) {
            SCOPED_TRACE(row.what);
            base.RestoreInto(Canvas());
            prismEnd(0.5);
            if (row.mode != 0) {
                Choose(window, row.mode);
            }
            if (row.prepare) {
                row.prepare();
            }
            const DrawingSnapshot before = Drawing();
            const size_t steps = UndoSteps();
            row.act();
            const int mode = editMode;
            const DrawingSnapshot after = Drawing();
            ASSERT_EQ(UndoSteps(), steps + row.steps);
            if (row.steps == 0) {
                EXPECT_EQ(after, before);
                continue;
            }
            EXPECT_NE(after, before);
            UndoKey();
            EXPECT_EQ(Drawing(), before);
            EXPECT_EQ(Field(window, Cmd::PointsField),
                      "         points: " + std::to_string(before.pointCount));
            EXPECT_EQ(editMode, mode) << "the edit mode stays";
            RedoKey();
            EXPECT_EQ(Drawing(), after);
            EXPECT_EQ(Field(window, Cmd::SetsField),
                      "sets: " + std::to_string(after.setCount) + "                ");
        }
    });
}

// An undo or redo counts as a change unless it reaches the drawing last saved or read; a new
// window's empty drawing counts as saved, and reading a file forgets the steps before it.
TEST_F(Undo, ChangedFollowsTheDrawingLastSavedOrRead) {
    RunWithSettings([&](KryCmdWindow& window) {
        Use(window);
        KCanvasPane& canvas = Canvas();
        DrawBase();
        std::vector<int> changed;
        // Ctrl+Y redoes as Ctrl+Shift+Z does.
        auto travel = [&](bool back, int times) {
            for (int i = 0; i < times; ++i) {
                back ? UndoKey() : Key(Qt::Key_Y, Qt::ControlModifier);
                changed.push_back(canvas.changed);
            }
        };
        travel(true, 10);
        EXPECT_EQ(changed, std::vector<int>({1, 1, 1, 1, 1, 1, 1, 1, 0, 0})) << "nine clicks";
        EXPECT_EQ(canvas.pointCount, 0);
        travel(false, 9);
        files.path = work + "/saved.pol";
        Choose(window, Cmd::SaveAs);
        Choose(window, Cmd::AllFlip);
        changed.clear();
        travel(true, 2);
        travel(false, 1);
        EXPECT_EQ(changed, std::vector<int>({0, 1, 0})) << "back to the drawing saved";
        Choose(window, Cmd::Clear);
        EXPECT_EQ(canvas.changed, 0) << "Clear leaves nothing to save, as ever";
        changed.clear();
        travel(true, 1);
        travel(false, 1);
        EXPECT_EQ(changed, std::vector<int>({0, 1}));

        Choose(window, Cmd::NewPolygon);
        KryCmdWindow& other = *Newest();
        Use(other);
        DrawBase();
        other.OpenFile((work + "/saved.pol").c_str());
        EXPECT_EQ(UndoSteps(), 0u) << "reading a file clears the history";
        const DrawingSnapshot read = Drawing();
        UndoKey();
        EXPECT_EQ(Drawing(), read);
        Choose(other, Cmd::AllCentre);
        UndoKey();
        EXPECT_EQ(Canvas().changed, 0) << "back to the drawing read";

        // A read that fails keeps what it read, unchanged: that is the drawing read.
        Choose(other, Cmd::NewPolygon);
        KryCmdWindow& broken = *Newest();
        Use(broken);
        Write(work + "/broken.pol",
              "//\n//\n//\n#declare Thing=polygon{\n9\n<0,0.5>\n<-0.4,-0.2>\n<0.4,-0.2>\n"
              "<0,0.5>\nbroken\n}\n");
        ModalAnswers notices;
        broken.OpenFile((work + "/broken.pol").c_str());
        const DrawingSnapshot partial = Drawing();
        ASSERT_EQ(Canvas().pointCount, 4);
        broken.ChangeDrawing([](KCanvasPane& drawing) {
            drawing.EmptyDrawing();
            return true;
        });
        // The first press after the switch to the window only activates it.
        Click(10, 10);
        Click(10, 10);
        ASSERT_EQ(Canvas().pointCount, 1);
        UndoKey();
        EXPECT_EQ(Canvas().changed, 1) << "emptied";
        UndoKey();
        EXPECT_EQ(Drawing(), partial);
        EXPECT_EQ(Canvas().changed, 0) << "back to what the read left";
        ModalAnswers answers;
        EXPECT_EQ(app.CloseAppWindow(&other), 1);
        EXPECT_EQ(answers.seen, std::vector<std::string>());
    });
}

// A window keeps its newest hundred steps; a new step drops those that could be redone; no key
// steps through the history while a mouse button is held.
TEST_F(Undo, HistoryLimitsAndHeldButtons) {
    RunWithSettings([&](KryCmdWindow& window) {
        Use(window);
        DrawBase();
        const DrawingSnapshot drawn = Drawing();
        for (int i = 0; i < 150; ++i) {
            Choose(window, Cmd::AllFlip);
        }
        EXPECT_EQ(UndoSteps(), UndoHistory::MaxSteps);
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            Press(0, 0, button);
            const DrawingSnapshot held = Drawing();
            UndoKey();
            EXPECT_EQ(Drawing(), held) << button;
            Release(0, 0, button);
        }
        EXPECT_EQ(UndoSteps(), UndoHistory::MaxSteps);
        // A command while a button is held is part of the gesture; a release lost on the way
        // ends it at the next plain motion.
        const DrawingSnapshot unheld = Drawing();
        Press(50, 50);
        Choose(window, Cmd::AllFlip);
        Release(50, 50);
        Canvas().OnMouseDown(60, 60, 1);
        Canvas().OnMouseMotion(60, 60);
        UndoKey();
        EXPECT_EQ(Drawing(), unheld);
        for (int i = 0; i < 120; ++i) {
            UndoKey();
        }
        EXPECT_EQ(Canvas().pointCount, drawn.pointCount) << "the clicks that drew it are gone";
        EXPECT_EQ(window.history.Steps().RedoSteps(), UndoHistory::MaxSteps);
        Choose(window, Cmd::AllFlip);
        EXPECT_EQ(window.history.Steps().RedoSteps(), 0u);
        EXPECT_EQ(UndoSteps(), 1u);
    });
}
