// The editor's start-up: the first window, the frame restored, the settings read and the files
// named on the command line opened.
#include <string>

#include "app/EditorCommandLine.h"
#include "app/KryApp.h"
#include "app/KryCmdWindow.h"
#include "toolkit/util/ProgramPaths.h"

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
    KryApp::OfferRecoveredDrawings(window);
    for (size_t i = 0; i < typed.size(); ++i) {
        if (i == 0) {
            window->OpenFile(absolute[i].c_str(), typed[i].c_str());
        } else {
            KryApp::OpenInNewWindow(absolute[i], typed[i]);
        }
    }
    return 0;
}
