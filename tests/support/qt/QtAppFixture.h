#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/platform/qt/QtTextPlatform.h"
#include "toolkit/platform/qt/QtWindowPlatform.h"
#include "toolkit/platform/vPlatformOverride.h"
#include "toolkit/vApp.h"

// Runs an application on the real Qt platform: the steps run inside the event loop, and a
// watchdog ends a loop that a failing test left running.
class QtAppFixture : public ::testing::Test {
protected:
    // With a start function, the steps run once it has returned; it gets the arguments, which
    // begin with the program's name.
    int RunWithSteps(vApp& app, std::function<void()> steps, vAppStartFunction start = nullptr,
                     std::vector<std::string> arguments = {"program"}) {
        Steps() = std::move(steps);
        Start() = start;
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(watchdogMilliseconds);
        return app.Run(static_cast<int>(arguments.size()), argv.data(), [](int argc, char** argv) {
            const int code = Start() != nullptr ? Start()(argc, argv) : 0;
            QTimer::singleShot(0, [] { Steps()(); });
            return code;
        });
    }

    // Lets queued events (paints, deferred deletions, activation) happen.
    static void Settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    QtWindowPlatform platform;
    QtTextPlatform text;
    vPlatformOverride<vWindowPlatform> platformInstalled{&vPlatform::windows, &platform};
    vPlatformOverride<vTextPlatform> textInstalled{&vPlatform::text, &text};
    // How long the event loop may run before the watchdog ends it.
    int watchdogMilliseconds = 20000;

private:
    static std::function<void()>& Steps() {
        static std::function<void()> steps;
        return steps;
    }
    static vAppStartFunction& Start() {
        static vAppStartFunction start = nullptr;
        return start;
    }
};
