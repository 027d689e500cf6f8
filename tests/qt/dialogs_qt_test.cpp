#include <gtest/gtest.h>

#include <unistd.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <climits>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/CommandIds.h"
#include "toolkit/platform/qt/QtControlPlatform.h"
#include "toolkit/platform/qt/QtFileChooser.h"
#include "toolkit/platform/qt/QtOwnerDrawnItem.h"
#include "toolkit/platform/vPlatformOverride.h"
#include "toolkit/vFileSelect.h"
#include "toolkit/vModalDialog.h"
#include "toolkit/vNoticeDialog.h"
#include "toolkit/vYNReplyDialog.h"

namespace {

// Real dialogs on the offscreen platform; modal ones are answered by timers set before they run.
class QtDialogs : public ::testing::Test {
protected:
    // Runs the steps one after another inside whatever modal loop is running then.
    static void Later(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }
    static QWidget* Modal() { return QApplication::activeModalWidget(); }
    static QAbstractButton* Button(QWidget* window, const QString& text) {
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (button->text() == text) {
                return button;
            }
        }
        return nullptr;
    }
    static void Press(QWidget* window, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(window, &press);
    }

    QtControlPlatform controls;
    QtFileChooser files;
    vPlatformOverride<vControlPlatform> controlsInstalled{&vPlatform::controls, &controls};
    vPlatformOverride<vFileChooser> filesInstalled{&vPlatform::fileChooser, &files};
};

ControlSpec Entry(int kind, int id, int value, const char* label, int below = 0) {
    return {kind, id, value, label, nullptr, 0, 1, 0, 0, below, 0, nullptr};
}

class RecordingModal : public vModalDialog {
public:
    using vModalDialog::vModalDialog;
    std::vector<std::string> commands;
    // The base runs first, so what a cancel reports comes before the cancel itself.
    void OnDialogCommand(int id, int value, int kind) override {
        vModalDialog::OnDialogCommand(id, value, kind);
        commands.push_back(std::to_string(id) + "," + std::to_string(value));
    }
};

class RecordingModeless : public vDialog {
public:
    using vDialog::vDialog;
    std::vector<std::string> commands;
    void OnDialogCommand(int id, int value, int kind) override {
        commands.push_back(std::to_string(id) + "," + std::to_string(value));
        vDialog::OnDialogCommand(id, value, kind);
    }
};

ControlSpec modalTable[] = {
    Entry(CtlCheckBox, 1, 0, "Sturm"),
    Entry(CtlButton, IdOk, IdOk, " OK ", 1),
    Entry(CtlButton, IdCancel, IdCancel, " Cancel ", 1),
    {},
};

}  // namespace

TEST_F(QtDialogs, ModalDialogReturnsTheClosingIdAndStoresItsValue) {
    RecordingModal dialog(nullptr, "Values");
    dialog.AddControls(modalTable);
    Later([] { Button(Modal(), " OK ")->click(); });
    int value = 0;
    EXPECT_EQ(dialog.ShowModal("", value), IdOk);
    EXPECT_EQ(value, IdOk);
    EXPECT_FALSE(dialog.IsDisplayed());
    EXPECT_EQ(vModalDialog::Current(), nullptr);
}

TEST_F(QtDialogs, EscapeCancelsResettingAndReportingATickedCheckBox) {
    modalTable[0].value = 0;
    RecordingModal dialog(nullptr, "Values");
    dialog.AddControls(modalTable);
    Later([] {
        Button(Modal(), "Sturm")->click();
        Press(Modal(), Qt::Key_Escape);
    });
    int value = 0;
    EXPECT_EQ(dialog.ShowModal("", value), IdCancel);
    EXPECT_EQ(dialog.commands, (std::vector<std::string>{"1,1", "1,0", "32150,32150"}));
    EXPECT_EQ(dialog.GetControlValue(1), 0);
}

TEST_F(QtDialogs, ModelessDialogsIgnoreTheirControlsWhileAModalOneIsOpen) {
    ControlSpec modelessTable[] = {Entry(CtlButton, 7, 3, "Apply"), {}};
    RecordingModeless modeless(nullptr, "Prism");
    modeless.AddControls(modelessTable);
    modeless.ShowDialog("");
    modeless.ShowDialog("");  // already shown: nothing happens
    ASSERT_EQ(vDialog::OpenDialogs().size(), 1u);
    QWidget* modelessWindow = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowTitle() == "Prism") {
            modelessWindow = window;
        }
    }
    ASSERT_NE(modelessWindow, nullptr);
    RecordingModal modal(nullptr, "Values");
    modal.AddControls(modalTable);
    Later([modelessWindow] {
        Button(modelessWindow, "Apply")->click();
        Button(Modal(), " OK ")->click();
    });
    int value = 0;
    modal.ShowModal("", value);
    EXPECT_TRUE(modeless.commands.empty());
    Button(modelessWindow, "Apply")->click();
    EXPECT_EQ(modeless.commands, (std::vector<std::string>{"7,3"}));
    modeless.CloseDialog();
    EXPECT_TRUE(vDialog::OpenDialogs().empty());
}

namespace {

// The message is static text on the dialog face, and the icon is drawn in the text colour, not
// greyed like the disabled label that carries it.
void ExpectFaceBehindTextAndIconInColour(QWidget* window, QString& shown) {
    const QImage picture = window->grab().toImage();
    QLabel* message = window->findChild<QLabel*>();
    ASSERT_NE(message, nullptr);
    shown = message->text();
    const QPoint besideText = message->geometry().topRight() + QPoint(-4, 1);
    EXPECT_EQ(picture.pixelColor(besideText).rgb(),
              window->palette().color(QPalette::Button).rgb());
    QWidget* icon = nullptr;
    for (QWidget* item : window->findChildren<QWidget*>()) {
        if (dynamic_cast<QtOwnerDrawnItem*>(item) != nullptr &&
            (icon == nullptr || item->width() < icon->width())) {
            icon = item;
        }
    }
    ASSERT_NE(icon, nullptr);
    const QImage drawn = picture.copy(icon->geometry());
    const QColor ink = window->palette().color(QPalette::Active, QPalette::WindowText);
    int inked = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            inked += drawn.pixelColor(x, y).rgb() == ink.rgb() ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 100) << "the icon in full colour";
}

}  // namespace

TEST_F(QtDialogs, FramesShowEverySideAndBoxesInsideStayClearOfThem) {
    ControlSpec table[] = {
        Entry(CtlFrame, 1, 0, ""),
        {CtlRadioButton, 2, 1, "Linear", nullptr, 0, 1, 1, 0, 0, 0, nullptr},
        {},
    };
    RecordingModeless dialog(nullptr, "Frame");
    dialog.AddControls(table);
    dialog.ShowDialog("");
    QWidget* window = QApplication::topLevelWidgets().value(0);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        window = top->windowTitle() == "Frame" && top->isVisible() ? top : window;
    }
    const QImage picture = window->grab().toImage();
    const QColor shadow = window->palette().color(QPalette::Dark);
    const QRect frame = window->findChildren<QWidget*>().value(0)->geometry();
    auto shadowed = [&](QPoint from, QPoint step) {
        for (QPoint at = from; frame.contains(at); at += step) {
            if (picture.pixelColor(at).rgb() == shadow.rgb()) {
                return true;
            }
        }
        return false;
    };
    const QPoint centre = frame.center();
    EXPECT_TRUE(shadowed(centre, QPoint(0, -1)) && shadowed(centre, QPoint(0, 1)) &&
                shadowed(centre, QPoint(-1, 0)) && shadowed(centre, QPoint(1, 0)));
    const QRect radio = Button(window, "Linear")->geometry();
    EXPECT_EQ(picture.pixelColor(radio.left(), radio.center().y()).rgb(),
              window->palette().color(QPalette::Button).rgb());
    dialog.CloseDialog();
}

TEST_F(QtDialogs, NoticeShowsItsMessageIgnoresEscapeAndClosesOnOk) {
    vNoticeDialog notice(nullptr, "Notice");
    QString shown;
    bool openAfterEscape = false;
    Later([&] {
        QWidget* window = Modal();
        ExpectFaceBehindTextAndIconInColour(window, shown);
        Press(window, Qt::Key_Escape);
        openAfterEscape = window->isVisible();
        Button(window, " OK ")->click();
    });
    EXPECT_EQ(notice.ShowNotice("File saved."), IdOk);
    EXPECT_EQ(shown, "File saved.");
    EXPECT_TRUE(openAfterEscape);
}

TEST_F(QtDialogs, QuestionAnswersOneZeroAndMinusOne) {
    const struct {
        const char* button;
        int answer;
    } cases[] = {{" Yes ", 1}, {" No ", 0}, {" Cancel ", -1}, {nullptr, -1}};
    for (const auto& c : cases) {
        vYNReplyDialog question(nullptr, "Yes or No");
        const char* button = c.button;
        Later([button] {
            if (button != nullptr) {
                Button(Modal(), button)->click();
            } else {
                Press(Modal(), Qt::Key_Escape);
            }
        });
        EXPECT_EQ(question.AskYesNo("Save new or changed drawing?"), c.answer)
            << (button ? button : "Escape");
    }
}

namespace {
const char* const kPatterns[] = {"*.pol", "*.prm", "*.pol;*.prm", "*", nullptr};

std::string TempFolder() {
    char folder[] = "/tmp/vexlin-choose-XXXXXX";
    return mkdtemp(folder);
}
}  // namespace

TEST_F(QtDialogs, PickFileStartsOnTheGivenFilterAndReturnsTheChosenOne) {
    const std::string folder = TempFolder();
    const std::string file = folder + "/shape.prm";
    std::fclose(std::fopen(file.c_str(), "w"));
    char buffer[256] = "";
    int index = 1;
    QString initialFilter;
    Later([&] {
        auto* dialog = qobject_cast<QFileDialog*>(Modal());
        initialFilter = dialog->selectedNameFilter();
        dialog->selectNameFilter("*");
        dialog->selectFile(QString::fromStdString(file));
        static_cast<QDialog*>(dialog)->accept();
    });
    vFileSelect chooser(nullptr, "File Select");
    EXPECT_EQ(chooser.PickFile("Open", buffer, sizeof buffer, kPatterns, index), 1);
    EXPECT_EQ(initialFilter, "*.prm");
    EXPECT_STREQ(buffer, file.c_str());
    EXPECT_EQ(index, 3);
    char cwd[PATH_MAX];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(std::string(cwd), folder) << "the working directory follows the choice";
}

TEST_F(QtDialogs, PickSaveFileCancelledEmptiesTheBuffer) {
    char buffer[100] = "old.pol";
    int index = 0;
    Later([] { qobject_cast<QFileDialog*>(Modal())->reject(); });
    vFileSelect chooser(nullptr, "File Select");
    EXPECT_EQ(chooser.PickSaveFile("Save", buffer, sizeof buffer, kPatterns, index, 0, nullptr), 0);
    EXPECT_STREQ(buffer, "");
}

TEST_F(QtDialogs, PickSaveFileForAFolderReturnsTheFolder) {
    const std::string folder = TempFolder();
    char buffer[100] = "";
    int index = 0;
    Later([&] {
        auto* dialog = qobject_cast<QFileDialog*>(Modal());
        dialog->selectFile(QString::fromStdString(folder + "/x.pol"));
        static_cast<QDialog*>(dialog)->accept();
    });
    vFileSelect chooser(nullptr, "File Select");
    EXPECT_EQ(
        chooser.PickSaveFile("Folder", buffer, sizeof buffer, kPatterns, index, 1, folder.c_str()),
        1);
    EXPECT_EQ(std::string(buffer), folder);
}

TEST_F(QtDialogs, APathLongerThanTheBufferIsRefusedWithANotice) {
    const std::string folder = TempFolder();
    char buffer[12] = "keep";
    int index = 0;
    bool noticeShown = false;
    Later([&] {
        auto* dialog = qobject_cast<QFileDialog*>(Modal());
        dialog->selectFile(QString::fromStdString(folder + "/long-name.pol"));
        Later([&] {
            noticeShown = Button(Modal(), " OK ") != nullptr;
            Button(Modal(), " OK ")->click();
        });
        static_cast<QDialog*>(dialog)->accept();
    });
    vFileSelect chooser(nullptr, "File Select");
    EXPECT_EQ(chooser.PickSaveFile("Save", buffer, sizeof buffer, kPatterns, index, 0, nullptr), 0);
    EXPECT_TRUE(noticeShown);
    EXPECT_STREQ(buffer, "") << "never a truncated, different path";
}
