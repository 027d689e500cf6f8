// The program's entry point on Qt: the platform objects live for the whole run, around the
// application object's start-up, event loop and teardown.
#include <QApplication>

#include "toolkit/platform/qt/QtControlPlatform.h"
#include "toolkit/platform/qt/QtFileChooser.h"
#include "toolkit/platform/qt/QtImageWindowPlatform.h"
#include "toolkit/platform/qt/QtMenuPlatform.h"
#include "toolkit/platform/qt/QtProcessRunner.h"
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
    QtControlPlatform controls;
    QtMenuPlatform menus(&windows);
    QtFileChooser files;
    QtProcessRunner processes;
    QtImageWindowPlatform pictures(&windows);
    vControlPlatform::Install(&controls);
    vMenuPlatform::Install(&menus);
    vFileChooser::Install(&files);
    vProcessRunner::Install(&processes);
    vImageWindowPlatform::Install(&pictures);
    int code = theApp ? theApp->Run(argc, argv, OnAppStart) : 1;
    vImageWindowPlatform::Install(nullptr);
    vProcessRunner::Install(nullptr);
    vFileChooser::Install(nullptr);
    vMenuPlatform::Install(nullptr);
    vControlPlatform::Install(nullptr);
    vTextPlatform::Install(nullptr);
    vWindowPlatform::Install(nullptr);
    return code;
}
