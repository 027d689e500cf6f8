#include "toolkit/platform/qt/QtTableWindowPlatform.h"

#include <QLabel>
#include <QPushButton>

#include "toolkit/platform/qt/QtFrame.h"
#include "toolkit/platform/qt/QtPlacement.h"
#include "toolkit/platform/qt/QtSubWindow.h"
#include "toolkit/platform/qt/QtTableModel.h"
#include "toolkit/platform/qt/QtWindowPlatform.h"

vTableWindowHandle QtTableWindowPlatform::CreateTableWindow(
    const char* title, const std::vector<vTableColumn>& columns,
    const std::vector<std::string>& buttons, vTableWindowEvents* events) {
    QWidget* frame = _windows != nullptr ? _windows->Frame() : nullptr;
    auto* window = new QtTableWindow(frame, QString::fromUtf8(title), columns, buttons, events);
    window->setGeometry(QtPlacement::BesideFrame(frame, window->size()));
    window->show();
    return _made.Add(window);
}

void QtTableWindowPlatform::SetTableTitle(vTableWindowHandle window, const char* title) {
    if (QtTableWindow* shown = WindowOf(window)) {
        shown->setWindowTitle(QString::fromUtf8(title));
    }
}

void QtTableWindowPlatform::SetRowCount(vTableWindowHandle window, int rows) {
    if (QtTableWindow* shown = WindowOf(window)) {
        shown->Model()->SetRowCount(rows);
    }
}

void QtTableWindowPlatform::SetRow(vTableWindowHandle window, int row, const vTableRow& contents) {
    if (QtTableWindow* shown = WindowOf(window)) {
        shown->Model()->SetRow(row, contents);
    }
}

void QtTableWindowPlatform::SelectRow(vTableWindowHandle window, int row) {
    if (QtTableWindow* shown = WindowOf(window)) {
        shown->SelectRow(row);
    }
}

void QtTableWindowPlatform::ShowStatus(vTableWindowHandle window, const char* text) {
    if (QtTableWindow* shown = WindowOf(window)) {
        shown->Status()->setText(QString::fromUtf8(text));
    }
}

void QtTableWindowPlatform::EnableButton(vTableWindowHandle window, int button, bool enabled) {
    QtTableWindow* shown = WindowOf(window);
    if (QPushButton* pressed = shown != nullptr ? shown->Button(button) : nullptr) {
        pressed->setEnabled(enabled);
    }
}

void QtTableWindowPlatform::RaiseTableWindow(vTableWindowHandle window) {
    _made.Raise(window);
}

void QtTableWindowPlatform::DestroyTableWindow(vTableWindowHandle window) {
    _made.Destroy(window);
}
