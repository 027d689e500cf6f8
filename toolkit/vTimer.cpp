#include "toolkit/vTimer.h"

#include "toolkit/platform/vWindowPlatform.h"
#include "toolkit/vApp.h"

vTimer::~vTimer() {
    StopTimer();
}

std::map<int, vTimer*>& vTimer::Timers() {
    static std::map<int, vTimer*> timers;
    return timers;
}

int vTimer::StartTimer(int milliseconds) {
    StopTimer();
    int id = vWindowPlatform::Current().StartTimer(milliseconds, &vTimer::Dispatch);
    if (id == 0) {
        vApp::Warning("Failed to create timer");
        return 0;
    }
    _id = id;
    Timers()[id] = this;
    return 1;
}

void vTimer::StopTimer() {
    if (_id == 0) {
        return;
    }
    vWindowPlatform::Current().StopTimer(_id);
    Timers().erase(_id);
    _id = 0;
}

void vTimer::Dispatch(int id) {
    auto found = Timers().find(id);
    if (found != Timers().end()) {
        found->second->OnTimerTick();
    }
}
