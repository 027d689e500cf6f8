#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <memory>

#include "toolkit/platform/qt/QtGlyphOutlines.h"
#include "toolkit/platform/qt/QtNumberLocale.h"
#include "toolkit/platform/qt/QtPictureReader.h"
#include "toolkit/platform/qt/QtProcessRunner.h"
#include "toolkit/platform/qt/QtTextPlatform.h"
#include "toolkit/platform/vHeadlessSession.h"
#include "toolkit/platform/vPlatformOverride.h"

namespace {

QtMessageHandler platformHandler = nullptr;

// What the platform notes about the machine it runs on (no runtime folder, no desktop session)
// says nothing about the drawings, and the tool's standard error belongs to its own messages;
// only the platform's errors get through.
void ErrorsOnly(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && platformHandler != nullptr) {
        platformHandler(type, context, message);
    }
}

}  // namespace

struct vHeadlessSession::State {
    int argc = 1;
    char name[8] = "vexlin";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QGuiApplication> application;
    QtTextPlatform text;
    QtProcessRunner processes;
    QtPictureReader pictures;
    QtGlyphOutlines glyphs;
    vPlatformOverride<vTextPlatform> textInstalled{&vPlatform::text, &text};
    vPlatformOverride<vProcessRunner> processesInstalled{&vPlatform::processes, &processes};
    vPlatformOverride<vPictureReader> picturesInstalled{&vPlatform::pictureReader, &pictures};
    vPlatformOverride<vGlyphOutlines> glyphsInstalled{&vPlatform::glyphs, &glyphs};
    QtMessageHandler previousHandler = nullptr;
};

vHeadlessSession::vHeadlessSession() : _state(new State) {
    _state->previousHandler = qInstallMessageHandler(ErrorsOnly);
    platformHandler = _state->previousHandler;
    if (!QGuiApplication::instance()) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        _state->application = std::make_unique<QGuiApplication>(_state->argc, _state->argv);
        KeepNumbersPlain();
    }
}

vHeadlessSession::~vHeadlessSession() {
    const QtMessageHandler previousHandler = _state->previousHandler;
    delete _state;
    qInstallMessageHandler(previousHandler);
}

bool vHeadlessSession::Ready() const {
    return QGuiApplication::instance() != nullptr;
}

bool vHeadlessSession::SavePng(const PixelSurface& surface, const char* path) {
    if (!path || surface.Width() == 0 || surface.Height() == 0) {
        return false;
    }
    QImage image(reinterpret_cast<const uchar*>(surface.Data()), surface.Width(), surface.Height(),
                 surface.Width() * 4, QImage::Format_RGB32);
    return image.save(QString::fromLocal8Bit(path), "PNG");
}
