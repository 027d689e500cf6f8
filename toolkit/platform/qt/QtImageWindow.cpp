#include "toolkit/platform/qt/QtImageWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QVBoxLayout>

#include "toolkit/platform/qt/QtLook.h"
#include "toolkit/platform/vImageWindowEvents.h"

namespace {
constexpr int MessageLines = 7;
}  // namespace

QtImageWindow::QtImageWindow(QWidget* frame, const QString& title,
                             const std::vector<std::string>& captions, const QSize& pictureSize,
                             vImageWindowEvents* events)
    : QWidget(frame, Qt::Window), _pictureSize(pictureSize), _events(events) {
    setWindowTitle(title);
    auto* row = new QHBoxLayout();
    for (const std::string& caption : captions) {
        row->addWidget(PicturePlace(caption));
    }
    _busy = new QProgressBar(this);
    _busy->setRange(0, 0);
    _busy->setTextVisible(false);
    _busy->setMaximumHeight(8);
    // Kept in the layout while hidden, so the window does not jump with every render.
    QSizePolicy keepPlace = _busy->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    _busy->setSizePolicy(keepPlace);
    _busy->hide();
    _messages = new QPlainTextEdit(this);
    _messages->setReadOnly(true);
    _messages->setFont(QtLook::WindowFont());
    _messages->setFixedHeight(_messages->fontMetrics().lineSpacing() * MessageLines);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(_busy);
    layout->addWidget(_messages);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* QtImageWindow::PicturePlace(const std::string& caption) {
    auto* place = new QWidget(this);
    auto* picture = new QLabel(place);
    picture->setFixedSize(_pictureSize);
    picture->setFrameShape(QFrame::StyledPanel);
    picture->setAlignment(Qt::AlignCenter);
    auto* label = new QLabel(QString::fromStdString(caption), place);
    label->setAlignment(Qt::AlignHCenter);
    auto* column = new QVBoxLayout(place);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(picture);
    column->addWidget(label);
    _pictures.push_back(picture);
    _captions.push_back(label);
    return place;
}

QLabel* QtImageWindow::Picture(int place) const {
    return place >= 0 && place < static_cast<int>(_pictures.size()) ? _pictures[place] : nullptr;
}

QLabel* QtImageWindow::Caption(int place) const {
    return place >= 0 && place < static_cast<int>(_captions.size()) ? _captions[place] : nullptr;
}

void QtImageWindow::ShowCaption(int place, const QString& caption) {
    if (QLabel* label = Caption(place)) {
        label->setText(caption);
    }
}

bool QtImageWindow::ShowPicture(int place, const QString& path) {
    QLabel* picture = Picture(place);
    if (picture == nullptr) {
        return false;
    }
    QImage image;
    const bool read = !path.isEmpty() && image.load(path);
    picture->setPixmap(read ? QPixmap::fromImage(image) : QPixmap());
    return read;
}

void QtImageWindow::ShowPixels(int place, const PixelSurface& pixels) {
    QLabel* picture = Picture(place);
    if (picture == nullptr || pixels.Width() == 0 || pixels.Height() == 0) {
        return;
    }
    const QImage image(reinterpret_cast<const uchar*>(pixels.Data()), pixels.Width(),
                       pixels.Height(), pixels.Width() * 4, QImage::Format_RGB32);
    picture->setPixmap(QPixmap::fromImage(
        image.scaled(_pictureSize, Qt::KeepAspectRatio, Qt::FastTransformation)));
}

void QtImageWindow::ShowMessages(const QString& text) {
    _messages->setPlainText(text);
}

void QtImageWindow::ShowBusy(bool busy) {
    _busy->setVisible(busy);
}

void QtImageWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (_events != nullptr) {
        _events->ImageWindowClosed();
    }
}
