// The editor's start-up: the first window, the frame restored, the settings read and the file
// named on the command line opened.
#include <unistd.h>

#include <climits>

#include <string>

#include "app/KryApp.h"
#include "app/KryCmdWindow.h"

namespace {

constexpr int FirstWindowSize = 300;

// Reading the settings changes the working directory, so a relative name is tied to the
// directory the editor was started from first.
std::string AbsoluteName(const char* name) {
    if (name[0] == '/') {
        return name;
    }
    std::string directory(PATH_MAX, '\0');
    if (getcwd(directory.data(), directory.size()) == nullptr) {
        return name;
    }
    directory.resize(std::char_traits<char>::length(directory.c_str()));
    return directory + "/" + name;
}

}  // namespace

int OnAppStart(int argc, char** argv) {
    if (theApp == nullptr) {
        return 1;
    }
    auto* window = dynamic_cast<KryCmdWindow*>(
        theApp->NewAppWindow(nullptr, "Untitled", FirstWindowSize, FirstWindowSize, nullptr));
    if (window == nullptr) {
        return 1;
    }
    // FIXME: restore the frame from its maximised start once the toolkit offers the call.
    const std::string typed = argc > 1 ? argv[1] : "";
    const std::string absolute = argc > 1 ? AbsoluteName(argv[1]) : "";
    window->LoadSettings();
    if (argc > 1) {
        window->OpenFile(absolute.c_str(), typed.c_str());
    }
    return 0;
}
