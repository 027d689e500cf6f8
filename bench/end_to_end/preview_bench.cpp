#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>

#include "app/KryCmdWindow.h"
#include "bench/BenchDrawing.h"
#include "bench/end_to_end/EndToEndDesktop.h"
#include "model/KCanvasPane.h"
#include "preview/ProgramSearch.h"
#include "toolkit/platform/vImageWindowPlatform.h"
#include "toolkit/platform/vPlatformOverride.h"
#include "toolkit/vApp.h"

// From an edit of a drawing of all 500 entries to the POV-Ray preview showing it: the first
// picture (the editor's sketch of both views) and the final one (POV-Ray's pictures of both
// views), through the real preview window, its timer, POV-Ray and the event loop. The edit
// moves one point, as a drag step does; each step waits for the renders before it to end.

namespace {

using Clock = std::chrono::steady_clock;

// The real image windows, with the time of the last picture each place was given.
class TimedImageWindows : public vImageWindowPlatform {
public:
    explicit TimedImageWindows(vImageWindowPlatform& real) : _real(real) {}

    vImageWindowHandle CreateImageWindow(const char* title,
                                         const std::vector<std::string>& captions, int width,
                                         int height, vImageWindowEvents* events) override {
        return _real.CreateImageWindow(title, captions, width, height, events);
    }
    bool ShowPicture(vImageWindowHandle window, int place, const char* path) override {
        if (*path != '\0') {
            pictured[place] = Clock::now();
        }
        return _real.ShowPicture(window, place, path);
    }
    void ShowPixels(vImageWindowHandle window, int place, const PixelSurface& pixels) override {
        sketched[place] = Clock::now();
        _real.ShowPixels(window, place, pixels);
    }
    void ShowCaption(vImageWindowHandle window, int place, const char* caption) override {
        _real.ShowCaption(window, place, caption);
    }
    void ShowMessages(vImageWindowHandle window, const char* text) override {
        _real.ShowMessages(window, text);
    }
    void ShowBusy(vImageWindowHandle window, bool on) override {
        busy = on;
        _real.ShowBusy(window, on);
    }
    void SetImageWindowTitle(vImageWindowHandle window, const char* title) override {
        _real.SetImageWindowTitle(window, title);
    }
    void RaiseImageWindow(vImageWindowHandle window) override { _real.RaiseImageWindow(window); }
    void DestroyImageWindow(vImageWindowHandle window) override {
        _real.DestroyImageWindow(window);
    }

    Clock::time_point sketched[2];
    Clock::time_point pictured[2];
    bool busy = false;

private:
    vImageWindowPlatform& _real;
    vPlatformOverride<vImageWindowPlatform> _installed{&vPlatform::imageWindows, this};
};

// Runs the event loop until the condition holds; false after ten seconds without.
template <typename Condition>
bool RunUntil(Condition condition) {
    const Clock::time_point give_up = Clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (Clock::now() > give_up) {
            return false;
        }
        Desktop().ProcessEvents();
        usleep(500);
    }
    return true;
}

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

void PreviewAfterEdit(benchmark::State& state) {
    if (!ProgramOnPath("povray")) {
        state.SkipWithError("POV-Ray is not installed");
        return;
    }
    TimedImageWindows windows(*vImageWindowPlatform::Current());
    auto* window =
        static_cast<KryCmdWindow*>(theApp->NewAppWindow(nullptr, "Untitled", 600, 600, nullptr));
    KCanvasPane& canvas = *window->canvas;
    FillFiftySets(canvas);
    window->ShowPovrayPreview();
    RunUntil([&] { return windows.busy; });
    bool shown = RunUntil([&] { return !windows.busy; });
    double first = 0;
    double final = 0;
    double step = 1;
    for (auto _ : state) {
        canvas.points[240].x += step;
        step = -step;
        const Clock::time_point edit = Clock::now();
        auto after = [&](const Clock::time_point* times) {
            return times[0] > edit && times[1] > edit;
        };
        shown = shown && RunUntil([&] { return after(windows.sketched); }) &&
                RunUntil([&] { return after(windows.pictured); });
        if (!shown) {
            state.SkipWithError("the preview showed no picture within ten seconds");
            break;
        }
        const double sketch = Seconds(edit, std::max(windows.sketched[0], windows.sketched[1]));
        const double picture = Seconds(edit, std::max(windows.pictured[0], windows.pictured[1]));
        first += sketch;
        final += picture;
        state.SetIterationTime(state.range(0) == 0 ? sketch : picture);
        RunUntil([&] { return !windows.busy; });
    }
    state.counters["first_ms"] =
        benchmark::Counter(first * 1000, benchmark::Counter::kAvgIterations);
    state.counters["final_ms"] =
        benchmark::Counter(final * 1000, benchmark::Counter::kAvgIterations);
    canvas.changed = 0;
    theApp->vApp::CloseAppWindow(window);
    Desktop().ProcessEvents();
}

}  // namespace

// Argument 0 times the first picture, 1 the final one; both are counted either way.
BENCHMARK(PreviewAfterEdit)
    ->Name("BM_PreviewAfterEdit")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(12)
    ->Unit(benchmark::kMillisecond);
