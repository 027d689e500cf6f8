#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "preview/PictureTracer.h"
#include "tests/preview/FakeProcessRunner.h"
#include "tests/toolkit/FakeWindowPlatform.h"

namespace {

struct Reported {
    TraceValues values;
    TracedPicture traced;
};

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
    std::vector<Reported> reports;
    PictureTracer tracer(
        [&](const TraceValues& values, const TracedPicture& traced) {
            reports.push_back({values, traced});
        },
        "true");
    tracer.SetPicture(PixelSurface(8, 8));
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
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].values.threshold, 30);
    EXPECT_EQ(reports[0].traced.svg, "<svg/>");
    EXPECT_FALSE(tracer.Busy());
}

TEST(PictureTracer, AMissingProgramIsReportedByItsPackage) {
    FakeWindowPlatform timers;
    FakeProcessRunner runner;
    std::string message;
    PictureTracer tracer(
        [&](const TraceValues&, const TracedPicture& traced) { message = traced.message; },
        "no-such-tracer");
    tracer.TraceSoon(TraceValues());
    timers.Tick(timers.lastTimer);
    EXPECT_TRUE(runner.runs.empty());
    EXPECT_NE(message.find("Debian package potrace"), std::string::npos) << message;
}

}  // namespace
