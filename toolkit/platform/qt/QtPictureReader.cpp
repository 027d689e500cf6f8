#include "toolkit/platform/qt/QtPictureReader.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <cstring>

namespace {

bool TooLarge(const QSize& size) {
    return size.width() > vPictureReader::MaxSide || size.height() > vPictureReader::MaxSide ||
           static_cast<long long>(size.width()) * size.height() > vPictureReader::MaxPixels;
}

std::string SizeRefusal(const QSize& size) {
    return "The picture is " + std::to_string(size.width()) + " x " +
           std::to_string(size.height()) + " pixels; a background picture may have at most " +
           std::to_string(vPictureReader::MaxSide) + " pixels a side and " +
           std::to_string(vPictureReader::MaxPixels / (1024 * 1024)) + " million in all.";
}

// A drawing with no pixel size of its own is rendered at a size fit for tracing.
QSize VectorSize(const QSize& natural) {
    if (!natural.isValid() || natural.isEmpty()) {
        return QSize(vPictureReader::VectorSide, vPictureReader::VectorSide);
    }
    return natural.scaled(vPictureReader::VectorSide, vPictureReader::VectorSide,
                          Qt::KeepAspectRatio);
}

}  // namespace

bool QtPictureReader::ReadPicture(const char* path, PixelSurface& pixels, std::string& why) {
    const QString name = QString::fromLocal8Bit(path);
    const QFileInfo file(name);
    if (!file.exists()) {
        why = "The picture file is missing.";
        return false;
    }
    if (!file.isFile() || !file.isReadable()) {
        why = "The picture file cannot be opened for reading.";
        return false;
    }
    QImageReader reader(name);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        why = "The file is not a picture Vexlin can read (PNG, JPEG, BMP, GIF or SVG).";
        return false;
    }
    const QByteArray format = reader.format();
    QSize size = reader.size();
    if (format == "svg" || format == "svgz") {
        size = VectorSize(size);
        reader.setScaledSize(size);
    }
    if (size.isValid() && TooLarge(size)) {
        why = SizeRefusal(size);
        return false;
    }
    QImage image = reader.read();
    if (image.isNull()) {
        why = "The picture cannot be read: " + reader.errorString().toStdString() + ".";
        return false;
    }
    if (TooLarge(image.size())) {
        why = SizeRefusal(image.size());
        return false;
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    pixels.Resize(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(&pixels.At(0, y), image.constScanLine(y),
                    static_cast<size_t>(image.width()) * 4);
    }
    return true;
}
