#pragma once

#include <functional>
#include <string>

#include "toolkit/vTimer.h"

// Keeps a drawing window's recovery copy up to date: once a second it asks the window what the
// copy should hold and writes it, through the safe save, when that differs from what it last
// wrote; a window with nothing unsaved has no copy. A copy is never written in the middle of
// a gesture, only once the mouse buttons are up.
class RecoveryKeeper : public vTimer {
public:
    static constexpr int TickMilliseconds = 1000;

    enum class State {
        Busy,     // a gesture is under way: ask again later
        Saved,    // nothing unsaved: no copy
        Unsaved,  // the copy's text is given
    };
    // Tells the window's state, and the copy's text when it is unsaved.
    using Compose = std::function<State(std::string& text)>;

    RecoveryKeeper(int serial, Compose compose);
    ~RecoveryKeeper() override;

    void OnTimerTick() override { Keep(); }
    // Brings the copy up to date now, whatever the gesture; false when it could not be written.
    bool KeepNow();
    // The drawing was saved, or let go: its copy goes.
    void Remove();
    // The copy's file name, once one was written.
    const std::string& Path() const { return _path; }

private:
    void Keep();
    bool Write(const std::string& text);

    int _serial;
    Compose _compose;
    std::string _path;
    std::string _kept;
};
