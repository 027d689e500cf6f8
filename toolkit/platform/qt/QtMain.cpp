// The program's entry point on Qt: the platform lives for the whole run, around the application
// object's start-up, event loop and teardown.
#include <cstdio>
#include <cstdlib>

#include "toolkit/platform/vDesktopSession.h"
#include "toolkit/vApp.h"

namespace {

bool Set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && value[0] != '\0';
}

// Qt ends the program with an abort when its default platform finds no display; say so plainly
// instead. A platform chosen by QT_QPA_PLATFORM may need no display at all.
bool NoDisplay() {
    return !Set("QT_QPA_PLATFORM") && !Set("DISPLAY") && !Set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
    if (theApp == nullptr) {
        return 1;
    }
    const int answered = theApp->AnswerCommandLine(argc, argv);
    if (answered != vApp::ContinueStart) {
        return answered;
    }
    if (NoDisplay()) {
        std::fprintf(stderr, "%s: no display to open its windows on (DISPLAY is not set)\n",
                     argc > 0 && argv[0] != nullptr ? argv[0] : "vexlin");
        return 1;
    }
    // The windowing system sees only the program's name: every argument is the program's own,
    // so that a drawing named like one of Qt's options ("-style") is opened, not taken.
    int platformArgc = 1;
    vDesktopSession session(platformArgc, argv);
    return theApp->Run(argc, argv, OnAppStart);
}
