#pragma once

#include <QTextDocument>
#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

// The help window: our own help document (HTML, or Markdown when it is not HTML) with its
// contents page, links, back and forward. It is a window of its own over the frame and stays
// open beside it while the program is used.
class QtHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit QtHelpWindow(QWidget* frame);

    // Loads the document and shows its contents page, the top of the document. False when the
    // file cannot be read.
    bool OpenContents(const QString& path);
    QTextBrowser* Browser() const { return _browser; }

private:
    void ShowContents();
    void FollowSource();
    void PlaceBesideFrame();

    QTextBrowser* _browser;
    QPushButton* _contents;
    QPushButton* _back;
    QPushButton* _forward;
    QUrl _document;
    QTextDocument::ResourceType _type = QTextDocument::HtmlResource;
    bool _placed = false;
};
