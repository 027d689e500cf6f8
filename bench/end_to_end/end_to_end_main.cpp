// The end-to-end benchmarks run inside the editor's application on the offscreen platform: the
// frame exists and the benchmarks open their own windows in it.
#include <benchmark/benchmark.h>

#include "app/KryApp.h"
#include "bench/end_to_end/EndToEndDesktop.h"
#include "toolkit/platform/vWindowPlatform.h"

namespace {

vDesktopSession* desktop = nullptr;

int RunBenchmarks(int, char**) {
    benchmark::RunSpecifiedBenchmarks();
    vWindowPlatform::Current().ExitEventLoop(0);
    return 0;
}

}  // namespace

vDesktopSession& Desktop() {
    return *desktop;
}

int main(int argc, char** argv) {
    vDesktopSession session(argc, argv, true);
    desktop = &session;
    benchmark::Initialize(&argc, argv);
    KryApp app;
    const int code = app.Run(1, argv, RunBenchmarks);
    benchmark::Shutdown();
    return code;
}
