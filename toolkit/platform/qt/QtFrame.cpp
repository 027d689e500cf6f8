#include "toolkit/platform/qt/QtFrame.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QResizeEvent>

#include "toolkit/platform/qt/QtCanvasWidget.h"
#include "toolkit/platform/qt/QtSubWindow.h"

QtFrame* QtFrame::_instance = nullptr;

QtFrame::QtFrame(const char* caption, vFrameEvents* events) : _events(events) {
    _instance = this;
    setWindowTitle(QString::fromLocal8Bit(caption));
    setAcceptDrops(true);
    _client = new QWidget(this);
    _client->installEventFilter(this);
    setCentralWidget(_client);
    _mdi = new QMdiArea(_client);
    _mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    _mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(_mdi, &QMdiArea::subWindowActivated, this, &QtFrame::Activated);
    menuBar()->setNativeMenuBar(false);
}

QtFrame::~QtFrame() {
    // The area reports a null activation while it is destroyed.
    disconnect(_mdi, nullptr, this, nullptr);
    _events = nullptr;
    if (_instance == this) {
        _instance = nullptr;
    }
}

void QtFrame::MenuCommand(int id) {
    if (_events) {
        _events->FrameCommand(id);
    }
}

void QtFrame::InstallMenuBar(QMenu* menuBar, int windowListIndex) {
    QMenuBar* bar = this->menuBar();
    bar->clear();
    if (_windowList) {
        disconnect(_windowList, &QMenu::aboutToShow, this, nullptr);
    }
    qDeleteAll(_windowListItems);
    _windowListItems.clear();
    _windowList = nullptr;
    if (!menuBar) {
        return;
    }
    const QList<QAction*> dropDowns = menuBar->actions();
    for (QAction* action : dropDowns) {
        bar->addAction(action);
    }
    if (windowListIndex >= 0 && windowListIndex < dropDowns.size() &&
        dropDowns[windowListIndex]->menu()) {
        _windowList = dropDowns[windowListIndex]->menu();
        connect(_windowList, &QMenu::aboutToShow, this, &QtFrame::FillWindowList);
    }
}

// The window list at the end of its drop-down: one numbered item per child, the active one
// checked.
void QtFrame::FillWindowList() {
    qDeleteAll(_windowListItems);
    _windowListItems.clear();
    const QList<QMdiSubWindow*> children = _mdi->subWindowList();
    if (!_windowList || children.isEmpty()) {
        return;
    }
    _windowListItems.append(_windowList->addSeparator());
    int number = 1;
    for (QMdiSubWindow* child : children) {
        QAction* item =
            _windowList->addAction(QString("&%1 %2").arg(number++).arg(child->windowTitle()));
        item->setCheckable(true);
        item->setChecked(child == _mdi->activeSubWindow());
        QPointer<QMdiSubWindow> target(child);
        connect(item, &QAction::triggered, this, [this, target]() {
            if (target) {
                _mdi->setActiveSubWindow(target);
            }
        });
        _windowListItems.append(item);
    }
}

void QtFrame::Activated(QMdiSubWindow* window) {
    auto* child = qobject_cast<QtSubWindow*>(window);
    if (child == _active) {
        return;
    }
    QPointer<QtSubWindow> previous = _active;
    _active = child;
    if (previous && previous->Events()) {
        previous->Events()->ChildActivated(false, false);
    }
    if (child && child->Events()) {
        child->Events()->ChildActivated(true, child->Canvas()->FocusedByLeftPress());
    }
}

void QtFrame::ForgetChild(QtSubWindow* child) {
    if (_active == child) {
        _active = nullptr;
    }
}

bool QtFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == _client && event->type() == QEvent::Resize) {
        _mdi->setGeometry(_client->rect());
        if (_events) {
            _events->FrameResized();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void QtFrame::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (_events) {
        _events->FrameCloseRequest();
    }
}

void QtFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void QtFrame::dropEvent(QDropEvent* event) {
    FilesDropped(event->mimeData()->urls());
    event->acceptProposedAction();
}

void QtFrame::FilesDropped(const QList<QUrl>& urls) {
    for (const QUrl& url : urls) {
        if (url.isLocalFile() && _events) {
            _events->FrameFileDropped(url.toLocalFile().toLocal8Bit().constData());
        }
    }
}

void QtFrame::ArrangeMinimised() {
    const QSize area = _mdi->viewport()->size();
    int x = 0;
    int bottom = area.height();
    for (QMdiSubWindow* child : _mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (!child->isMinimized()) {
            continue;
        }
        const QSize size = child->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            bottom -= size.height();
        }
        child->move(x, bottom - size.height());
        x += size.width();
    }
}
