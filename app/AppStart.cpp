// The editor's start-up: the first window, the frame restored, the settings read and the file
// named on the command line opened.
#include <string>

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

}  // namespace

int OnAppStart(int argc, char** argv) {
    KryCmdWindow* window = KryApp::OpenDrawingWindow("Untitled");
    if (window == nullptr) {
        return 1;
    }
    theApp->RestoreFrame();
    const std::string typed = argc > 1 ? argv[1] : "";
    const std::string absolute = AbsoluteName(typed);
    window->LoadSettings();
    if (argc > 1) {
        window->OpenFile(absolute.c_str(), typed.c_str());
    }
    return 0;
}
