#include "AppFixture.h"
#include "dialogs/KryDialog.h"

#include <QApplication>
#include <QTest>

namespace {

class DialogFocus : public AppFixture {
protected:
    // The first field the user can type into, in the order of the dialog's table.
    static QLineEdit* FirstEditableField(QWidget* dialog) {
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
            if (field->isEnabled() && !field->isReadOnly() && field->isVisibleTo(dialog)) {
                return field;
            }
        }
        return nullptr;
    }
    // A key typed as the user types it goes to the window that has the keyboard; true when it
    // reached the dialog's first field.
    static bool TypingReachesFirstField(QWidget* dialog) {
        Settle();
        QLineEdit* first = FirstEditableField(dialog);
        if (first == nullptr || QGuiApplication::focusWindow() == nullptr) {
            return false;
        }
        first->setText("");
        QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_7);
        return first->text() == "7";
    }
};

}  // namespace

TEST_F(DialogFocus, EveryDialogTakesTheKeyboardInItsFirstField) {
    const int modalCommands[] = {Cmd::AddShape, Cmd::Remarks, Cmd::GridSpacing};
    RunWithSettings([&](KryCmdWindow& window) {
        for (const int id : modalCommands) {
            SCOPED_TRACE(id);
            bool typed = false;
            ModalAnswers answers({[&typed](QWidget* dialog) {
                typed = TypingReachesFirstField(dialog);
                ModalAnswers::ClickButton(dialog, " Cancel ");
            }});
            Choose(window, id);
            EXPECT_EQ(answers.seen.size(), 1u);
            EXPECT_TRUE(typed);
        }
        Choose(window, Cmd::KindPrism);
        Choose(window, Cmd::PrismValues);
        Settle();
        EXPECT_TRUE(TypingReachesFirstField(
            dynamic_cast<QtControlHost&>(window.prismDialog->Host()).Window()));
    });
}
