#pragma once

#include <QObject>
#include <QPointer>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "toolkit/platform/qt/QtHelpWindow.h"
#include "toolkit/platform/vWindowPlatform.h"

class QMenu;
class QSocketNotifier;
class QTimer;
class QtFrame;

// The window platform on Qt Widgets: the frame is a QMainWindow with a QMdiArea, children are
// QMdiSubWindows, menus are QMenus (a menu bar is a QMenu whose items are its drop-downs), timers
// are QTimers. Needs a QApplication.
class QtWindowPlatform : public QObject, public vWindowPlatform {
    Q_OBJECT
public:
    QtWindowPlatform();
    ~QtWindowPlatform() override;

    bool CreateFrame(const char* caption, int width, int height, vFrameEvents* events) override;
    void FrameSize(int& width, int& height) override;
    void ShowFrame() override;
    void RestoreFrame() override;
    void DestroyFrame() override;
    void ArrangeChildren(Arrangement how) override;

    vMenuHandle CreateMenu() override;
    void AppendMenuItem(vMenuHandle menu, int id, const char* label) override;
    void AppendMenuSeparator(vMenuHandle menu) override;
    void AppendSubmenu(vMenuHandle menu, vMenuHandle submenu, const char* label) override;
    void DestroyMenu(vMenuHandle menu) override;
    void SetFrameMenu(vMenuHandle menuBar, int windowListIndex) override;

    vWindowHandle CreateChild(const char* title, int clientWidth, int clientHeight,
                              PixelSurface* surface, vWindowEvents* events) override;
    void DestroyChild(vWindowHandle child) override;
    void SetChildTitle(vWindowHandle child, const char* title) override;
    void RaiseChild(vWindowHandle child) override;
    void ShowChild(vWindowHandle child, bool restore) override;
    void ChildPlacement(vWindowHandle child, int& left, int& top, int& width, int& height) override;
    void MoveChild(vWindowHandle child, int left, int top) override;
    void UpdateChild(vWindowHandle child) override;
    void SetChildScrollBar(vWindowHandle child, bool horizontal, bool visible, int shown,
                           int position) override;

    int RunEventLoop() override;
    void ExitEventLoop(int code) override;
    int StartTimer(int milliseconds, TimerCallback callback) override;
    void StopTimer(int id) override;
    bool WatchDescriptor(int fd, TimerCallback callback) override;
    void WarningBox(const char* caption, const char* text) override;
    bool ShowHelp(vWindowHandle owner, const char* path) override;
    uint32_t SystemColor(SystemColour which) override;

    QtFrame* Frame() const { return _frame; }
    // The help window once help was asked for and while it exists.
    QtHelpWindow* HelpWindow() const { return _help; }
    // The menu a handle stands for, if this platform made it and it still exists.
    QMenu* MenuOf(vMenuHandle handle) const;

private:
    enum class FrameShow { None, Maximised, Normal };
    void ShowPendingFrame();

    QtFrame* _frame = nullptr;
    FrameShow _pendingShow = FrameShow::None;
    QPointer<QtHelpWindow> _help;
    std::set<QMenu*> _menus;
    std::map<int, QTimer*> _timers;
    std::vector<std::unique_ptr<QSocketNotifier>> _watches;
    int _lastTimerId = 0;
    bool _exitRequested = false;
    int _exitCode = 0;
};
