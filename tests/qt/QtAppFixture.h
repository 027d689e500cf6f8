#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <functional>

#include "toolkit/platform/qt/QtTextPlatform.h"
#include "toolkit/platform/qt/QtWindowPlatform.h"
#include "toolkit/vApp.h"

// Runs an application on the real Qt platform: the steps run inside the event loop, and a
// watchdog ends a loop that a failing test left running.
class QtAppFixture : public ::testing::Test {
protected:
    QtAppFixture() {
        vWindowPlatform::Install(&platform);
        vTextPlatform::Install(&text);
    }
    ~QtAppFixture() override {
        vTextPlatform::Install(nullptr);
        vWindowPlatform::Install(nullptr);
    }

    int RunWithSteps(vApp& app, std::function<void()> steps) {
        Steps() = std::move(steps);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(20000);
        return app.Run(0, nullptr, [](int, char**) {
            QTimer::singleShot(0, [] { Steps()(); });
            return 0;
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

private:
    static std::function<void()>& Steps() {
        static std::function<void()> steps;
        return steps;
    }
};
