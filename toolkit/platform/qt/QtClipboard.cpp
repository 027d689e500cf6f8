#include "toolkit/platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

constexpr const char* PlainText = "text/plain";

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void QtClipboard::SetClipboard(const std::vector<Format>& formats) {
    auto* data = new QMimeData();
    for (const Format& format : formats) {
        if (format.mimeType == PlainText) {
            data->setText(QString::fromUtf8(Bytes(format.bytes)));
        } else {
            data->setData(QString::fromStdString(format.mimeType), Bytes(format.bytes));
        }
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

bool QtClipboard::ClipboardData(const std::vector<std::string>& mimeTypes,
                                std::string& bytes) const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr) {
        return false;
    }
    for (const std::string& type : mimeTypes) {
        if (type == PlainText && data->hasText()) {
            bytes = data->text().toStdString();
            return true;
        }
        const QString name = QString::fromStdString(type);
        if (type != PlainText && data->hasFormat(name)) {
            const QByteArray held = data->data(name);
            bytes.assign(held.constData(), static_cast<size_t>(held.size()));
            return true;
        }
    }
    return false;
}
