#pragma once

#include <QWidget>

class vControlSink;

// The window of a command bar or status bar, stacked in the frame; the toolkit paints its edges.
class QtPaneWidget : public QWidget {
public:
    QtPaneWidget(QWidget* parent, vControlSink* sink) : QWidget(parent), _sink(sink) {}

    void Detach() { _sink = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    vControlSink* _sink;
};
