#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QUrl>

#include "toolkit/platform/vFrameEvents.h"

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QAction;
class QtSubWindow;

// The frame window: a menu bar over a client area that holds the MDI area and, around it, the
// panes. The MDI area fills the client area until the toolkit lays the panes out.
class QtFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit QtFrame(const char* caption, vFrameEvents* events);
    ~QtFrame() override;

    // The frame of the running program, if any.
    static QtFrame* Instance() { return _instance; }

    QMdiArea* MdiArea() const { return _mdi; }
    QWidget* ClientArea() const { return _client; }
    vFrameEvents* Events() const { return _events; }

    // Shows a menu bar's drop-downs; the one at windowListIndex also lists the child windows.
    void InstallMenuBar(QMenu* menuBar, int windowListIndex);
    // Reports a chosen menu item to the toolkit.
    void MenuCommand(int id);
    QtSubWindow* ActiveChild() const { return _active; }
    // Forgets a child that is going away, without reporting its deactivation.
    void ForgetChild(QtSubWindow* child);
    // Reports each local file of a drop to the toolkit.
    void FilesDropped(const QList<QUrl>& urls);
    // Lines the minimised children up along the bottom of the client area, left to right, in
    // rows from the bottom up.
    void ArrangeMinimised();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Activated(QMdiSubWindow* window);
    void FillWindowList();

    static QtFrame* _instance;

    vFrameEvents* _events;
    QWidget* _client;
    QMdiArea* _mdi;
    QPointer<QtSubWindow> _active;
    QPointer<QMenu> _windowList;
    QList<QAction*> _windowListItems;
};
