#include "toolkit/platform/qt/QtWindowPlatform.h"

#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>

#include "toolkit/platform/qt/QtCanvasWidget.h"
#include "toolkit/platform/qt/QtFrame.h"
#include "toolkit/platform/qt/QtHandles.h"
#include "toolkit/platform/qt/QtLook.h"
#include "toolkit/platform/qt/QtSubWindow.h"

namespace {

QString Text(const char* text) {
    return QString::fromLocal8Bit(text ? text : "");
}

uint32_t Packed(const QColor& colour) {
    return colour.rgb() & 0xffffffu;
}

}  // namespace

QtWindowPlatform::QtWindowPlatform() {
    QtLook::Apply();
}

QtWindowPlatform::~QtWindowPlatform() {
    for (auto& timer : _timers) {
        delete timer.second;
    }
    DestroyFrame();
    delete _help;
    for (QMenu* menu : _menus) {
        delete menu;
    }
}

bool QtWindowPlatform::CreateFrame(const char* caption, int width, int height,
                                   vFrameEvents* events) {
    DestroyFrame();
    _frame = new QtFrame(caption, events);
    if (width > 0 && height > 0) {
        _frame->resize(width, height);
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        // The normal size and place the frame is restored to: three quarters of the screen,
        // in its middle.
        const QRect screenArea = screen->availableGeometry();
        QRect normal(QPoint(), screenArea.size() * 3 / 4);
        normal.moveCenter(screenArea.center());
        _frame->setGeometry(normal);
    }
    return true;
}

void QtWindowPlatform::FrameSize(int& width, int& height) {
    width = _frame ? _frame->width() : 0;
    height = _frame ? _frame->height() : 0;
}

// The frame goes on the screen once the event loop (or a modal dialog's) runs, in the state it
// has by then: nothing is painted before anyway, and start-up builds its first window and
// restores the frame without laying out a frame on the screen twice or flashing it maximised.
void QtWindowPlatform::ShowFrame() {
    if (_frame) {
        _pendingShow = FrameShow::Maximised;
        QTimer::singleShot(0, _frame, [this]() { ShowPendingFrame(); });
    }
}

void QtWindowPlatform::RestoreFrame() {
    if (_pendingShow != FrameShow::None) {
        _pendingShow = FrameShow::Normal;
    } else if (_frame) {
        _frame->showNormal();
    }
}

void QtWindowPlatform::ShowPendingFrame() {
    const FrameShow show = _pendingShow;
    _pendingShow = FrameShow::None;
    if (show == FrameShow::Maximised) {
        _frame->showMaximized();
    } else if (show == FrameShow::Normal) {
        _frame->showNormal();
    }
}

void QtWindowPlatform::DestroyFrame() {
    _pendingShow = FrameShow::None;
    delete _frame;
    _frame = nullptr;
}

void QtWindowPlatform::ArrangeChildren(Arrangement how) {
    if (!_frame) {
        return;
    }
    switch (how) {
        case ArrangeTile:
            _frame->MdiArea()->tileSubWindows();
            break;
        case ArrangeCascade:
            _frame->MdiArea()->cascadeSubWindows();
            break;
        case ArrangeIcons:
            _frame->ArrangeMinimised();
            break;
    }
}

vMenuHandle QtWindowPlatform::CreateMenu() {
    QMenu* menu = new QMenu();
    _menus.insert(menu);
    return HandleOf<vMenuHandle>(menu);
}

QMenu* QtWindowPlatform::MenuOf(vMenuHandle handle) const {
    QMenu* menu = QtObjectOf(handle);
    return _menus.count(menu) ? menu : nullptr;
}

void QtWindowPlatform::AppendMenuItem(vMenuHandle menu, int id, const char* label) {
    if (QMenu* target = MenuOf(menu)) {
        QAction* item = target->addAction(Text(label));
        item->setData(id);
        connect(item, &QAction::triggered, this, [id]() {
            if (QtFrame* frame = QtFrame::Instance()) {
                frame->MenuCommand(id);
            }
        });
    }
}

void QtWindowPlatform::AppendMenuSeparator(vMenuHandle menu) {
    if (QMenu* target = MenuOf(menu)) {
        target->addSeparator();
    }
}

void QtWindowPlatform::AppendSubmenu(vMenuHandle menu, vMenuHandle submenu, const char* label) {
    QMenu* target = MenuOf(menu);
    QMenu* dropDown = MenuOf(submenu);
    if (target && dropDown) {
        dropDown->setTitle(Text(label));
        target->addMenu(dropDown);
    }
}

void QtWindowPlatform::DestroyMenu(vMenuHandle menu) {
    if (QMenu* target = MenuOf(menu)) {
        _menus.erase(target);
        delete target;
    }
}

void QtWindowPlatform::SetFrameMenu(vMenuHandle menuBar, int windowListIndex) {
    if (_frame) {
        _frame->InstallMenuBar(MenuOf(menuBar), windowListIndex);
    }
}

vWindowHandle QtWindowPlatform::CreateChild(const char* title, int clientWidth, int clientHeight,
                                            PixelSurface* surface, vWindowEvents* events) {
    if (!_frame) {
        return nullptr;
    }
    auto* canvas = new QtCanvasWidget(surface, events, clientWidth, clientHeight);
    auto* child = new QtSubWindow(canvas, events);
    child->setWindowTitle(Text(title));
    _frame->MdiArea()->addSubWindow(child);
    child->adjustSize();
    child->show();
    canvas->setFocus();
    return HandleOf<vWindowHandle>(child);
}

// Children may be destroyed from their own close event, so the object goes later; it stops
// reporting at once.
void QtWindowPlatform::DestroyChild(vWindowHandle child) {
    QtSubWindow* window = QtObjectOf(child);
    if (!window) {
        return;
    }
    window->Detach();
    if (_frame) {
        _frame->ForgetChild(window);
        _frame->MdiArea()->removeSubWindow(window);
    }
    window->hide();
    window->deleteLater();
}

void QtWindowPlatform::SetChildTitle(vWindowHandle child, const char* title) {
    if (QtSubWindow* window = QtObjectOf(child)) {
        window->setWindowTitle(Text(title));
    }
}

void QtWindowPlatform::RaiseChild(vWindowHandle child) {
    QtSubWindow* window = QtObjectOf(child);
    if (window && _frame) {
        _frame->MdiArea()->setActiveSubWindow(window);
        window->raise();
    }
}

void QtWindowPlatform::ShowChild(vWindowHandle child, bool restore) {
    if (QtSubWindow* window = QtObjectOf(child)) {
        restore ? window->showNormal() : window->showMinimized();
    }
}

void QtWindowPlatform::ChildPlacement(vWindowHandle child, int& left, int& top, int& width,
                                      int& height) {
    QRect area = QtObjectOf(child) ? QtObjectOf(child)->geometry() : QRect();
    left = area.x();
    top = area.y();
    width = area.width();
    height = area.height();
}

void QtWindowPlatform::MoveChild(vWindowHandle child, int left, int top) {
    if (QtSubWindow* window = QtObjectOf(child)) {
        window->move(left, top);
    }
}

void QtWindowPlatform::UpdateChild(vWindowHandle child) {
    if (QtSubWindow* window = QtObjectOf(child)) {
        window->Canvas()->update();
    }
}

void QtWindowPlatform::SetChildScrollBar(vWindowHandle child, bool horizontal, bool visible,
                                         int shown, int position) {
    if (QtSubWindow* window = QtObjectOf(child)) {
        window->Canvas()->SetScrollBar(horizontal, visible, shown, position);
    }
}

// An exit asked for before the loop runs ends it as soon as it starts, as a posted quit would.
int QtWindowPlatform::RunEventLoop() {
    if (_exitRequested) {
        _exitRequested = false;
        return _exitCode;
    }
    int code = QApplication::exec();
    _exitRequested = false;
    return code;
}

void QtWindowPlatform::ExitEventLoop(int code) {
    _exitRequested = true;
    _exitCode = code;
    QCoreApplication::exit(code);
}

int QtWindowPlatform::StartTimer(int milliseconds, TimerCallback callback) {
    if (milliseconds < 0 || !callback) {
        return 0;
    }
    int id = ++_lastTimerId;
    auto* timer = new QTimer();
    connect(timer, &QTimer::timeout, this, [callback, id]() { callback(id); });
    timer->start(milliseconds);
    _timers[id] = timer;
    return id;
}

void QtWindowPlatform::StopTimer(int id) {
    auto found = _timers.find(id);
    if (found != _timers.end()) {
        delete found->second;
        _timers.erase(found);
    }
}

bool QtWindowPlatform::WatchDescriptor(int fd, TimerCallback callback) {
    if (fd < 0 || !callback) {
        return false;
    }
    for (const auto& watch : _watches) {
        if (watch->socket() == fd) {
            return true;
        }
    }
    auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, [callback, fd]() { callback(fd); });
    _watches.push_back(std::move(notifier));
    return true;
}

void QtWindowPlatform::WarningBox(const char* caption, const char* text) {
    QMessageBox box(QMessageBox::Warning, Text(caption), Text(text), QMessageBox::Ok, _frame);
    box.exec();
}

// One help window for the program, over the frame (it goes with it); asking again brings it
// back at the contents.
bool QtWindowPlatform::ShowHelp(vWindowHandle owner, const char* path) {
    (void)owner;
    if (!_help) {
        _help = new QtHelpWindow(_frame);
    }
    return _help->OpenContents(Text(path));
}

uint32_t QtWindowPlatform::SystemColor(SystemColour which) {
    QPalette palette = QApplication::palette();
    switch (which) {
        case ColourButtonShadow:
            return Packed(palette.color(QPalette::Dark));
        case ColourButtonHighlight:
            return Packed(palette.color(QPalette::Light));
        default:
            return Packed(palette.color(QPalette::Button));
    }
}
