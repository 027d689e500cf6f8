// The editor until its main window exists: the frame with one child window whose canvas shows
// the drawing named on the command line, in the point-adding mode.
#include "model/KCanvasPane.h"
#include "scenefile/SceneReadResult.h"
#include "toolkit/CommandIds.h"
#include "toolkit/vApp.h"
#include "toolkit/vCmdWindow.h"
#include "toolkit/vNoticeDialog.h"

namespace {

constexpr int ChildSize = 300;

class DrawingWindow : public vCmdWindow, public KStatusSink {
public:
    explicit DrawingWindow(const char* title)
        : vCmdWindow(title, ChildSize, ChildSize), _canvas(this) {
        AttachPane(&_canvas);
    }

    void UpdateStatus(double, double) override {}
    KCanvasPane& Drawing() { return _canvas; }

private:
    KCanvasPane _canvas;
};

class EditorApp : public vApp {
public:
    EditorApp() : vApp("Quorvane", 0, 0, 0) {}

    DrawingWindow* OpenDrawingWindow(const char* title) {
        auto* window = new DrawingWindow(title);
        NewAppWindow(window, title, ChildSize, ChildSize, nullptr);
        return window;
    }

    void OnAppCommand(vWindow* window, int id, int value, int kind) override {
        if (id == IdAppNew) {
            OpenDrawingWindow("Untitled");
            return;
        }
        vApp::OnAppCommand(window, id, value, kind);
    }

    // The frame stays open with its own menu when the last drawing closes.
    void OnLastWindowClosed(vWindow*) override {}
};

EditorApp editor;

}  // namespace

int OnAppStart(int argc, char** argv) {
    editMode = AddPoint;
    const char* fileName = argc > 1 ? argv[1] : nullptr;
    DrawingWindow* window = editor.OpenDrawingWindow(fileName ? fileName : "Untitled");
    if (fileName) {
        int result = window->Drawing().ReadSceneFile(fileName);
        if (result != ReadOk) {
            vNoticeDialog notice(window, "Notice");
            notice.ShowNotice(SceneReadNotice(result));
        }
    }
    return 0;
}
