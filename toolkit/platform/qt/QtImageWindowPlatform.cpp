#include "toolkit/platform/qt/QtImageWindowPlatform.h"

#include "toolkit/platform/qt/QtFrame.h"
#include "toolkit/platform/qt/QtPlacement.h"
#include "toolkit/platform/qt/QtSubWindow.h"
#include "toolkit/platform/qt/QtWindowPlatform.h"

vImageWindowHandle QtImageWindowPlatform::CreateImageWindow(
    const char* title, const std::vector<std::string>& captions, int width, int height,
    vImageWindowEvents* events) {
    QWidget* frame = _windows != nullptr ? _windows->Frame() : nullptr;
    auto* window =
        new QtImageWindow(frame, QString::fromUtf8(title), captions, QSize(width, height), events);
    window->adjustSize();
    window->setGeometry(QtPlacement::BesideFrame(frame, window->size()));
    window->show();
    return _made.Add(window);
}

bool QtImageWindowPlatform::ShowPicture(vImageWindowHandle window, int place, const char* path) {
    QtImageWindow* shown = WindowOf(window);
    return shown != nullptr && shown->ShowPicture(place, QString::fromLocal8Bit(path));
}

void QtImageWindowPlatform::ShowCaption(vImageWindowHandle window, int place, const char* caption) {
    if (QtImageWindow* shown = WindowOf(window)) {
        shown->ShowCaption(place, QString::fromUtf8(caption));
    }
}

void QtImageWindowPlatform::ShowPixels(vImageWindowHandle window, int place,
                                       const PixelSurface& pixels) {
    if (QtImageWindow* shown = WindowOf(window)) {
        shown->ShowPixels(place, pixels);
    }
}

void QtImageWindowPlatform::ShowMessages(vImageWindowHandle window, const char* text) {
    if (QtImageWindow* shown = WindowOf(window)) {
        shown->ShowMessages(QString::fromUtf8(text));
    }
}

void QtImageWindowPlatform::ShowBusy(vImageWindowHandle window, bool busy) {
    if (QtImageWindow* shown = WindowOf(window)) {
        shown->ShowBusy(busy);
    }
}

void QtImageWindowPlatform::SetImageWindowTitle(vImageWindowHandle window, const char* title) {
    if (QtImageWindow* shown = WindowOf(window)) {
        shown->setWindowTitle(QString::fromUtf8(title));
    }
}

void QtImageWindowPlatform::RaiseImageWindow(vImageWindowHandle window) {
    _made.Raise(window);
}

void QtImageWindowPlatform::DestroyImageWindow(vImageWindowHandle window) {
    _made.Destroy(window);
}
