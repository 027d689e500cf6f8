#pragma once

#include <map>

// A periodic timer whose ticks arrive from the event loop.
class vTimer {
public:
    vTimer() = default;
    vTimer(const vTimer&) = delete;
    vTimer& operator=(const vTimer&) = delete;
    virtual ~vTimer();

    // Stops a running timer first. Returns 1, or 0 after a warning when no timer can be made.
    virtual int StartTimer(int milliseconds);
    virtual void StopTimer();
    virtual void OnTimerTick() {}

    bool Running() const { return _id != 0; }

    // The callback shared by all timers: finds the timer by its id.
    static void Dispatch(int id);

private:
    static std::map<int, vTimer*>& Timers();

    int _id = 0;
};
