#include "toolkit/vEndSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Set once before the handlers exist and never changed: the handler reads only this.
int pipeEnds[2] = {-1, -1};

void OnEndSignal(int signal) {
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    // A full pipe already holds a signal that will be noticed.
    ssize_t written = write(pipeEnds[1], &number, 1);
    static_cast<void>(written);
    errno = saved;
}

}  // namespace

bool vEndSignals::Install() {
    if (pipeEnds[0] >= 0) {
        return true;
    }
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeEnds[0] = pipeEnds[1] = -1;
        return false;
    }
    struct sigaction action = {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
    return true;
}

int vEndSignals::ReadEnd() {
    return pipeEnds[0];
}

int vEndSignals::Take() {
    unsigned char number = 0;
    return pipeEnds[0] >= 0 && read(pipeEnds[0], &number, 1) == 1 ? number : 0;
}
