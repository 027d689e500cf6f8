#pragma once

#include <QDialog>

class vControlSink;

// A dialog window whose Escape key and close box ask the toolkit, which closes the dialog only
// when it has a cancel control.
class QtDialogWindow : public QDialog {
public:
    QtDialogWindow(QWidget* parent, vControlSink* sink) : QDialog(parent), _sink(sink) {}

    void reject() override;
    // Stops all reports to the toolkit; the window is about to go.
    void Detach() { _sink = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    vControlSink* _sink;
};
