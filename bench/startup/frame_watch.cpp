// Starts a program on the X display and watches it from outside, the same way whatever the
// program is: prints the milliseconds from its start until its frame is visible, the processor
// time its threads had used by then (in milliseconds; steadier than the first on a busy
// machine), and its resident memory in kilobytes once it has gone idle; then ends it.
//
// "Visible" is the first drawing the X server receives inside the first top-level window the
// program maps: the moment its pixels reach the screen. The server reports every change of the
// screen through the DAMAGE extension on the root window, drawing by other clients included.
// "Idle" is no drawing for a second, and at least two seconds after the frame became visible.
//
// Usage: vexlin-frame-watch PROGRAM [ARGUMENTS...]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <dirent.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr double IdleQuietMs = 1000;
constexpr double IdleAfterVisibleMs = 2000;
constexpr double GiveUpMs = 30000;

double NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

long ResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, 6, "VmRSS:") == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// The time on a processor of every thread of the process, from the scheduler's statistics.
double ProcessorMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* folder = opendir(tasks.c_str());
    double total = 0;
    while (dirent* entry = folder ? readdir(folder) : nullptr) {
        unsigned long long nanoseconds = 0;
        if (entry->d_name[0] != '.' &&
            std::ifstream(tasks + "/" + entry->d_name + "/schedstat") >> nanoseconds) {
            total += nanoseconds / 1e6;
        }
    }
    if (folder) {
        closedir(folder);
    }
    return total;
}

struct Watch {
    Display* display = nullptr;
    pid_t program = 0;
    int damageEvent = 0;
    bool mapped = false;
    XRectangle frame{};
    double visible = -1;
    double processor = 0;
    double lastDrawing = 0;
};

bool Inside(const XRectangle& frame, const XRectangle& area) {
    return area.x < frame.x + frame.width && frame.x < area.x + area.width &&
           area.y < frame.y + frame.height && frame.y < area.y + area.height;
}

void Handle(Watch& watch, const XEvent& event, double now) {
    if (event.type == MapNotify && !watch.mapped && !event.xmap.override_redirect) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(watch.display, event.xmap.window, &attributes)) {
            watch.mapped = true;
            watch.frame = {static_cast<short>(attributes.x), static_cast<short>(attributes.y),
                           static_cast<unsigned short>(attributes.width),
                           static_cast<unsigned short>(attributes.height)};
        }
    } else if (event.type == watch.damageEvent + XDamageNotify && watch.mapped) {
        const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
        if (Inside(watch.frame, damage.area)) {
            if (watch.visible < 0) {
                watch.visible = now;
                watch.processor = ProcessorMs(watch.program);
            }
            watch.lastDrawing = now;
        }
    }
}

bool Idle(const Watch& watch, double now) {
    return watch.visible >= 0 && now - watch.lastDrawing >= IdleQuietMs &&
           now - watch.visible >= IdleAfterVisibleMs;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 64;
    }
    Watch watch;
    watch.display = XOpenDisplay(nullptr);
    int damageError = 0;
    if (!watch.display || !XDamageQueryExtension(watch.display, &watch.damageEvent, &damageError)) {
        std::fprintf(stderr, "%s: no X display with the DAMAGE extension\n", argv[0]);
        return 69;
    }
    const Window root = DefaultRootWindow(watch.display);
    XSelectInput(watch.display, root, SubstructureNotifyMask);
    XDamageCreate(watch.display, root, XDamageReportRawRectangles);
    XSync(watch.display, True);

    const double start = NowMs();
    const pid_t pid = watch.program = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    pollfd connection{ConnectionNumber(watch.display), POLLIN, 0};
    double now = start;
    int status = 0;
    while (!Idle(watch, now) && now - start < GiveUpMs && waitpid(pid, &status, WNOHANG) == 0) {
        poll(&connection, 1, 20);
        now = NowMs();
        while (XPending(watch.display)) {
            XEvent event;
            XNextEvent(watch.display, &event);
            Handle(watch, event, now);
        }
    }
    const long resident = Idle(watch, now) ? ResidentKb(pid) : -1;
    kill(pid, SIGTERM);
    waitpid(pid, &status, 0);
    XCloseDisplay(watch.display);
    if (resident < 0) {
        std::fprintf(stderr, "%s: %s showed no frame, or did not go idle\n", argv[0], argv[1]);
        return 1;
    }
    std::printf("%.1f %.1f %ld\n", watch.visible - start, watch.processor, resident);
    return 0;
}
