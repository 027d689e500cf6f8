#pragma once

#include <QEventLoop>
#include <QTimer>

// Waits for something the event loop delivers, never for a time: the test's own callbacks call
// Wake() whenever what it waits for may have arrived, and Until returns once its condition
// holds. A guard ends the wait as a failure should the event never come.
class EventWait {
public:
    void Wake() {
        if (_loop != nullptr) {
            _loop->quit();
        }
    }

    template <typename Condition>
    bool Until(Condition condition) {
        QTimer guard;
        guard.setSingleShot(true);
        guard.start(GuardMilliseconds);
        while (!condition()) {
            QEventLoop loop;
            QObject::connect(&guard, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
            _loop = &loop;
            const int code = loop.exec();
            _loop = nullptr;
            if (code != 0) {
                return false;
            }
        }
        return true;
    }

private:
    static constexpr int GuardMilliseconds = 120000;
    QEventLoop* _loop = nullptr;
};
