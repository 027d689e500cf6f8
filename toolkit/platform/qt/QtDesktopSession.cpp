#include <QApplication>
#include <QMdiArea>
#include <QMouseEvent>
#include <cstdlib>
#include <map>
#include <memory>

#include "toolkit/platform/qt/QtCanvasWidget.h"
#include "toolkit/platform/qt/QtClipboard.h"
#include "toolkit/platform/qt/QtControlPlatform.h"
#include "toolkit/platform/qt/QtFileChooser.h"
#include "toolkit/platform/qt/QtFileWatcher.h"
#include "toolkit/platform/qt/QtFrame.h"
#include "toolkit/platform/qt/QtGlyphOutlines.h"
#include "toolkit/platform/qt/QtHandles.h"
#include "toolkit/platform/qt/QtImageWindowPlatform.h"
#include "toolkit/platform/qt/QtMenuPlatform.h"
#include "toolkit/platform/qt/QtNumberLocale.h"
#include "toolkit/platform/qt/QtPictureReader.h"
#include "toolkit/platform/qt/QtProcessRunner.h"
#include "toolkit/platform/qt/QtQuietRuntimeFolder.h"
#include "toolkit/platform/qt/QtSubWindow.h"
#include "toolkit/platform/qt/QtTableWindowPlatform.h"
#include "toolkit/platform/qt/QtTextPlatform.h"
#include "toolkit/platform/qt/QtWindowPlatform.h"
#include "toolkit/platform/vDesktopSession.h"
#include "toolkit/platform/vPlatform.h"

namespace {

QApplication* MakeApplication(int& argc, char** argv, bool offscreen) {
    if (offscreen) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    auto* application = new QApplication(argc, argv);
    KeepNumbersPlain();
    QApplication::setQuitOnLastWindowClosed(false);
    return application;
}

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject {
public:
    int Count(QWidget* widget) {
        if (!_counts.count(widget)) {
            widget->installEventFilter(this);
            _counts[widget] = 0;
        }
        return _counts[widget];
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++_counts[watched];
        }
        return false;
    }

private:
    std::map<QObject*, int> _counts;
};

QtCanvasWidget* CanvasOf(vWindowHandle child) {
    return child ? QtObjectOf(child)->Canvas() : nullptr;
}

}  // namespace

// The members are made in this order and go in the reverse one: the application first, once
// the quieting of the notes it may give at its start is in place.
struct vDesktopSession::State {
    State(int& argc, char** argv, bool offscreen)
        : application(MakeApplication(argc, argv, offscreen)),
          menus(&windows),
          pictures(&windows),
          tables(&windows) {}

    QtQuietRuntimeFolder quiet;
    std::unique_ptr<QApplication> application;
    QtWindowPlatform windows;
    QtTextPlatform text;
    QtControlPlatform controls;
    QtMenuPlatform menus;
    QtFileChooser files;
    QtProcessRunner processes;
    QtImageWindowPlatform pictures;
    QtTableWindowPlatform tables;
    QtClipboard clipboard;
    QtPictureReader pictureReader;
    QtFileWatcher fileWatcher;
    QtGlyphOutlines glyphs;
    PaintCounter paints;
};

vDesktopSession::vDesktopSession(int& argc, char** argv, bool offscreen)
    : _state(new State(argc, argv, offscreen)) {
    vPlatform bundle;
    bundle.windows = &_state->windows;
    bundle.text = &_state->text;
    bundle.controls = &_state->controls;
    bundle.menus = &_state->menus;
    bundle.fileChooser = &_state->files;
    bundle.processes = &_state->processes;
    bundle.imageWindows = &_state->pictures;
    bundle.tableWindows = &_state->tables;
    bundle.clipboard = &_state->clipboard;
    bundle.pictureReader = &_state->pictureReader;
    bundle.fileWatcher = &_state->fileWatcher;
    bundle.glyphs = &_state->glyphs;
    vPlatform::Install(bundle);
}

vDesktopSession::~vDesktopSession() {
    vPlatform::Uninstall();
    delete _state;
}

void vDesktopSession::SendMouse(vWindowHandle child, vWindowEvents::MouseAction action, int button,
                                int x, int y, int held) {
    QtCanvasWidget* canvas = CanvasOf(child);
    if (!canvas) {
        return;
    }
    static constexpr Qt::MouseButton Buttons[] = {Qt::NoButton, Qt::LeftButton, Qt::MiddleButton,
                                                  Qt::RightButton};
    const Qt::MouseButton pressed = button >= 1 && button <= 3 ? Buttons[button] : Qt::NoButton;
    Qt::MouseButtons buttons;
    buttons.setFlag(Qt::LeftButton, held & vWindowEvents::HeldLeft);
    buttons.setFlag(Qt::MiddleButton, held & vWindowEvents::HeldMiddle);
    buttons.setFlag(Qt::RightButton, held & vWindowEvents::HeldRight);
    static constexpr QEvent::Type Types[] = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                             QEvent::MouseMove};
    const QPointF at(x, y);
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, held & vWindowEvents::HeldShift);
    modifiers.setFlag(Qt::ControlModifier, held & vWindowEvents::HeldControl);
    QMouseEvent event(Types[action], at, canvas->mapToGlobal(at), pressed, buttons, modifiers);
    QCoreApplication::sendEvent(canvas, &event);
}

void vDesktopSession::ProcessEvents() {
    QCoreApplication::processEvents();
}

void vDesktopSession::ShowWhole(vWindowHandle child) {
    QtFrame* frame = QtFrame::Instance();
    QtSubWindow* window = QtObjectOf(child);
    if (!frame || !window) {
        return;
    }
    window->move(0, 0);
    const QSize viewport = frame->MdiArea()->viewport()->size();
    const QSize missing = window->size() - viewport;
    frame->resize(frame->size() + missing.expandedTo(QSize(0, 0)));
    QCoreApplication::processEvents();
}

int vDesktopSession::PaintCount(vWindowHandle child) {
    QtCanvasWidget* canvas = CanvasOf(child);
    return canvas ? _state->paints.Count(canvas) : 0;
}
