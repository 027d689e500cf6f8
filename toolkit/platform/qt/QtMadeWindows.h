#pragma once

#include <QPointer>
#include <algorithm>
#include <vector>

#include "toolkit/platform/qt/QtHandles.h"

// The top-level windows a platform made over the frame, found again by their handles. A window
// needs Forget(), after which it reports nothing. The frame deletes the windows over it when it
// goes; the rest go with this list.
template <typename Handle>
class QtMadeWindows {
public:
    using Window = typename QtObjectBehind<Handle>::Type;

    QtMadeWindows() = default;
    QtMadeWindows(const QtMadeWindows&) = delete;
    QtMadeWindows& operator=(const QtMadeWindows&) = delete;
    ~QtMadeWindows() {
        for (const QPointer<Window>& window : _made) {
            delete window.data();
        }
    }

    Handle Add(Window* window) {
        _made.emplace_back(window);
        return HandleOf<Handle>(window);
    }

    // The window a handle stands for, while it exists.
    Window* Find(Handle handle) const {
        for (const QPointer<Window>& made : _made) {
            if (made && made.data() == QtObjectOf(handle)) {
                return made.data();
            }
        }
        return nullptr;
    }

    void Raise(Handle handle) const {
        if (Window* window = Find(handle)) {
            window->show();
            window->raise();
            window->activateWindow();
        }
    }

    // The window reports nothing more and is hidden at once; it is deleted once the events
    // waiting for it are handled, as it may be the one whose event asked for this.
    void Destroy(Handle handle) {
        Window* window = Find(handle);
        _made.erase(std::remove_if(_made.begin(), _made.end(),
                                   [handle](const QPointer<Window>& made) {
                                       return !made || made.data() == QtObjectOf(handle);
                                   }),
                    _made.end());
        if (window != nullptr) {
            window->Forget();
            window->hide();
            window->deleteLater();
        }
    }

private:
    std::vector<QPointer<Window>> _made;
};
