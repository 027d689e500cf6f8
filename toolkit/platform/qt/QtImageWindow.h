#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "toolkit/raster/PixelSurface.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class vImageWindowEvents;

// A window of its own over the frame: pictures side by side with their captions, a busy bar and
// read-only text under them.
class QtImageWindow : public QWidget {
    Q_OBJECT
public:
    QtImageWindow(QWidget* frame, const QString& title, const std::vector<std::string>& captions,
                  const QSize& pictureSize, vImageWindowEvents* events);

    bool ShowPicture(int place, const QString& path);
    void ShowCaption(int place, const QString& caption);
    void ShowPixels(int place, const PixelSurface& pixels);
    void ShowMessages(const QString& text);
    void ShowBusy(bool busy);
    // After this the window reports nothing more.
    void Forget() { _events = nullptr; }

    QLabel* Picture(int place) const;
    QLabel* Caption(int place) const;
    QPlainTextEdit* Messages() const { return _messages; }
    QProgressBar* BusyBar() const { return _busy; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* PicturePlace(const std::string& caption);

    QSize _pictureSize;
    std::vector<QLabel*> _pictures;
    std::vector<QLabel*> _captions;
    QPlainTextEdit* _messages;
    QProgressBar* _busy;
    vImageWindowEvents* _events;
};
