#include "toolkit/platform/qt/QtImageWindowPlatform.h"

#include <algorithm>

#include "toolkit/platform/qt/QtFrame.h"
#include "toolkit/platform/qt/QtPlacement.h"
#include "toolkit/platform/qt/QtSubWindow.h"
#include "toolkit/platform/qt/QtWindowPlatform.h"

QtImageWindowPlatform::~QtImageWindowPlatform() {
    for (const QPointer<QtImageWindow>& window : _made) {
        delete window.data();
    }
}

vHandle QtImageWindowPlatform::CreateImageWindow(const char* title,
                                                 const std::vector<std::string>& captions,
                                                 int width, int height,
                                                 vImageWindowEvents* events) {
    QWidget* frame = _windows != nullptr ? _windows->Frame() : nullptr;
    auto* window =
        new QtImageWindow(frame, QString::fromUtf8(title), captions, QSize(width, height), events);
    window->adjustSize();
    window->setGeometry(QtPlacement::BesideFrame(frame, window->size()));
    window->show();
    _made.emplace_back(window);
    return window;
}

QtImageWindow* QtImageWindowPlatform::WindowOf(vHandle window) const {
    for (const QPointer<QtImageWindow>& made : _made) {
        if (made && made.data() == window) {
            return made.data();
        }
    }
    return nullptr;
}

bool QtImageWindowPlatform::ShowPicture(vHandle window, int place, const char* path) {
    QtImageWindow* shown = WindowOf(window);
    return shown != nullptr && shown->ShowPicture(place, QString::fromLocal8Bit(path));
}

void QtImageWindowPlatform::ShowCaption(vHandle window, int place, const char* caption) {
    if (QtImageWindow* shown = WindowOf(window)) {
        shown->ShowCaption(place, QString::fromUtf8(caption));
    }
}

void QtImageWindowPlatform::ShowPixels(vHandle window, int place, const PixelSurface& pixels) {
    if (QtImageWindow* shown = WindowOf(window)) {
        shown->ShowPixels(place, pixels);
    }
}

void QtImageWindowPlatform::ShowMessages(vHandle window, const char* text) {
    if (QtImageWindow* shown = WindowOf(window)) {
        shown->ShowMessages(QString::fromUtf8(text));
    }
}

void QtImageWindowPlatform::ShowBusy(vHandle window, bool busy) {
    if (QtImageWindow* shown = WindowOf(window)) {
        shown->ShowBusy(busy);
    }
}

void QtImageWindowPlatform::RaiseImageWindow(vHandle window) {
    if (QtImageWindow* shown = WindowOf(window)) {
        shown->show();
        shown->raise();
        shown->activateWindow();
    }
}

void QtImageWindowPlatform::DestroyImageWindow(vHandle window) {
    QtImageWindow* shown = WindowOf(window);
    _made.erase(std::remove_if(_made.begin(), _made.end(),
                               [window](const QPointer<QtImageWindow>& made) {
                                   return !made || made.data() == window;
                               }),
                _made.end());
    if (shown != nullptr) {
        shown->Forget();
        shown->hide();
        shown->deleteLater();
    }
}
