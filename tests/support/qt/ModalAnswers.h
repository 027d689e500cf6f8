#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// Answers the modal dialogs that open while it lives, in turn: each is recorded as its title,
// followed by ": " and its message when it has one, and gets the next answer, or " OK " when
// none is left. Set up before the action that opens the dialogs.
class ModalAnswers {
public:
    using Answer = std::function<void(QWidget* dialog)>;

    explicit ModalAnswers(std::vector<Answer> answers = {})
        : _answers(answers.begin(), answers.end()) {
        _timer.setInterval(0);
        QObject::connect(&_timer, &QTimer::timeout, [this] { AnswerOpenDialog(); });
        _timer.start();
    }

    // Clicks the button with exactly this label.
    static Answer Click(const char* label) {
        return [label](QWidget* dialog) { ClickButton(dialog, label); };
    }
    static void ClickButton(QWidget* dialog, const char* label) {
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            if (button->text() == label) {
                button->click();
                return;
            }
        }
    }
    // The messages of the dialogs seen so far, without their titles.
    std::vector<std::string> Messages() const { return _messages; }

    std::vector<std::string> seen;

private:
    void AnswerOpenDialog() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog->property("answered").toBool()) {
            return;
        }
        dialog->setProperty("answered", true);
        const std::string message = MessageOf(dialog);
        _messages.push_back(message);
        const std::string title = dialog->windowTitle().toStdString();
        seen.push_back(message.empty() ? title : title + ": " + message);
        Answer answer = Click(" OK ");
        if (!_answers.empty()) {
            answer = _answers.front();
            _answers.pop_front();
        }
        answer(dialog);
    }

    // A message of several lines shows in a read-only text view, one of a single line as static
    // text that can be selected.
    static std::string MessageOf(QWidget* dialog) {
        if (const auto* text = dialog->findChild<QPlainTextEdit*>()) {
            return text->toPlainText().toStdString();
        }
        for (const QLabel* line : dialog->findChildren<QLabel*>()) {
            if (line->textInteractionFlags() & Qt::TextSelectableByMouse) {
                return line->text().toStdString();
            }
        }
        return "";
    }

    std::deque<Answer> _answers;
    std::vector<std::string> _messages;
    QTimer _timer;
};
