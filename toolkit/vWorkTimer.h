#pragma once

#include "toolkit/vTimer.h"

// The application's work timer: each tick runs the application's and every window's work hook.
class vWorkTimer : public vTimer {
public:
    void OnTimerTick() override;
};
