#pragma once

#include <QWidget>
#include <functional>

class vControlSink;

// A control the toolkit paints itself (frames, boxed labels, icons, toggle buttons); a click
// on it is reported like a button's.
class QtOwnerDrawnItem : public QWidget {
public:
    QtOwnerDrawnItem(QWidget* parent, vControlSink* sink, int number)
        : QWidget(parent), _sink(sink), _number(number) {}

    std::function<void()> clicked;
    void Detach() { _sink = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    vControlSink* _sink;
    int _number;
};
