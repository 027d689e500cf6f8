#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "preview/PictureTracer.h"
#include "tests/preview/FakeProcessRunner.h"
#include "tests/toolkit/FakeWindowPlatform.h"

namespace {

TraceValues Threshold(int threshold) {
    TraceValues values;
    values.threshold = threshold;
    return values;
}

// Values that keep changing start one trace once they settle; newer values end a trace still
// running, and only the trace of the latest values reports, with what the program wrote.
TEST(PictureTracer, OnlyTheLatestSettledValuesAreTraced) {
    FakeWindowPlatform timers;
    FakeProcessRunner runner;
    const PixelSurface picture(8, 8);
    std::vector<std::pair<int, std::string>> reports;  // the threshold and the SVG traced
    PictureTracer tracer(
        [&](const TraceValues& values, const TracedPicture& traced) {
            reports.push_back({values.threshold, traced.svg});
        },
        "true");
    tracer.SetPicture(picture);
    tracer.TraceSoon(Threshold(10));
    tracer.TraceSoon(Threshold(20));
    ASSERT_EQ(timers.timers.size(), 1u);
    EXPECT_TRUE(runner.runs.empty());
    timers.Tick(timers.lastTimer);
    ASSERT_EQ(runner.Live().size(), 1u);

    tracer.TraceSoon(Threshold(30));
    EXPECT_TRUE(runner.runs[0].cancelled);
    EXPECT_TRUE(tracer.Busy());
    timers.Tick(timers.lastTimer);
    ASSERT_EQ(runner.Live(), std::vector<int>{2});
    std::ofstream(runner.runs[1].folder + "/ink.svg") << "<svg/>";
    runner.Finish(1, {vProcessResult::Exited, 0, ""});
    EXPECT_TRUE(reports.empty());
    runner.Finish(2, {vProcessResult::Exited, 0, ""});
    EXPECT_EQ(reports, (std::vector<std::pair<int, std::string>>{{30, "<svg/>"}}));
    EXPECT_FALSE(tracer.Busy());
}

}  // namespace
