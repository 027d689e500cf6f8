#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "preview/PictureTrace.h"
#include "tests/scenefile/SceneFileTestSupport.h"
#include "tests/tools/ToolRun.h"
#include "toolkit/platform/vHeadlessSession.h"

// vexlin-tool trace as a user runs it: a picture's dark shapes become bezier sets.
namespace {

constexpr uint32_t Ink = 0xff000000u;

// A bar and a ring, dark on white: three outlines, the ring's inner one a hole.
PixelSurface BarAndRing() {
    PixelSurface picture(200, 160);
    for (int y = 0; y < 160; ++y) {
        for (int x = 0; x < 200; ++x) {
            const double d = std::hypot(x - 100, y - 80);
            if ((d > 40 && d < 60) || (x >= 20 && x < 40 && y >= 20 && y < 140)) {
                picture.At(x, y) = Ink;
            }
        }
    }
    return picture;
}

// The ink bitmap holds one bit a pixel, rows padded to whole bytes, set where the luminance
// is below the threshold (above it when inverted), never where the pixel is transparent.
TEST(TraceCommand, InkIsWhatIsDarkerThanTheThreshold) {
    PixelSurface picture(10, 2);
    const uint32_t shades[] = {0xff000000u, 0xff7f7f7fu, 0xff808080u, 0xffffffffu, 0x00000000u};
    for (int x = 0; x < 5; ++x) {
        picture.At(x, 0) = shades[x];
    }
    const std::string bitmap = InkBitmap(picture, 128, false);
    ASSERT_EQ(bitmap.substr(0, 8), "P4\n10 2\n");
    EXPECT_EQ(bitmap.size(), 8u + 2 * 2);
    EXPECT_EQ(static_cast<unsigned char>(bitmap[8]), 0xc0u);
    EXPECT_EQ(static_cast<unsigned char>(InkBitmap(picture, 128, true)[8]), 0x37u);
}

TEST(TraceCommand, TracesThePictureOrSaysWhyNot) {
    TempDir dir;
    ASSERT_TRUE(vHeadlessSession::SavePng(BarAndRing(), dir.File("shapes.png").c_str()));
    ASSERT_TRUE(vHeadlessSession::SavePng(PixelSurface(50, 50), dir.File("blank.png").c_str()));
    ToolRun run = ToolRun::InProcess(dir.Path(), Words("trace shapes.png shapes"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "shapes.prm\n");
    const std::string info = ToolRun::InProcess(dir.Path(), Words("info shapes.prm")).out;
    EXPECT_NE(info.find("spline: bezier\n"), std::string::npos) << info;
    EXPECT_NE(info.find("sets: 3\n"), std::string::npos) << info;

    struct Refusal {
        const char* arguments;
        int status;
        const char* says;
    };
    const Refusal refusals[] = {
        {"trace blank.png out", 69, "no ink at threshold 128"},
        {"trace missing.png out", 1, "missing.png: "},
        {"trace shapes.png out --threshold 300", 64, "not a whole number from 0 to 256"},
        {"trace shapes.png out --smooth 2", 64, "not a number from 0 to 1.334"},
        {"trace shapes.png shapes.png", 64, "would replace"},
    };
    for (const Refusal& refusal : refusals) {
        run = ToolRun::InProcess(dir.Path(), Words(refusal.arguments));
        EXPECT_EQ(run.status, refusal.status) << refusal.arguments << ": " << run.err;
        EXPECT_NE(run.err.find(refusal.says), std::string::npos) << run.err;
    }

    const std::string path = std::getenv("PATH");
    setenv("PATH", dir.Path().c_str(), 1);
    run = ToolRun::InProcess(dir.Path(), Words("trace shapes.png out"));
    setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(run.status, 69);
    EXPECT_NE(run.err.find("Debian package potrace"), std::string::npos) << run.err;
}

}  // namespace
