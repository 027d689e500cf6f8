#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <string>
#include <vector>

#include "support/qt/QtAppFixture.h"
#include "toolkit/CommandIds.h"
#include "toolkit/platform/qt/QtCanvasWidget.h"
#include "toolkit/platform/qt/QtFrame.h"
#include "toolkit/platform/qt/QtHandles.h"
#include "toolkit/platform/qt/QtHelpWindow.h"
#include "toolkit/platform/qt/QtLook.h"
#include "toolkit/platform/qt/QtSubWindow.h"
#include "toolkit/vCanvasPane.h"
#include "toolkit/vCmdWindow.h"
#include "toolkit/vTimer.h"

namespace {

using Strings = std::vector<std::string>;

// Paints a blue square at (10, 10) and records the presses that reach it.
class SquareCanvas : public vCanvasPane {
public:
    void OnRedraw(int, int, int, int) override {
        ++redraws;
        UseBrush(vBrush(0, 0, 255, StyleSolid, FillAlternate));
        UsePen(vPen(0, 0, 255, 1, StyleSolid));
        PaintRectangle(10, 10, 9, 9);
    }
    void OnMouseDown(int x, int y, int button) override {
        presses.push_back(std::to_string(x) + "," + std::to_string(y) + "," +
                          std::to_string(button));
    }
    int redraws = 0;
    Strings presses;
};

class CanvasWindow : public vCmdWindow {
public:
    CanvasWindow(const char* title, int width, int height) : vCmdWindow(title, width, height) {
        AttachPane(&canvas);
    }
    SquareCanvas canvas;
};

class RecordingApp : public vApp {
public:
    RecordingApp() : vApp("Quorvane", 0, 0, 0) {}
    CanvasWindow* Open(const char* title, int width = 300, int height = 300) {
        auto* window = new CanvasWindow(title, width, height);
        NewAppWindow(window, title, width, height, nullptr);
        return window;
    }
    void OnAppCommand(vWindow* window, int id, int value, int kind) override {
        commands.push_back(std::string(window ? window->Name() : "NULL") + " " +
                           std::to_string(id));
        vApp::OnAppCommand(window, id, value, kind);
    }
    void OnFileDropped(const char* path) override { dropped.push_back(path); }
    void OnLastWindowClosed(vWindow*) override {}
    Strings commands;
    Strings dropped;
};

QtSubWindow* Child(vWindow* window) {
    return QtObjectOf(window->Handle());
}

QtCanvasWidget* CanvasOf(vWindow* window) {
    return Child(window)->Canvas();
}

// A click through the window system's own events, so that it gives the focus and activates the
// child it lands on as a click on a desktop does.
void Press(QWidget* widget, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* top = widget->window();
    const QPoint at = widget->mapTo(top, QPoint(x, y));
    QTest::mousePress(top->windowHandle(), button, {}, at);
    QTest::mouseRelease(top->windowHandle(), button, {}, at);
}

Strings MenuTexts(const QList<QAction*>& actions) {
    Strings texts;
    for (QAction* action : actions) {
        texts.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    }
    return texts;
}

class QtWindows : public QtAppFixture {};

}  // namespace

TEST_F(QtWindows, FrameWithItsMenuAndAChildShowingTheCanvas) {
    RecordingApp app;
    int code = RunWithSteps(app, [&app] {
        QtFrame* frame = QtFrame::Instance();
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->windowTitle(), "Quorvane");
        EXPECT_EQ(MenuTexts(frame->menuBar()->actions()), Strings{"&File"});
        QMenu* file = frame->menuBar()->actions().at(0)->menu();
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(MenuTexts(file->actions()), (Strings{"&New", "&Open", "-", "E&xit"}));

        CanvasWindow* window = app.Open("star.pol", 300, 200);
        Settle();
        EXPECT_EQ(CanvasOf(window)->size(), QSize(300, 200)) << "client area as requested";
        EXPECT_EQ(Child(window)->windowTitle(), "star.pol");
        EXPECT_FALSE(Child(window)->windowIcon().isNull()) << "our own icon, not the vendor's";
        EXPECT_EQ(frame->menuBar()->font().family(), QtLook::DialogFont().family());
        EXPECT_EQ(window->canvas.CanvasWidth(), 300);
        QImage shown = CanvasOf(window)->grab().toImage();
        EXPECT_EQ(window->canvas.redraws, 1);
        EXPECT_EQ(shown.pixelColor(10, 10), QColor(0, 0, 255));
        EXPECT_EQ(shown.pixelColor(19, 19), QColor(0, 0, 255));
        EXPECT_EQ(shown.pixelColor(20, 20), QColor(255, 255, 255));
        CanvasOf(window)->grab();
        EXPECT_EQ(window->canvas.redraws, 1) << "a repaint only shows the surface";

        Child(window)->resize(Child(window)->size() + QSize(20, 10));
        Settle();
        EXPECT_EQ(window->canvas.CanvasWidth(), 320);
        CanvasOf(window)->grab();
        EXPECT_EQ(window->canvas.redraws, 2) << "a new size draws anew";

        window->canvas.ShowHScroll(1);
        window->canvas.ShowVScroll(1);
        Settle();
        shown = CanvasOf(window)->grab().toImage();
        EXPECT_EQ(window->canvas.CanvasWidth(), 320 - 16) << "the bars take their room";
        EXPECT_EQ(shown.pixelColor(10, 10), QColor(0, 0, 255));
        EXPECT_EQ(shown.pixelColor(318, 208), QColor(255, 255, 255)) << "the corner between them";

        window->SetWindowTitle("renamed");
        EXPECT_EQ(Child(window)->windowTitle(), "renamed");
        window->MoveWindowTo(30, 40);
        int left, top, width, height;
        window->GetWindowPlacement(left, top, width, height);
        EXPECT_EQ(left, 30);
        EXPECT_EQ(top, 40);
        EXPECT_GT(width, 320) << "the outer size includes the frame";

        file->actions().at(3)->trigger();
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(app.commands, Strings{"NULL 32108"});
    EXPECT_EQ(QtFrame::Instance(), nullptr) << "the frame goes after the loop";
}

TEST_F(QtWindows, FrameStartsMaximisedAndIsRestoredToItsNormalPlace) {
    RecordingApp app;
    RunWithSteps(app, [&app] {
        QtFrame* frame = QtFrame::Instance();
        Settle();
        EXPECT_TRUE(frame->isMaximized());
        app.RestoreFrame();
        Settle();
        EXPECT_FALSE(frame->isMaximized());
        const QRect screen = frame->screen()->availableGeometry();
        EXPECT_LT(frame->width(), screen.width());
        EXPECT_TRUE(screen.contains(frame->frameGeometry()));
        app.QuitApp();
    });
}

// Restored during start-up, before the event loop runs, the frame goes on the screen once, in
// its normal state, never maximised.
TEST_F(QtWindows, FrameRestoredAtStartUpIsNeverShownMaximised) {
    struct StateWatch : QObject {
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::WindowStateChange) {
                maximised |= static_cast<QWidget*>(watched)->isMaximized();
            }
            return false;
        }
        bool maximised = false;
    };
    static StateWatch* watch = nullptr;
    RecordingApp app;
    RunWithSteps(
        app,
        [&app] {
            Settle();
            EXPECT_TRUE(QtFrame::Instance()->isVisible());
            EXPECT_FALSE(QtFrame::Instance()->isMaximized());
            EXPECT_FALSE(watch->maximised);
            app.QuitApp();
        },
        [](int, char**) {
            QtFrame* frame = QtFrame::Instance();
            watch = new StateWatch;
            watch->setParent(frame);
            frame->installEventFilter(watch);
            theApp->RestoreFrame();
            EXPECT_FALSE(frame->isVisible()) << "not yet: nothing is painted before the loop";
            return 0;
        });
}

// Our own help document in a window of its own, beside the frame and not blocking it: its
// contents page, links, back and forward.
TEST_F(QtWindows, HelpWindowShowsTheDocumentWithContentsBackAndForward) {
    RecordingApp app;
    RunWithSteps(app, [this, &app] {
        CanvasWindow* window = app.Open("w");
        const std::string path = VEXLIN_SOURCE_DIR "/tests/qt/data/sample-help.hlp";
        EXPECT_FALSE(platform.ShowHelp(window->Handle(), "/no/such/help.hlp"));
        EXPECT_TRUE(platform.ShowHelp(window->Handle(), path.c_str()));
        QtHelpWindow* help = platform.HelpWindow();
        Settle();
        if (help == nullptr) {
            app.QuitApp();
            return;
        }
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->windowTitle(), "Sample Help");
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        QTextBrowser* browser = help->Browser();
        EXPECT_TRUE(browser->toPlainText().startsWith("Contents"));
        auto click = [help](const char* text) {
            for (QPushButton* button : help->findChildren<QPushButton*>()) {
                if (button->text() == text && button->isEnabled()) {
                    button->click();
                }
            }
            Settle();
        };
        browser->setSource(browser->source().resolved(QUrl("#sets")));
        click("&Back");
        EXPECT_EQ(browser->source().fragment(), "");
        click("&Forward");
        EXPECT_EQ(browser->source().fragment(), "sets");
        click("&Contents");
        EXPECT_EQ(browser->source().fragment(), "");
        EXPECT_TRUE(platform.ShowHelp(window->Handle(), path.c_str()));
        EXPECT_EQ(platform.HelpWindow(), help) << "one help window";
        app.QuitApp();
    });
}

TEST_F(QtWindows, OnlyThePressThatSwitchesChildrenIsSwallowed) {
    RecordingApp app;
    RunWithSteps(app, [&app] {
        CanvasWindow* a = app.Open("a");
        Settle();
        Press(CanvasOf(a), 5, 6);
        Press(CanvasOf(a), 7, 8);
        EXPECT_EQ(a->canvas.presses, (Strings{"5,6,1", "7,8,1"})) << "one child: every press";

        // Made active by opening, or from the window list: every press lands.
        CanvasWindow* b = app.Open("b");
        Settle();
        EXPECT_EQ(vWindow::ActiveWindow(), b);
        Press(CanvasOf(b), 1, 1);
        Press(CanvasOf(b), 2, 2);
        EXPECT_EQ(b->canvas.presses, (Strings{"1,1,1", "2,2,1"}));
        QtFrame::Instance()->MdiArea()->setActiveSubWindow(Child(a));
        Settle();
        EXPECT_EQ(vWindow::ActiveWindow(), a);
        Press(CanvasOf(a), 3, 3);
        EXPECT_EQ(a->canvas.presses.back(), "3,3,1");

        // A left press on the other child's canvas only switches to it; a right one lands.
        Press(CanvasOf(b), 4, 4);
        EXPECT_EQ(vWindow::ActiveWindow(), b);
        Press(CanvasOf(b), 5, 5);
        Press(CanvasOf(a), 9, 9, Qt::RightButton);
        EXPECT_EQ(vWindow::ActiveWindow(), a);
        EXPECT_EQ(b->canvas.presses, (Strings{"1,1,1", "2,2,1", "5,5,1"}));
        EXPECT_EQ(a->canvas.presses.back(), "9,9,3");

        // Closing through the close box; the other child becomes active without a switch.
        Child(a)->close();
        Settle();
        EXPECT_FALSE(a->IsOpen());
        EXPECT_EQ(vWindow::ActiveWindow(), b);
        Press(CanvasOf(b), 6, 6);
        EXPECT_EQ(b->canvas.presses.back(), "6,6,1");
        QtFrame::Instance()->close();
    });
    EXPECT_EQ(app.WindowCount(), 0) << "the frame's close box closed every window";
}

TEST_F(QtWindows, WarningBoxIsCaptionedZel) {
    RecordingApp app;
    static QString caption;
    static QString message;
    static QMessageBox::Icon icon;
    static vWindow* activeDuringBox;
    RunWithSteps(app, [&app] {
        app.Open("w");
        QTimer::singleShot(0, [] {
            activeDuringBox = vWindow::ActiveWindow();
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            caption = box->windowTitle();
            message = box->text();
            icon = box->icon();
            box->accept();
        });
        vApp::Warning("Failed to create timer");
        app.QuitApp();
    });
    EXPECT_EQ(caption, "Zel");
    EXPECT_EQ(message, "Failed to create timer");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_NE(activeDuringBox, nullptr) << "a message box leaves the child active";
}

TEST_F(QtWindows, TimersTickFromTheEventLoop) {
    struct Counting : vTimer {
        void OnTimerTick() override {
            if (++ticks == 3) {
                StopTimer();
                theApp->QuitApp();
            }
        }
        int ticks = 0;
    };
    static Counting timer;
    RecordingApp app;
    RunWithSteps(app, [] { EXPECT_EQ(timer.StartTimer(5), 1); });
    EXPECT_EQ(timer.ticks, 3);
    EXPECT_FALSE(timer.Running());
}

TEST_F(QtWindows, DroppedFilesReachTheApplication) {
    RecordingApp app;
    RunWithSteps(app, [&app] {
        QtFrame::Instance()->FilesDropped({QUrl::fromLocalFile("/tmp/one.pol"),
                                           QUrl("http://example.invalid/x.pol"),
                                           QUrl::fromLocalFile("/tmp/two.prm")});
        app.QuitApp();
    });
    EXPECT_EQ(app.dropped, (Strings{"/tmp/one.pol", "/tmp/two.prm"}));
}

TEST_F(QtWindows, WindowMenuCommandsArrangeTheChildren) {
    RecordingApp app;
    RunWithSteps(app, [&app] {
        CanvasWindow* a = app.Open("a", 100, 100);
        CanvasWindow* b = app.Open("b", 100, 100);
        QtFrame* frame = QtFrame::Instance();
        frame->resize(800, 600);
        Settle();
        a->MoveWindowTo(0, 0);
        b->MoveWindowTo(0, 0);
        frame->MenuCommand(IdTile);
        Settle();
        EXPECT_NE(Child(a)->geometry().topLeft(), Child(b)->geometry().topLeft());
        EXPECT_TRUE(Child(a)->geometry().intersected(Child(b)->geometry()).isEmpty())
            << "tiled children do not overlap";
        frame->MenuCommand(IdCascade);
        Settle();
        EXPECT_FALSE(Child(a)->geometry().intersected(Child(b)->geometry()).isEmpty());

        // Minimised children left anywhere line up along the bottom; the others stay.
        CanvasWindow* c = app.Open("c", 100, 100);
        Settle();
        const QPoint open = Child(c)->pos();
        for (CanvasWindow* window : {a, b}) {
            vWindowPlatform::Current().ShowChild(window->Handle(), false);
            window->MoveWindowTo(50, 60);
        }
        frame->MenuCommand(IdArrange);
        Settle();
        const int bottom = frame->MdiArea()->viewport()->height();
        EXPECT_EQ(Child(a)->geometry().bottom() + 1, bottom);
        EXPECT_EQ(Child(a)->x(), 0);
        EXPECT_EQ(Child(b)->geometry().bottom() + 1, bottom);
        EXPECT_EQ(Child(b)->x(), Child(a)->width());
        EXPECT_EQ(Child(c)->pos(), open);
        app.QuitApp();
    });
}

TEST(QtKeys, TranslatesKeysToToolkitCodes) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        int code;
    };
    const Case cases[] = {
        {Qt::Key_F1, Qt::NoModifier, "", 0xFFC1},
        {Qt::Key_F16, Qt::NoModifier, "", 0xFFD0},
        {Qt::Key_Home, Qt::NoModifier, "", 0xFF50},
        {Qt::Key_Insert, Qt::NoModifier, "", 0xFF58},
        {Qt::Key_Delete, Qt::NoModifier, "", 0x7F},
        {Qt::Key_A, Qt::ControlModifier, "", 1},
        {Qt::Key_A, Qt::NoModifier, "a", 'a'},
        {Qt::Key_A, Qt::ShiftModifier, "A", 'A'},
        {Qt::Key_Escape, Qt::NoModifier, "\x1b", 27},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
        {Qt::Key_Return, Qt::NoModifier, "\r", 13},
        {Qt::Key_Backtab, Qt::ShiftModifier, "", 9},
        {Qt::Key_Shift, Qt::ShiftModifier, "", -1},
        {Qt::Key_F20, Qt::NoModifier, "", -1},
        // Control with the view's keys is the character, whatever text the layout gives.
        {Qt::Key_Equal, Qt::ControlModifier, "", '='},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, "\x1d", '+'},
        {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, "", '+'},
        {Qt::Key_Minus, Qt::ControlModifier, "\x1f", '-'},
        {Qt::Key_0, Qt::ControlModifier, "", '0'},
        {Qt::Key_9, Qt::ControlModifier | Qt::ShiftModifier, "", '9'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QtCanvasWidget::ToolkitKey(c.key, c.modifiers, c.text), c.code)
            << "key " << std::hex << c.key;
    }
    // A number row that gives other symbols without Shift: its place tells the digit.
    EXPECT_EQ(QtCanvasWidget::ToolkitKey(Qt::Key_Ampersand, Qt::ControlModifier, "", 10), '1');
    EXPECT_EQ(QtCanvasWidget::ToolkitKey(Qt::Key_Agrave, Qt::ControlModifier, "", 19), '0');
    EXPECT_EQ(QtCanvasWidget::ToolkitKey(Qt::Key_Ampersand, Qt::NoModifier, "&", 10), '&');
    EXPECT_EQ(QtCanvasWidget::ToolkitModifiers(Qt::ShiftModifier | Qt::ControlModifier), 5);
}
