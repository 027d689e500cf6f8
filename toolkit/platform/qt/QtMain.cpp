// The program's entry point on Qt: the platform objects live for the whole run, around the
// application object's start-up, event loop and teardown.
#include <QApplication>

#include "toolkit/platform/qt/QtTextPlatform.h"
#include "toolkit/platform/qt/QtWindowPlatform.h"
#include "toolkit/vApp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QtWindowPlatform windows;
    QtTextPlatform text;
    vWindowPlatform::Install(&windows);
    vTextPlatform::Install(&text);
    int code = theApp ? theApp->Run(argc, argv, OnAppStart) : 1;
    vTextPlatform::Install(nullptr);
    vWindowPlatform::Install(nullptr);
    return code;
}
