#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "support/qt/ModalAnswers.h"
#include "toolkit/platform/qt/QtControlHost.h"
#include "toolkit/platform/qt/QtControlPlatform.h"
#include "toolkit/platform/qt/QtFrame.h"
#include "toolkit/platform/qt/QtSubWindow.h"
#include "toolkit/platform/qt/QtWindowPlatform.h"
#include "toolkit/platform/vPlatformOverride.h"
#include "toolkit/vCmd.h"
#include "toolkit/vModalDialog.h"

// The program's dialogs on real widgets of the offscreen platform, over a frame. Modal dialogs
// and notices are answered by timers set before they open.
class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override {
        windows.CreateFrame("Vexlin", 800, 600, nullptr);
        windows.Frame()->show();
    }

    static QWidget* Widget(vDialog& dialog, int id) {
        auto* host = dynamic_cast<QtControlHost*>(&dialog.Host());
        const vCmd* control = dialog.FindControl(id);
        return host != nullptr && control != nullptr ? host->ItemWidget(control->Item()) : nullptr;
    }
    static QAbstractButton* Button(vDialog& dialog, int id) {
        return qobject_cast<QAbstractButton*>(Widget(dialog, id));
    }
    static void Type(vDialog& dialog, int id, const std::string& text) {
        qobject_cast<QLineEdit*>(Widget(dialog, id))->setText(QString::fromStdString(text));
    }
    static std::string Shown(vDialog& dialog, int id) {
        return qobject_cast<QLineEdit*>(Widget(dialog, id))->text().toStdString();
    }
    // The ids among `ids` whose radio or check box is ticked on screen.
    static std::vector<int> Ticked(vDialog& dialog, std::initializer_list<int> ids) {
        std::vector<int> ticked;
        for (int id : ids) {
            if (Button(dialog, id)->isChecked()) {
                ticked.push_back(id);
            }
        }
        return ticked;
    }

    // Runs the action and answers each notice it opens with OK; returns the notices' texts.
    static std::vector<std::string> AnsweringNotices(const std::function<void()>& action) {
        ModalAnswers answers;
        action();
        return answers.Messages();
    }

    // Shows a modal dialog and runs the steps inside it; returns the closing id and value.
    static std::pair<int, int> RunModal(vModalDialog& dialog, std::function<void()> steps) {
        QTimer::singleShot(0, std::move(steps));
        int value = 0;
        const int id = dialog.ShowModal("", value);
        return {id, value};
    }

    QtWindowPlatform windows;
    QtControlPlatform controls;
    vPlatformOverride<vWindowPlatform> windowsInstalled{&vPlatform::windows, &windows};
    vPlatformOverride<vControlPlatform> controlsInstalled{&vPlatform::controls, &controls};
};
