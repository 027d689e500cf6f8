#include "toolkit/platform/qt/QtHelpWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "toolkit/platform/qt/QtLook.h"

namespace {
constexpr int kWidth = 460;
constexpr int kMinimumHeight = 400;
}  // namespace

QtHelpWindow::QtHelpWindow(QWidget* frame) : QWidget(frame, Qt::Window) {
    _browser = new QTextBrowser(this);
    _browser->setOpenExternalLinks(true);
    _browser->setFont(QtLook::ReadingFont());
    _contents = new QPushButton(QStringLiteral("&Contents"), this);
    _back = new QPushButton(QStringLiteral("&Back"), this);
    _forward = new QPushButton(QStringLiteral("&Forward"), this);
    _back->setEnabled(false);
    _forward->setEnabled(false);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(_contents);
    buttons->addWidget(_back);
    buttons->addWidget(_forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(_browser);
    connect(_contents, &QPushButton::clicked, this, &QtHelpWindow::ShowContents);
    connect(_back, &QPushButton::clicked, _browser, &QTextBrowser::backward);
    connect(_forward, &QPushButton::clicked, _browser, &QTextBrowser::forward);
    connect(_browser, &QTextBrowser::backwardAvailable, _back, &QPushButton::setEnabled);
    connect(_browser, &QTextBrowser::forwardAvailable, _forward, &QPushButton::setEnabled);
    connect(_browser, &QTextBrowser::sourceChanged, this, &QtHelpWindow::FollowSource);
}

bool QtHelpWindow::OpenContents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    // The name says nothing of the format: the text does.
    const QString start = QString::fromUtf8(file.read(4096));
    _type =
        Qt::mightBeRichText(start) ? QTextDocument::HtmlResource : QTextDocument::MarkdownResource;
    _document = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    ShowContents();
    if (!_placed) {
        PlaceBesideFrame();
        _placed = true;
    }
    show();
    raise();
    activateWindow();
    return true;
}

void QtHelpWindow::ShowContents() {
    _browser->setSource(_document, _type);
}

void QtHelpWindow::FollowSource() {
    const QString title = _browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QFileInfo(_document.toLocalFile()).fileName() : title);
}

// Right of the frame when the screen has room there, else at the screen's right edge.
void QtHelpWindow::PlaceBesideFrame() {
    QWidget* frame = parentWidget();
    QScreen* screen = frame != nullptr ? frame->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect beside = frame != nullptr ? frame->frameGeometry() : area;
    const int height = qMax(kMinimumHeight, qMin(beside.height(), area.height()));
    const int x = beside.right() + 1 + kWidth <= area.right() + 1 ? beside.right() + 1
                                                                  : area.right() + 1 - kWidth;
    setGeometry(x, beside.top(), kWidth, height);
}
