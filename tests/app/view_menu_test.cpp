#include <QKeyEvent>
#include <QWheelEvent>

#include "AppFixture.h"
#include "app/OptionsText.h"
#include "app/ProgramOptions.h"
#include "toolkit/platform/qt/QtCanvasWidget.h"
#include "toolkit/platform/qt/QtHandles.h"
#include "toolkit/platform/qt/QtSubWindow.h"

// The Edit and View menus beside the specified ones, their keys and the specified commands'
// keys, the zoom field, and the options file.

namespace {

class ViewMenu : public AppFixture {
protected:
    static QtCanvasWidget* Widget(KryCmdWindow& window) {
        return QtObjectOf(window.Handle())->Canvas();
    }
    static void Key(KryCmdWindow& window, int key, Qt::KeyboardModifiers modifiers,
                    const QString& text = "") {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(Widget(window), &press);
    }
    static void Wheel(KryCmdWindow& window, QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent wheel(at, Widget(window)->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Widget(window), &wheel);
    }
    std::string OptionsFile() const { return program + "/" + OptionsText::kFileName; }
};

}  // namespace

// The new menus come after " Help " and before the toolkit's window list; no specified item
// names a key, and every menu id lies outside the toolkit's reserved range or is one it means.
TEST_F(ViewMenu, EditAndViewFollowHelpAndLeaveTheSpecifiedItemsAlone) {
    std::vector<std::string> titles;
    for (const MenuSpec* entry = WindowTables::menuBar; entry->label != nullptr; ++entry) {
        titles.emplace_back(entry->label);
    }
    ASSERT_GE(titles.size(), 3u);
    EXPECT_EQ(Strings(titles.end() - 3, titles.end()), (Strings{" Help ", " &Edit ", " &View "}));
    std::function<void(const MenuSpec*, bool)> walk = [&](const MenuSpec* items, bool added) {
        for (; items != nullptr && items->label != nullptr; ++items) {
            EXPECT_EQ(items->keyCode, 0) << items->label << ": keys reach the key hook";
            if (!added) {
                EXPECT_TRUE(items->keyText == nullptr || items->keyText[0] == '\0') << items->label;
            }
            EXPECT_TRUE(!Cmd::IsReserved(items->id) || Cmd::ReservedOnPurpose(items->id))
                << items->label;
            walk(items->submenu, added);
        }
    };
    for (const MenuSpec* entry = WindowTables::menuBar; entry->label != nullptr; ++entry) {
        walk(entry->submenu, entry->id == Cmd::EditMenu || entry->id == Cmd::ViewMenu);
    }
}

// Every key as the Qt platform delivers it, whatever text the layout gives it: what it does
// in the window it was pressed in.
TEST_F(ViewMenu, KeysReachTheirCommands) {
    RunWithSettings([&](KryCmdWindow& window) {
        const CanvasView zoomed{std::pow(1.25, 3), {0, 0}};
        const struct {
            const char* name;
            int key;
            Qt::KeyboardModifiers modifiers;
            QString text;
            std::function<bool()> done;
        } keys[] = {
            {"Ctrl+=", Qt::Key_Equal, Qt::ControlModifier, "",
             [&] { return window.canvas->View().zoom == 1.25; }},
            {"Ctrl+Shift++", Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, "\x2b",
             [&] { return window.canvas->View().zoom == 1.25; }},
            {"Ctrl+keypad +", Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, "",
             [&] { return window.canvas->View().zoom == 1.25; }},
            {"Ctrl+-", Qt::Key_Minus, Qt::ControlModifier, "\x1f",
             [&] { return std::fabs(window.canvas->View().zoom - 0.8) < 1e-12; }},
            {"Ctrl+1", Qt::Key_1, Qt::ControlModifier, "",
             [&] { return window.canvas->View().IsIdentity(); }},
            {"Ctrl+0", Qt::Key_0, Qt::ControlModifier, "",
             [&] { return window.canvas->View().zoom > 1; }},
            {"G", Qt::Key_G, Qt::NoModifier, "g",
             [&] { return window.canvas->Options().snapToGrid; }},
            {"Ctrl+N", Qt::Key_N, Qt::ControlModifier, "", [&] { return app.WindowCount() == 2; }},
        };
        DrawTriangle(*window.canvas);
        for (const auto& k : keys) {
            SCOPED_TRACE(k.name);
            window.canvas->SetView(zoomed);
            window.canvas->SetView(CanvasView{});
            Key(window, k.key, k.modifiers, k.text);
            EXPECT_TRUE(k.done());
        }
        EXPECT_EQ(Newest()->Name(), std::string("Untitled Polygon"));
        // Undo and redo by key, and their items greyed when there is nothing to take.
        EXPECT_TRUE(Enabled(window, Cmd::Undo));
        EXPECT_FALSE(Enabled(window, Cmd::Redo));
        while (window.history.Steps().UndoSteps() > 0) {
            Key(window, Qt::Key_Z, Qt::ControlModifier);
        }
        EXPECT_EQ(window.canvas->pointCount, 0);
        EXPECT_FALSE(Enabled(window, Cmd::Undo));
        EXPECT_TRUE(Enabled(window, Cmd::Redo));
        Key(window, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_TRUE(Enabled(window, Cmd::Undo));
        Choose(window, Cmd::KindLathe);
        Key(window, Qt::Key_N, Qt::ControlModifier);
        EXPECT_EQ(Newest()->Name(), std::string("Untitled Lathe"));
    });
}

// The tables are shared: the window made active shows its own history's items and the
// options' check marks again.
TEST_F(ViewMenu, ItemStatesFollowTheActiveWindow) {
    RunWithSettings([&](KryCmdWindow& first) {
        DrawTriangle(*first.canvas);
        Choose(first, Cmd::PovrayCurves);
        KryCmdWindow* second = KryApp::OpenDrawingWindow("Untitled");
        ASSERT_NE(second, nullptr);
        Settle();
        EXPECT_FALSE(Enabled(*second, Cmd::Undo));
        EXPECT_TRUE(second->canvas->Options().exactCurves);
        EXPECT_TRUE(MenuItem(*second, Cmd::PovrayCurves)->isChecked());
        first.BringToFront();
        Settle();
        EXPECT_TRUE(Enabled(first, Cmd::Undo));
    });
}

// Ctrl and the wheel zoom about the cursor; without Ctrl the wheel scrolls a zoomed view and
// does nothing at zoom 1; the zoom field shows the zoom, empty at zoom 1.
TEST_F(ViewMenu, WheelZoomsAboutTheCursorAndScrollsAZoomedView) {
    RunWithSettings([&](KryCmdWindow& window) {
        KCanvasPane& canvas = *window.canvas;
        Wheel(window, {100, 100}, -120, Qt::NoModifier);
        EXPECT_TRUE(canvas.View().IsIdentity());
        const Point2 under{canvas.ModelX(100), canvas.ModelY(60)};
        Wheel(window, {100, 60}, 120, Qt::ControlModifier);
        EXPECT_EQ(canvas.View().zoom, 1.25);
        EXPECT_EQ(canvas.PixelX(under.x), 100);
        EXPECT_EQ(canvas.PixelY(under.y), 60);
        EXPECT_EQ(Field(window, Cmd::ZoomField), "x1.25");
        const Point2 centre = canvas.View().centre;
        Wheel(window, {100, 60}, -120, Qt::NoModifier);
        EXPECT_DOUBLE_EQ(canvas.View().centre.y, centre.y + 40 / 1.25);
        Wheel(window, {100, 60}, -120, Qt::ShiftModifier);
        EXPECT_DOUBLE_EQ(canvas.View().centre.x, centre.x + 40 / 1.25);
        Choose(window, Cmd::ActualSize);
        EXPECT_EQ(Field(window, Cmd::ZoomField), "");
    });
}

// The options file: written through the safe save when an option changes, read at start-up;
// a missing or damaged one gives the defaults without a word.
TEST_F(ViewMenu, OptionsAreKeptBesideTheSettingsFile) {
    const struct {
        std::string text;
        CanvasOptions read;
    } reads[] = {
        {"snap-to-grid=1\ngrid-spacing=0.1\npovray-curves=1\n", {true, 0.1, true}},
        {"grid-spacing=2\r\nlater-option=x\r\n", {false, 2, false}},
        {"snap-to-grid=yes\n", {}},
        {"grid-spacing=0\n", {}},
        {"grid-spacing=11\n", {}},
        {"grid-spacing=nan\n", {}},
        {"snap-to-grid\n", {}},
        {std::string("\0\xff", 2), {}},
    };
    for (const auto& r : reads) {
        EXPECT_EQ(OptionsText::Parse(r.text), r.read) << r.text;
        EXPECT_EQ(OptionsText::Parse(OptionsText::Compose(r.read)), r.read);
    }
    Write(OptionsFile(), "snap-to-grid=1\ngrid-spacing=0.5\n");
    RunWithSettings([&](KryCmdWindow& window) {
        EXPECT_TRUE(window.canvas->Options().snapToGrid);
        EXPECT_EQ(window.canvas->Options().gridSpacing, 0.5);
        ModalAnswers answers({[](QWidget* dialog) {
            for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
                field->setText("0.125");
            }
            ModalAnswers::ClickButton(dialog, " OK ");
        }});
        Choose(window, Cmd::GridSpacing);
        Choose(window, Cmd::SnapToGrid);
        EXPECT_EQ(Read(OptionsFile()), "snap-to-grid=0\ngrid-spacing=0.125\npovray-curves=0\n");
    });
    Write(OptionsFile(), "snap-to-grid=2\n");
    RunWithSettings([&](KryCmdWindow& window) {
        EXPECT_EQ(window.canvas->Options(), CanvasOptions{});
        EXPECT_EQ(Read(OptionsFile()), "snap-to-grid=2\n") << "reading writes nothing";
    });
}

// Keep proportions: off in a file written without it, kept in the options file while on (and
// left out again when off), read back at the next start, ticked in the menu.
TEST_F(ViewMenu, KeepProportionsIsKeptAndReadBack) {
    EXPECT_EQ(OptionsText::Parse("keep-proportions=yes\n"), CanvasOptions{});
    const std::string earlier = "snap-to-grid=0\ngrid-spacing=0.25\npovray-curves=0\n";
    Write(OptionsFile(), earlier);
    RunWithSettings([&](KryCmdWindow& window) {
        EXPECT_FALSE(window.canvas->Options().keepProportions);
        Choose(window, Cmd::KeepProportions);
        EXPECT_TRUE(MenuItem(window, Cmd::KeepProportions)->isChecked());
        EXPECT_EQ(Read(OptionsFile()), earlier + "keep-proportions=1\n");
    });
    RunWithSettings([&](KryCmdWindow& window) {
        EXPECT_TRUE(window.canvas->Options().keepProportions);
        EXPECT_TRUE(MenuItem(window, Cmd::KeepProportions)->isChecked());
        Choose(window, Cmd::KeepProportions);
        EXPECT_EQ(Read(OptionsFile()), earlier);
    });
}
