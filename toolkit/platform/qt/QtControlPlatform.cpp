#include "toolkit/platform/qt/QtControlPlatform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMimeData>

#include "toolkit/platform/qt/QtControlHost.h"
#include "toolkit/platform/qt/QtFrame.h"
#include "toolkit/platform/qt/QtSubWindow.h"

vControlHost* QtControlPlatform::CreateDialogHost(const DialogTemplate& description,
                                                  vControlSink* sink, vWindowHandle owner,
                                                  bool modal) {
    // Dialogs sit over the frame whichever child owns them.
    (void)owner;
    (void)modal;
    return new QtControlHost(description, sink, false);
}

vControlHost* QtControlPlatform::CreatePaneHost(const DialogTemplate& description,
                                                vControlSink* sink) {
    if (QtFrame::Instance() == nullptr) {
        return nullptr;
    }
    auto* host = new QtControlHost(description, sink, true);
    host->Window()->show();
    return host;
}

void QtControlPlatform::PlaceClientArea(int x, int y, int width, int height) {
    if (QtFrame* frame = QtFrame::Instance()) {
        frame->MdiArea()->setGeometry(x, y, width, height);
    }
}

void QtControlPlatform::FrameClientSize(int& width, int& height) const {
    QtFrame* frame = QtFrame::Instance();
    width = frame != nullptr ? frame->ClientArea()->width() : 0;
    height = frame != nullptr ? frame->ClientArea()->height() : 0;
}

void QtControlPlatform::FrameScreenRect(int& x, int& y, int& width, int& height) const {
    const QRect r = QtFrame::Instance() != nullptr ? QtFrame::Instance()->frameGeometry() : QRect();
    x = r.x();
    y = r.y();
    width = r.width();
    height = r.height();
}

bool QtControlPlatform::ClipboardHasText() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}
