#include <sys/stat.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWheelEvent>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <exception>
#include <map>
#include <optional>
#include <set>
#include <typeinfo>

#include "AppFixture.h"
#include "dialogs/KryDialog.h"
#include "model/DrawingSnapshot.h"
#include "support/DrawingSoundness.h"
#include "support/TestRandom.h"
#include "toolkit/CommandIds.h"
#include "toolkit/platform/qt/QtCanvasWidget.h"
#include "toolkit/platform/qt/QtHandles.h"
#include "toolkit/platform/qt/QtSubWindow.h"

// A seeded, repeatable monkey: random mouse gestures in every edit mode, undo and redo keys,
// every command with its dialogs answered at random, new, closed and resized windows, other
// programs changing the windows' files. After every event each drawing must be sound, and one
// that differs from what was last saved, read (again) or cleared must be marked changed.
// VEXLIN_MONKEY_SEED and VEXLIN_MONKEY_EVENTS choose another run.
namespace {

constexpr int kDefaultEvents = 2000;
constexpr int kMostWindows = 5;

// An exception that escapes an event handler ends the run; say which one, so that the seed's
// log points at the fault.
[[noreturn]] void TellTheEscapedException() {
    try {
        std::rethrow_exception(std::current_exception());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "escaped exception: %s: %s\n", typeid(e).name(), e.what());
    } catch (...) {
        std::fprintf(stderr, "escaped exception of an unknown type\n");
    }
    std::abort();
}

int FromEnvironment(const char* name, int otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoi(value) : otherwise;
}

// What a user might type into any field.
const char* const kTexts[] = {
    // numbers in range and out of it
    "", "0", "1", "-1", "3", "7", "100", "2.5", "0.001", "1e308", "-1e308", "-0",
    // no number, or garbage
    "nan", "inf", "abc", "0x10", " 7 ", "12345678901234567890", "//x", "\"q\""};

class Monkey : public AppFixture {
protected:
    Monkey() : _random(static_cast<unsigned>(FromEnvironment("VEXLIN_MONKEY_SEED", 1))) {
        // A session ends after its events, however slow the machine: the watchdog ending one
        // early would make a seed replay another run.
        watchdogMilliseconds = 240000;
        std::set_terminate(TellTheEscapedException);
        _answerer.setInterval(0);
        QObject::connect(&_answerer, &QTimer::timeout, [this] { AnswerDialogs(); });
        PrepareFiles();
        WatchFiles();
    }

    int Uniform(int low, int high) { return _random.Between(low, high); }
    bool Chance(int percent) { return Uniform(0, 99) < percent; }
    template <typename T, size_t N>
    const T& OneOf(const T (&items)[N]) {
        return items[Uniform(0, static_cast<int>(N) - 1)];
    }

    // Drawings of every kind to open, bad files, and names to save under.
    void PrepareFiles() {
        const std::string files = root + "/files";
        std::filesystem::create_directories(files + "/folder.pol");
        const std::filesystem::path corpus =
            std::filesystem::path(VEXLIN_SOURCE_DIR) / "fuzz/corpus/scene_reader";
        for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
            std::filesystem::copy_file(entry.path(),
                                       files + "/" + entry.path().filename().string());
            _names.push_back(files + "/" + entry.path().filename().string());
        }
        for (const char* name :
             {"new", "new.pol", "new.prm", "new.lat", "new.sor", "folder.pol", "missing/x.pol"}) {
            _names.push_back(files + "/" + name);
        }
        // The device itself: a name without a "." would get an extension, and as root the
        // save would leave /dev/full.pol behind.
        _names.push_back("/dev/./full");
        _names.push_back(files + "/" + std::string(120, 'n'));
    }

    // Runs sessions of the editor until the events are spent; Exit ends a session early.
    void Run(int events) {
        _answerer.start();
        while (_done < events && !HasFailure()) {
            _baselines.clear();
            _current = nullptr;
            const int sessionEnd = std::min(events, _done + Uniform(200, 1000));
            RunWithSettings([&](KryCmdWindow&) {
                while (_done < sessionEnd && !HasFailure() && !_sessionOver) {
                    NoteFilesShown();
                    OneEvent();
                    ++_done;
                    Settle();
                    CheckEveryWindow();
                }
            });
            _sessionOver = false;
        }
        _answerer.stop();
    }

    void OneEvent() {
        const int windows = app.WindowCount();
        if (windows == 0) {
            FrameCommand();
            return;
        }
        KryCmdWindow& window = ChooseWindow();
        // Its activation may have read its file again: that drawing is the one to keep before
        // the command that follows names another file.
        CheckEveryWindow();
        const int what = Uniform(0, 99);
        if (what < 55) {
            Gesture(window);
        } else if (what < 62) {
            UndoOrRedo(window);
        } else if (what < 90) {
            Command(window, _commands[Uniform(0, static_cast<int>(_commands.size()) - 1)]);
        } else if (what < 92) {
            CurveEditing(window);
        } else if (what < 93) {
            ChangeFileOutside(window);
        } else if (what < 94) {
            PokeModelessDialogs();
        } else if (what < 97 || windows > kMostWindows) {
            Close(window);
        } else {
            Resize(window);
        }
    }

    // Users work in one window for a while. Menus and mouse reach the active window, so the
    // one chosen is brought to the front.
    KryCmdWindow& ChooseWindow() {
        KryCmdWindow* window = nullptr;
        for (int i = 0; i < app.WindowCount() && Chance(80); ++i) {
            if (Window(i) == _current) {
                window = _current;
            }
        }
        if (window == nullptr) {
            window = Window(Uniform(0, app.WindowCount() - 1));
        }
        window->BringToFront();
        _current = window;
        return *window;
    }

    void Log(const std::string& event) {
        _log.push_back(std::to_string(_done) + ": " + event);
        if (_log.size() > 30) {
            _log.pop_front();
        }
    }

    // Mouse ------------------------------------------------------------------------------------

    QPoint RandomPoint(const QtCanvasWidget& widget, const KCanvasPane& canvas) {
        const int width = std::max(widget.width(), 1);
        const int height = std::max(widget.height(), 1);
        const int where = Uniform(0, 9);
        if (where < 3 && canvas.pointCount > 0) {
            const Point2& p = canvas.points[Uniform(0, canvas.pointCount - 1)];
            return QPoint(canvas.PixelX(p.x) + Uniform(-2, 2), canvas.PixelY(p.y) + Uniform(-2, 2));
        }
        if (where < 5) {
            return QPoint(Uniform(-200, width + 200), Uniform(-200, height + 200));
        }
        return QPoint(Uniform(0, width - 1), Uniform(0, height - 1));
    }

    static void Send(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                     Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &event);
    }

    Qt::MouseButton RandomButton() {
        const int which = Uniform(0, 9);
        return which < 6 ? Qt::LeftButton : which < 9 ? Qt::RightButton : Qt::MiddleButton;
    }

    // A press, a few drags and a release, now and then with another button or none at all.
    void Gesture(KryCmdWindow& window) {
        QtCanvasWidget* widget = QtObjectOf(window.Handle())->Canvas();
        const KCanvasPane& canvas = *window.canvas;
        const Qt::MouseButton button = RandomButton();
        Log("gesture, button " + std::to_string(button) + " in mode " + std::to_string(editMode) +
            " in \"" + window.Name() + "\"");
        if (Chance(10)) {
            Send(*widget, QEvent::MouseMove, RandomPoint(*widget, canvas), Qt::NoButton,
                 Qt::NoButton);
            return;
        }
        // The wheel zooms with Ctrl and scrolls a zoomed view.
        if (Chance(5)) {
            const QPoint at = RandomPoint(*widget, canvas);
            const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ControlModifier,
                                                       Qt::ShiftModifier};
            QWheelEvent wheel(QPointF(at), widget->mapToGlobal(QPointF(at)), QPoint(),
                              QPoint(Uniform(-1, 1) * 15, Uniform(-2, 2) * 120), Qt::NoButton,
                              OneOf(modifiers), Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(widget, &wheel);
            return;
        }
        Send(*widget, QEvent::MouseButtonPress, RandomPoint(*widget, canvas), button, button);
        for (int drags = Uniform(0, 4); drags > 0; --drags) {
            Send(*widget, QEvent::MouseMove, RandomPoint(*widget, canvas), Qt::NoButton, button);
        }
        const Qt::MouseButton released = Chance(90) ? button : RandomButton();
        Send(*widget, QEvent::MouseButtonRelease, RandomPoint(*widget, canvas), released,
             Qt::NoButton);
    }

    void UndoOrRedo(KryCmdWindow& window) {
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        } keys[] = {{Qt::Key_Z, Qt::ControlModifier},
                    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
                    {Qt::Key_Y, Qt::ControlModifier},
                    {Qt::Key_Z, Qt::ControlModifier},
                    // Select mode's keys; elsewhere they do nothing.
                    {Qt::Key_A, Qt::ControlModifier},
                    {Qt::Key_Delete, Qt::NoModifier},
                    {Qt::Key_Left, Qt::ShiftModifier},
                    {Qt::Key_Escape, Qt::NoModifier}};
        const auto& key = OneOf(keys);
        Log("key " + std::to_string(key.key) + " with " + std::to_string(key.modifiers));
        QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers);
        QCoreApplication::sendEvent(QtObjectOf(window.Handle())->Canvas(), &press);
    }

    // Commands, windows and dialogs -------------------------------------------------------------

    // A spline's control points are edited only in prism mode, with a spline chosen in the
    // prism values and "Control" chosen after it, which random commands rarely line up.
    void CurveEditing(KryCmdWindow& window) {
        Log("curve editing in \"" + std::string(window.Name()) + "\"");
        Choose(window, Cmd::KindPrism);
        window.prismDialog->SetPrismValues(0.0, 0.5, Uniform(QuadraticSpline, BezierSpline),
                                           Uniform(LinearSweep, ConicSweep), Uniform(0, 1),
                                           Uniform(0, 1));
        Choose(window, Cmd::SetControl);
    }

    // The file chooser picks one of the prepared names, with any filter, or is cancelled.
    void ShuffleChooser() {
        files.answer = Chance(85);
        files.path = _names[Uniform(0, static_cast<int>(_names.size()) - 1)];
        files.filter = Uniform(PolygonFilter, SorFilter);
    }

    void Command(KryCmdWindow& window, int id) {
        Log("command " + std::to_string(id) + " in \"" + window.Name() + "\"");
        ShuffleChooser();
        const bool untitled = window.fileName[0] == '\0';
        const std::map<std::string, std::string> stamps =
            StampsOf({window.fileName, files.path, files.path + ".pol", files.path + ".prm",
                      files.path + ".lat", files.path + ".sor"});
        if (Chance(80)) {
            Choose(window, id);
        } else {
            window.OnWindowCommand(id, id, CtlMenuItem);
        }
        if (id == Cmd::Exit) {
            _sessionOver = app.WindowCount() == 0;
            return;
        }
        NewBaselineAfter(window, id, untitled, stamps);
        Log("  now \"" + std::string(window.fileName) + "\", changed " +
            std::to_string(window.canvas->changed));
    }

    // A file's identity and the time of its last change, "" when there is none: a save
    // replaces the file or rewrites it, and either changes its stamp.
    static std::map<std::string, std::string> StampsOf(std::initializer_list<std::string> paths) {
        std::map<std::string, std::string> stamps;
        for (const std::string& path : paths) {
            struct stat info;
            stamps[path] = stat(path.c_str(), &info) != 0
                               ? ""
                               : std::to_string(info.st_ino) + ":" +
                                     std::to_string(info.st_ctim.tv_sec) + "." +
                                     std::to_string(info.st_ctim.tv_nsec);
        }
        return stamps;
    }

    // The frame's own menu, when no window is open.
    void FrameCommand() {
        const int ids[] = {IdAppNew, IdAppOpen, IdAppExit};
        const int id = OneOf(ids);
        Log("frame command " + std::to_string(id));
        ShuffleChooser();
        app.OnAppCommand(nullptr, id, 0, 0);
        _sessionOver = id == IdAppExit;
    }

    // The close box: the settings are written, then a changed drawing asks.
    void Close(KryCmdWindow& window) {
        Log("close " + std::string(window.Name()));
        ShuffleChooser();
        QtObjectOf(window.Handle())->close();
    }

    // Another program puts one of the prepared files in place of the window's file; the window
    // offers to read it again once it is next activated.
    void ChangeFileOutside(KryCmdWindow& window) {
        const std::string& other = _names[Uniform(0, static_cast<int>(_names.size()) - 1)];
        const std::string own = window.fileName;
        Log("outside change of \"" + own + "\" to " + other);
        if (own.rfind(root + "/files/", 0) == 0 && std::filesystem::is_regular_file(own) &&
            std::filesystem::is_regular_file(other) && other != own) {
            Write(own, Read(other));
        }
    }

    void Resize(KryCmdWindow& window) {
        const int width = Chance(20) ? Uniform(1, 60) : Uniform(60, 800);
        const int height = Chance(20) ? Uniform(1, 60) : Uniform(60, 700);
        Log("resize to " + std::to_string(width) + "x" + std::to_string(height));
        QtObjectOf(window.Handle())->resize(width, height);
    }

    // Random texts in the fields, random boxes and choices, then a random button; a dialog that
    // keeps refusing is cancelled at last.
    void Fill(QWidget& dialog) {
        for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
            if (!field->isReadOnly() && Chance(60)) {
                field->setText(Chance(80) ? QString(OneOf(kTexts))
                                          : QString(Uniform(0, 200), QChar('x' + Uniform(0, 2))));
            }
        }
        for (QAbstractButton* box : dialog.findChildren<QAbstractButton*>()) {
            if ((qobject_cast<QCheckBox*>(box) || qobject_cast<QRadioButton*>(box)) &&
                box->isEnabled() && Chance(25)) {
                box->click();
            }
        }
    }

    void PressAButton(QWidget& dialog, bool cancel) {
        std::vector<QPushButton*> buttons;
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->isVisible() && button->isEnabled()) {
                buttons.push_back(button);
            }
        }
        if (buttons.empty()) {
            return;
        }
        QPushButton* chosen = buttons[Uniform(0, static_cast<int>(buttons.size()) - 1)];
        for (QPushButton* button : buttons) {
            if (cancel && button->text().trimmed() == "Cancel") {
                chosen = button;
            }
        }
        Log("  answer \"" + chosen->text().toStdString() + "\" in \"" +
            dialog.windowTitle().toStdString() + "\"");
        chosen->click();
    }

    void AnswerDialogs() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            return;
        }
        const int tries = dialog->property("tries").toInt();
        dialog->setProperty("tries", tries + 1);
        Fill(*dialog);
        PressAButton(*dialog, tries > 5);
    }

    // The windows' prism values dialogs in the windows' order: Qt lists its top-level widgets
    // in an order that changes from run to run, and a seed must replay the same run.
    void PokeModelessDialogs() {
        Log("modeless dialogs");
        for (int i = 0; i < app.WindowCount(); ++i) {
            KryDialog& values = *Window(i)->prismDialog;
            auto* host = values.HasHost() ? dynamic_cast<QtControlHost*>(&values.Host()) : nullptr;
            QWidget* dialog = host != nullptr ? host->Window() : nullptr;
            if (dialog != nullptr && dialog->isVisible()) {
                Fill(*dialog);
                PressAButton(*dialog, false);
            }
        }
    }

    // Checks ------------------------------------------------------------------------------------

    // What a save, a read or Clear leaves is the drawing the user has; a save counts only when
    // the command wrote the file and it holds the drawing as the writer writes it now (another
    // window may have written the same text there). Open reads into an untitled window; a read
    // that failed leaves what it had read, which counts as read: undoing back to it, even after
    // a Clear, leaves nothing to save.
    void NewBaselineAfter(KryCmdWindow& window, int id, bool untitled,
                          const std::map<std::string, std::string>& stamps) {
        if (window.canvas->changed != 0 || app.WindowCount() == 0) {
            return;
        }
        bool saved = false;
        if (id == Cmd::Save || id == Cmd::SaveAs) {
            std::string text;
            int kind = Polygon;
            const auto before = stamps.find(window.fileName);
            const bool written = before == stamps.end() ||
                                 StampsOf({window.fileName}).begin()->second != before->second;
            // A device such as /dev/full would read without end.
            saved =
                written && window.canvas->SceneFileText(window.fileName, shapeKind, text, kind) &&
                std::filesystem::is_regular_file(window.fileName) && Read(window.fileName) == text;
        }
        const bool read = id == Cmd::Open && untitled && window.fileName[0] != '\0';
        const DrawingSnapshot now = DrawingSnapshot::Of(*window.canvas);
        if (saved || read) {
            _baselines[&window] = {now, std::nullopt};
            return;
        }
        // A window not seen yet takes what it shows at the check.
        auto known = _baselines.find(&window);
        if (known == _baselines.end()) {
            return;
        }
        if (id == Cmd::Open && !known->second.Holds(now)) {
            known->second = {now, std::nullopt};
        } else if (id == Cmd::Clear) {
            known->second.letGo = now;
        }
    }

    // A window made later may take the memory of one closed now: it must not inherit its
    // drawings, nor be taken for the window the user was working in.
    void ForgetClosedWindows() {
        std::set<KryCmdWindow*> open;
        for (int i = 0; i < app.WindowCount(); ++i) {
            open.insert(Window(i));
        }
        for (auto known = _baselines.begin(); known != _baselines.end();) {
            known = open.count(known->first) != 0 ? std::next(known) : _baselines.erase(known);
        }
        if (open.count(_current) == 0) {
            _current = nullptr;
        }
    }

    void CheckEveryWindow() {
        ForgetClosedWindows();
        for (int i = 0; i < app.WindowCount(); ++i) {
            KryCmdWindow& window = *Window(i);
            const KCanvasPane& canvas = *window.canvas;
            const DrawingSnapshot now = DrawingSnapshot::Of(canvas);
            // A window first seen changed was made empty during the event: only a read gives
            // a new window a drawing, and leaves it unchanged.
            auto baseline = _baselines.find(&window);
            if (baseline == _baselines.end()) {
                const DrawingSnapshot& made = canvas.changed == 0 ? now : _empty;
                baseline = _baselines.emplace(&window, Baselines{made, std::nullopt}).first;
            }
            const Baselines& unmarked = baseline->second;
            std::string fault = DrawingFault(canvas);
            if (std::memchr(window.fileName, '\0', sizeof window.fileName) == nullptr) {
                fault = "the file name has no end";
            } else if (canvas.changed == 0 && !unmarked.Holds(now) && !ReadAgain(window, now)) {
                fault = "the drawing differs from the one saved, but is not marked changed";
            }
            if (!fault.empty()) {
                ADD_FAILURE() << "after event " << _done << " in window " << i << " \""
                              << window.Name() << "\": " << fault << "\n"
                              << History();
                return;
            }
        }
    }

    // What the windows' files hold before an event: a window may read its file again during
    // the event (on its activation), and another window may write the file after that.
    void NoteFilesShown() {
        for (int i = 0; i < app.WindowCount(); ++i) {
            const std::string name = Window(i)->fileName;
            if (name.empty() || !std::filesystem::is_regular_file(name)) {
                continue;
            }
            const std::string stamp = StampsOf({name}).begin()->second;
            auto known = _filesShown.find(name);
            if (known == _filesShown.end() || known->second.first != stamp) {
                _filesShown[name] = {stamp, DrawingIn(name)};
            }
        }
    }

    // A drawing read again from its file, after another program changed it, is the one saved.
    bool ReadAgain(KryCmdWindow& window, const DrawingSnapshot& now) {
        const std::string name = window.fileName;
        if (name.empty() || !std::filesystem::is_regular_file(name)) {
            return false;
        }
        const auto before = _filesShown.find(name);
        if (DrawingIn(name) != now &&
            (before == _filesShown.end() || before->second.second != now)) {
            return false;
        }
        _baselines[&window] = {now, std::nullopt};
        return true;
    }

    std::string History() const {
        std::string text = "seed " + std::to_string(FromEnvironment("VEXLIN_MONKEY_SEED", 1)) +
                           ", the last events:\n";
        for (const std::string& line : _log) {
            text += line + "\n";
        }
        return text;
    }

    TestRandom _random;
    const std::vector<int> _commands = TableCommands();
    QTimer _answerer;
    std::vector<std::string> _names;
    // The drawings a window may show without being marked changed: the one last saved or
    // read (a failed read included), and the one Clear left, for which the user let the rest go.
    struct Baselines {
        DrawingSnapshot saved;
        std::optional<DrawingSnapshot> letGo;
        bool Holds(const DrawingSnapshot& drawing) const {
            return drawing == saved || drawing == letGo;
        }
    };
    std::map<KryCmdWindow*, Baselines> _baselines;
    // Each file's stamp and drawing when an event began.
    std::map<std::string, std::pair<std::string, DrawingSnapshot>> _filesShown;
    const DrawingSnapshot _empty = DrawingSnapshot::Of(KCanvasPane(nullptr));
    std::deque<std::string> _log;
    KryCmdWindow* _current = nullptr;
    int _done = 0;
    bool _sessionOver = false;
};

}  // namespace

TEST_F(Monkey, RandomEventsKeepEveryDrawingSound) {
    Run(FromEnvironment("VEXLIN_MONKEY_EVENTS", kDefaultEvents));
}
