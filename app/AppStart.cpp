// The editor's start-up: the first window, the frame restored, the settings read and the files
// named on the command line opened.
#include <string>

#include "app/EditorCommandLine.h"
#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "toolkit/ProgramPaths.h"

namespace {

// Reading the settings changes the working directory, so a relative name is tied to the
// directory the editor was started from first.
std::string AbsoluteName(const std::string& name) {
    const std::string directory = ProgramPaths::WorkingDirectory();
    if (name.empty() || name[0] == '/' || directory.empty()) {
        return name;
    }
    return ProgramPaths::Join(directory, name);
}

// A further file opens in a window of its own, captioned with its name at once so that a notice
// about it says which file it is about; a file that cannot be read leaves no window.
void OpenInNewWindow(const std::string& absolute, const std::string& typed) {
    KryCmdWindow* window = KryApp::OpenDrawingWindow("Untitled");
    if (window == nullptr) {
        return;
    }
    window->SetWindowTitle(typed.c_str());
    window->OpenFile(absolute.c_str(), typed.c_str());
    if (window->fileName[0] == '\0') {
        window->CloseOwnDialogs();
        theApp->DiscardAppWindow(window);
    }
}

}  // namespace

int OnAppStart(int argc, char** argv) {
    KryCmdWindow* window = KryApp::OpenDrawingWindow("Untitled");
    if (window == nullptr) {
        return 1;
    }
    theApp->RestoreFrame();
    const std::vector<std::string> typed = EditorCommandLine::Parse(argc, argv).files;
    std::vector<std::string> absolute;
    for (const std::string& name : typed) {
        absolute.push_back(AbsoluteName(name));
    }
    window->LoadSettings();
    for (size_t i = 0; i < typed.size(); ++i) {
        if (i == 0) {
            window->OpenFile(absolute[i].c_str(), typed[i].c_str());
        } else {
            OpenInNewWindow(absolute[i], typed[i]);
        }
    }
    return 0;
}
