#include "toolkit/platform/qt/QtHelpWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "toolkit/platform/qt/QtLook.h"
#include "toolkit/platform/qt/QtPlacement.h"

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

void QtHelpWindow::PlaceBesideFrame() {
    const QRect area = QtPlacement::ScreenArea(parentWidget());
    const int frameHeight =
        parentWidget() != nullptr ? parentWidget()->frameGeometry().height() : area.height();
    const int height = qMax(kMinimumHeight, qMin(frameHeight, area.height()));
    setGeometry(QtPlacement::BesideFrame(parentWidget(), QSize(kWidth, height)));
}
