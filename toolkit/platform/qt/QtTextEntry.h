#pragma once

#include <QLineEdit>
#include <functional>

// A single-line entry that also says when it lost the focus.
class QtTextEntry : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    std::function<void()> focusLost;

protected:
    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        if (focusLost) {
            focusLost();
        }
    }
};
