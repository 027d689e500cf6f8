#include "AppFixture.h"
#include "dialogs/KryDialog.h"
#include "toolkit/platform/qt/QtCanvasWidget.h"
#include "toolkit/platform/qt/QtFrame.h"
#include "toolkit/platform/qt/QtHandles.h"
#include "toolkit/platform/qt/QtSubWindow.h"

#include <QMdiArea>
#include <QTest>

// Clicks as the user makes them: through the window system's own events, so that the press
// gives the focus and activates the child it lands on, as on a desktop.
namespace {

class FirstClicks : public AppFixture {
protected:
    static QtCanvasWidget* CanvasWidget(KryCmdWindow& window) {
        return QtObjectOf(window.Handle())->Canvas();
    }
    // The window manager activates a top-level window before the press reaches it.
    static QWindow* Activated(QWidget* widget) {
        QWidget* top = widget->window();
        if (!top->isActiveWindow()) {
            top->activateWindow();
            Settle();
        }
        return top->windowHandle();
    }
    static void Press(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QWindow* top = Activated(widget);
        QTest::mousePress(top, button, {}, widget->mapTo(widget->window(), at));
    }
    static void Drag(QWidget* widget, QPoint to) {
        QTest::mouseMove(widget->window()->windowHandle(), widget->mapTo(widget->window(), to));
    }
    static void Release(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(widget->window()->windowHandle(), button, {},
                            widget->mapTo(widget->window(), at));
    }
    static void Click(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        Press(widget, at, button);
        Release(widget, at, button);
        Settle();
    }
    static void ClickCanvas(KryCmdWindow& window, QPoint at) { Click(CanvasWidget(window), at); }
    static void ClickThreeTimes(KryCmdWindow& window) {
        for (const QPoint at : {QPoint(60, 60), QPoint(160, 70), QPoint(110, 150)}) {
            ClickCanvas(window, at);
        }
    }
    // The prism values dialog as the user answers it: a spline's radio button, then OK.
    void ChooseSplineWithOk(KryCmdWindow& window, const char* spline) {
        Choose(window, Cmd::PrismValues);
        Settle();
        QWidget* dialog = dynamic_cast<QtControlHost&>(window.prismDialog->Host()).Window();
        ASSERT_NE(dialog, nullptr);
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            if (button->text() == spline) {
                Click(button, button->rect().center());
            }
        }
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            if (button->text() == " OK ") {
                Click(button, button->rect().center());
                break;
            }
        }
        Settle();
        ASSERT_FALSE(window.prismDialog->IsDisplayed());
    }
    KryCmdWindow* NewPrismWithSpline(KryCmdWindow& first, const char* spline) {
        Choose(first, Cmd::NewPrism);
        Settle();
        ChooseSplineWithOk(*Newest(), spline);
        return Newest();
    }
};

}  // namespace

// However a window became active but by a press on its canvas, the first press in it does what
// every later one does: three clicks, three points.
TEST_F(FirstClicks, EveryPressLandsInAWindowActivatedOtherwiseThanByIt) {
    struct Case {
        const char* name;
        std::function<KryCmdWindow*(KryCmdWindow& first)> activate;
    };
    const Case cases[] = {
        {"File > New > Prism",
         [this](KryCmdWindow& first) {
             Choose(first, Cmd::NewPrism);
             return Newest();
         }},
        {"Ctrl+N",
         [this](KryCmdWindow& first) {
             QTest::keyClick(Activated(CanvasWidget(first)), Qt::Key_N, Qt::ControlModifier);
             return Newest();
         }},
        {"the Window menu back to the first",
         [this](KryCmdWindow& first) {
             Choose(first, Cmd::NewPolygon);
             Settle();
             QtFrame::Instance()->MdiArea()->setActiveSubWindow(QtObjectOf(first.Handle()));
             return &first;
         }},
        {"New > Prism, then maximised",
         [this](KryCmdWindow& first) {
             Choose(first, Cmd::NewPrism);
             Settle();
             QtObjectOf(Newest()->Handle())->showMaximized();
             return Newest();
         }},
        {"New > Prism, then Bezier and OK in Prm Values",
         [this](KryCmdWindow& first) { return NewPrismWithSpline(first, "Bezier"); }},
        {"New > Prism, then Cubic and OK in Prm Values",
         [this](KryCmdWindow& first) { return NewPrismWithSpline(first, "Cubic"); }},
        {"New > Polygon, then a notice closed",
         [this](KryCmdWindow& first) {
             Choose(first, Cmd::NewPolygon);
             Settle();
             ModalAnswers answers;
             Choose(*Newest(), Cmd::About);
             return Newest();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunWithSettings([&](KryCmdWindow& first) {
            Settle();
            KryCmdWindow* window = c.activate(first);
            Settle();
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(vWindow::ActiveWindow(), window);
            ClickThreeTimes(*window);
            EXPECT_EQ(Field(*window, Cmd::PointsField), "         points: 3");
        });
    }
}

// A left press on the canvas of a window the user was not working in only makes it active; a
// press on its caption activates it too, and the canvas then takes the first press.
TEST_F(FirstClicks, ThePressThatSwitchesToAnotherWindowOnlyActivatesIt) {
    RunWithSettings([&](KryCmdWindow& first) {
        Choose(first, Cmd::NewPolygon);
        Settle();
        KryCmdWindow& second = *Newest();
        ClickCanvas(first, QPoint(50, 50));
        EXPECT_EQ(vWindow::ActiveWindow(), &first);
        EXPECT_EQ(first.canvas->pointCount, 0) << "the press that switched";
        ClickCanvas(first, QPoint(90, 50));
        EXPECT_EQ(first.canvas->pointCount, 1);

        auto* child = QtObjectOf(second.Handle());
        const int caption = child->widget()->mapTo(child, QPoint(0, 0)).y() / 2;
        Click(child, QPoint(child->width() / 3, caption));
        EXPECT_EQ(vWindow::ActiveWindow(), &second);
        ClickCanvas(second, QPoint(50, 50));
        EXPECT_EQ(second.canvas->pointCount, 1);
    });
}

// In CONTROL Set a first press chooses a set and the next grabs a handle and drags it.
TEST_F(FirstClicks, ControlSetHandleDragInANewWindow) {
    RunWithSettings([&](KryCmdWindow& first) {
        Choose(first, Cmd::NewPrism);
        Settle();
        KryCmdWindow& window = *Newest();
        ChooseSplineWithOk(window, "Bezier");
        KCanvasPane& canvas = *window.canvas;
        DrawTriangle(canvas);
        Choose(window, Cmd::SetControl);
        ClickCanvas(window, QPoint(100, 100));
        const Point2 handle = canvas.control1[0];
        const Point2 point = canvas.points[0];
        const QPoint from(canvas.PixelX(handle.x), canvas.PixelY(handle.y));
        QtCanvasWidget* widget = CanvasWidget(window);
        Press(widget, from);
        Drag(widget, from + QPoint(15, 25));
        Release(widget, from + QPoint(15, 25));
        Settle();
        EXPECT_NE(canvas.control1[0].x, handle.x) << "the handle was dragged";
        EXPECT_NE(canvas.control1[0].y, handle.y);
        EXPECT_EQ(canvas.points[0].x, point.x);
    });
}

// The mode is the program's, so a window made while another mode is chosen shows that mode from
// the start, and its first click does what the mode does (here: in any mode but Add Point, a
// click on an empty canvas adds nothing).
TEST_F(FirstClicks, NewWindowShowsTheModeItsClicksFollow) {
    struct Case {
        int mode;
        const char* shown;
        int points;
    };
    const Case cases[] = {
        {Cmd::PointAdd, " Add Point           ", 1},
        {Cmd::ControlView, "  Cview", 0},
        {Cmd::SetControl, "  CONTROL Set ", 0},
        {Cmd::AllMove, "  Move All", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        for (const bool byKey : {false, true}) {
            RunWithSettings([&](KryCmdWindow& first) {
                Choose(first, Cmd::KindPrism);
                Choose(first, c.mode);
                if (byKey) {
                    QTest::keyClick(Activated(CanvasWidget(first)), Qt::Key_N, Qt::ControlModifier);
                } else {
                    Choose(first, Cmd::NewSor);
                }
                KryCmdWindow& made = *Newest();
                ASSERT_NE(&made, &first);
                EXPECT_EQ(Field(made, Cmd::ModeField), c.shown);
                Settle();
                ClickCanvas(made, QPoint(80, 80));
                EXPECT_EQ(made.canvas->pointCount, c.points);
            });
        }
    }
}
