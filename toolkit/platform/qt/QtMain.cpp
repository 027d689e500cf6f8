// The program's entry point on Qt: the platform lives for the whole run, around the application
// object's start-up, event loop and teardown.
#include "toolkit/platform/vDesktopSession.h"
#include "toolkit/vApp.h"

int main(int argc, char** argv) {
    vDesktopSession session(argc, argv);
    return theApp ? theApp->Run(argc, argv, OnAppStart) : 1;
}
