#include "app/KryApp.h"

#include <cstring>

#include "app/CommandId.h"
#include "app/EditorCommandLine.h"
#include "app/KryCmdWindow.h"
#include "model/EditState.h"
#include "toolkit/vAppWinInfo.h"

namespace {

bool StartsWith(const char* name, const char* prefix) {
    return std::strncmp(name, prefix, std::strlen(prefix)) == 0;
}

// The program's own names of new windows for the kinds beyond polygon and prism, matched whole.
struct TurnedKindName {
    const char* name;
    int kind;
    const char* caption;
};
constexpr TurnedKindName turnedKindNames[] = {
    {"Lathe", Lathe, "Untitled Lathe"},
    {"Sor", Sor, "Untitled Sor"},
};

// The naming rule of new windows; a name for a kind also switches every window to that kind.
const char* WindowName(const char* name) {
    if (name == nullptr || name[0] == '\0') {
        return "Kry App";
    }
    if (StartsWith(name, "Pol")) {
        shapeKind = Polygon;
        return "Untitled Polygon";
    }
    if (StartsWith(name, "Prm")) {
        shapeKind = Prism;
        return "Untitled Prism";
    }
    for (const TurnedKindName& turned : turnedKindNames) {
        if (std::strcmp(name, turned.name) == 0) {
            shapeKind = turned.kind;
            return turned.caption;
        }
    }
    return name;
}

}  // namespace

KryApp::KryApp() : vApp(kTitle, 0, 0, 0) {}

int KryApp::OnCommandLine(int argc, char** argv) {
    const EditorCommandLine line = EditorCommandLine::Parse(argc, argv);
    return line.action == EditorCommandLine::OpenDrawings ? ContinueStart
                                                          : line.Answer(stdout, stderr);
}

void KryApp::OnAppCommand(vWindow* window, int id, int value, int kind) {
    if (id == Cmd::New || id == Cmd::Open) {
        KryCmdWindow* made = OpenDrawingWindow("New Polygon");
        if (id == Cmd::Open && made != nullptr) {
            made->OnWindowCommand(Cmd::Open, 0, 0);
        }
        return;
    }
    vApp::OnAppCommand(window, id, value, kind);
}

void KryApp::OnLastWindowClosed(vWindow*) {}

int KryApp::CloseAppWindow(vWindow* window) {
    auto* drawing = dynamic_cast<KryCmdWindow*>(window);
    if (drawing != nullptr) {
        drawing->SaveSettings();
        if (!drawing->AskSaveChanges()) {
            return 0;
        }
        // Saved or let go: the recovery copy has nothing left to keep.
        drawing->recovery.Remove();
        drawing->CloseOwnDialogs();
    }
    return vApp::CloseAppWindow(window);
}

vWindow* KryApp::NewAppWindow(vWindow* window, const char* name, int width, int height,
                              vAppWinInfo* winInfo) {
    name = WindowName(name);
    mainWindow = window;
    if (mainWindow == nullptr) {
        mainWindow = new KryCmdWindow(name, width, height);
    }
    if (winInfo == nullptr) {
        winInfo = new vAppWinInfo(name, 0);
    }
    return vApp::NewAppWindow(mainWindow, name, width, height, winInfo);
}

KryCmdWindow* KryApp::OpenDrawingWindow(const char* name) {
    if (theApp == nullptr) {
        return nullptr;
    }
    return dynamic_cast<KryCmdWindow*>(
        theApp->NewAppWindow(nullptr, name, kWindowSize, kWindowSize, nullptr));
}

void KryApp::OpenInNewWindow(const std::string& path, const std::string& caption) {
    FillNewWindow(caption, [&](KryCmdWindow& window) {
        window.OpenFile(path.c_str(), caption.c_str());
        return window.fileName[0] != '\0';
    });
}

// The window is captioned at once, so that a notice about the file says which it is about.
void KryApp::FillNewWindow(const std::string& caption,
                           const std::function<bool(KryCmdWindow&)>& fill) {
    KryCmdWindow* window = OpenDrawingWindow("Untitled");
    if (window == nullptr) {
        return;
    }
    window->SetWindowTitle(caption.c_str());
    if (!fill(*window)) {
        window->CloseOwnDialogs();
        theApp->DiscardAppWindow(window);
    }
}

PointTableWindow* KryApp::Table() {
    auto* app = dynamic_cast<KryApp*>(theApp);
    return app != nullptr ? &app->pointTable : nullptr;
}
