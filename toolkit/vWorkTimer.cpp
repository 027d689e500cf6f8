#include "toolkit/vWorkTimer.h"

#include <vector>

#include "toolkit/vApp.h"
#include "toolkit/vWindow.h"

void vWorkTimer::OnTimerTick() {
    if (!theApp) {
        return;
    }
    theApp->OnWorkTick();
    std::vector<vWindow*> windows;
    for (int i = 0; i < theApp->WindowCount(); ++i) {
        windows.push_back(theApp->WindowAt(i));
    }
    for (vWindow* window : windows) {
        window->OnWindowWorkTick();
    }
}
