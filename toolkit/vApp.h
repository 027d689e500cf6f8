#pragma once

#include <functional>
#include <list>
#include <vector>

#include "toolkit/platform/vFrameEvents.h"
#include "toolkit/vBaseWindow.h"
#include "toolkit/vBrush.h"
#include "toolkit/vPen.h"

class vAppWinInfo;
class vArgumentList;
class vPane;
class vWindow;
class vWorkTimer;

// The application's start-up function, defined by the program: a nonzero result ends the
// program with that exit code before the event loop runs.
int OnAppStart(int argc, char** argv);
using vAppStartFunction = int (*)(int argc, char** argv);

// The one application object. It owns the frame window and its menu, keeps the list of open
// windows and the windows waiting to be deleted, runs the event loop and the quit protocol.
class vApp : public vBaseWindow, private vFrameEvents {
public:
    // Width and height are the default client size of child windows; 0 derives it from the frame.
    vApp(const char* name, int singleDocument = 0, int width = 0, int height = 0);
    ~vApp() override;

    virtual void OnAppCommand(vWindow* window, int id, int value, int kind);
    virtual void OnLastWindowClosed(vWindow* window);
    virtual int CloseAppWindow(vWindow* window);
    virtual int DiscardAppWindow(vWindow* window);
    virtual void QuitApp();
    virtual void OnAppKey(vWindow* window, int key, int modifiers);
    virtual vWindow* NewAppWindow(vWindow* window, const char* title, int width, int height,
                                  vAppWinInfo* info);
    virtual vWindow* RegisterAppWindow(vWindow* window);
    virtual void OnFileDropped(const char* path);
    virtual void OnWorkTick();
    // SIGTERM or SIGHUP asked the program to end, noticed by the event loop; the base ends the
    // event loop without asking anything.
    virtual void OnEndSignal(int signal);
    // The platform ends the program from inside the event loop (the display has gone): the last
    // moment to keep what must survive. The windowing system cannot be used any more, and the
    // program ends at once afterwards, without tearing its windows down.
    virtual void OnPlatformLost() {}

    // Before the windowing system starts, so that the program can answer its own command line
    // (its help, its version, a refused argument) without a display. OnCommandLine gets the
    // arguments as OnAppStart will; ContinueStart goes on to Run, any other result is the
    // program's exit code.
    static constexpr int ContinueStart = -1;
    virtual int OnCommandLine(int argc, char** argv);
    int AnswerCommandLine(int argc, char** argv);
    // Start-up, event loop and teardown; returns the program's exit code.
    int Run(int argc, char** argv, vAppStartFunction start);
    // The frame starts maximised; this gives it its normal size and place.
    void RestoreFrame();

    // A warning box captioned "Zel".
    static void Warning(const char* text);

    bool SingleDocument() const { return _singleDocument != 0; }
    int DefaultWidth() const { return _defaultWidth; }
    int DefaultHeight() const { return _defaultHeight; }
    bool Quitting() const { return _quitting; }
    bool Initialised() const { return _initialised; }

    // The window list, newest first.
    int WindowCount() const { return static_cast<int>(_windows.size()); }
    vWindow* WindowAt(int index) const;
    vAppWinInfo* InfoOf(const vWindow* window) const;
    // Windows closed during the run; their objects are deleted after the event loop.
    bool IsDeferred(const vWindow* window) const;

    void StartWorkTimer(int milliseconds);
    void StopWorkTimer();

    // The command panes of every window, newest first.
    void RegisterPane(vPane* pane);
    void UnregisterPane(vPane* pane);
    const std::vector<vPane*>& Panes() const { return _panes; }
    // Filled by the command panes: show the panes of the active window (none after the last one
    // closed); stack the visible panes in the frame and give the child windows' area the rest.
    // Without them the child windows' area fills the frame. Showing lays the frame out again.
    std::function<void(vWindow* active)> paneActivation;
    std::function<void()> paneLayout;
    void LayoutFrame();
    void ShowPanesFor(vWindow* active);

    // Menus: the frame's own, shown when no child window with a menu is active.
    vMenuHandle FrameMenu() const { return _frameMenu; }
    void InstallFrameMenu();

    // Shared drawing objects of panes and owner-drawn controls.
    const vPen& WhitePen() const { return _whitePen; }
    const vPen& GreyPen() const { return _greyPen; }
    const vPen& ShadowPen() const { return _shadowPen; }
    const vPen& HighlightPen() const { return _highlightPen; }
    const vBrush& FaceBrush() const { return _faceBrush; }

private:
    struct WindowNode {
        vWindow* window;
        vAppWinInfo* info;
    };

    void FrameCommand(int id) override;
    void FrameCloseRequest() override;
    void FrameResized() override;
    void FrameFileDropped(const char* path) override;

    static void PrepareArguments(vArgumentList& arguments, int argc, char** argv);
    static void EndSignalArrived(int fd);
    static void ExitedInEventLoop();
    void WatchForTheEnd();
    void RemoveWindow(vWindow* window);
    void Defer(vWindow* window);
    void BuildFrameMenu();
    void MakeSharedObjects();
    void TearDown();

    int _singleDocument;
    int _defaultWidth;
    int _defaultHeight;
    int _frameWidth = 0;
    int _frameHeight = 0;
    vMenuHandle _frameMenu = nullptr;
    vMenuHandle _fileMenu = nullptr;
    std::list<WindowNode> _windows;
    std::vector<vWindow*> _deferred;
    std::vector<vPane*> _panes;
    vWorkTimer* _workTimer = nullptr;
    bool _quitting = false;
    bool _initialised = false;
    bool _inEventLoop = false;
    vPen _whitePen{255, 255, 255, 1, StyleSolid};
    vPen _greyPen{128, 128, 128, 1, StyleSolid};
    vPen _shadowPen{128, 128, 128, 1, StyleSolid};
    vPen _highlightPen{255, 255, 255, 1, StyleSolid};
    vBrush _faceBrush{240, 240, 240, StyleSolid, FillAlternate};
};

// The application object, set by its constructor.
extern vApp* theApp;
