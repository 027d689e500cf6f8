#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/SetOutlines.h"
#include "preview/ProgramSearch.h"
#include "scenefile/SceneReading.h"
#include "tests/scenefile/SceneFileTestSupport.h"
#include "tests/tools/ToolRun.h"
#include "toolkit/platform/vHeadlessSession.h"

// A traced picture written as a prism gives back the picture: its sets, filled as POV-Ray
// fills a prism (even-odd), cover the picture's ink.
namespace {

constexpr int Side = 800;
// The tool writes a picture's pixels as model units: 75 to a file unit, y down.
constexpr double PixelsPerFileUnit = 75;

// A bold N (two stems and the diagonal between them, 400 high) and a ring, black on white.
std::vector<bool> LetterAndRing() {
    std::vector<bool> ink(Side * Side);
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            const double cx = x + 0.5;
            const double cy = y + 0.5;
            const bool tall = cy > 200 && cy < 600;
            const double diagonal = 125 + (cy - 200) * 180 / 400;
            const bool letter = tall && ((cx > 80 && cx < 160) || (cx > 270 && cx < 350) ||
                                         std::fabs(cx - diagonal) < 45);
            const double d = std::hypot(cx - 580, cy - 400);
            ink[static_cast<size_t>(y * Side + x)] = letter || (d > 110 && d < 190);
        }
    }
    return ink;
}

// The prism's sets filled even-odd, one row at a time, at the pixels' centres.
std::vector<bool> Filled(const Drawing& drawing) {
    std::vector<int> sets;
    for (int k = 1; k <= drawing.setCount; ++k) {
        sets.push_back(k);
    }
    const FlatSets flat = FlattenedSets(drawing, Prism, sets);
    std::vector<bool> filled(Side * Side);
    for (int y = 0; y < Side; ++y) {
        const double fy = -(y + 0.5) / PixelsPerFileUnit;
        std::vector<double> crossings;
        for (const Rings& rings : flat.regions) {
            for (const Ring& ring : rings) {
                for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
                    const Point2 a = ring[j];
                    const Point2 b = ring[i];
                    if ((a.y > fy) != (b.y > fy)) {
                        const double x = a.x + (fy - a.y) * (b.x - a.x) / (b.y - a.y);
                        crossings.push_back(x * PixelsPerFileUnit);
                    }
                }
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t k = 0; k + 1 < crossings.size(); k += 2) {
            for (int x = std::max(0, int(std::ceil(crossings[k] - 0.5)));
                 x < Side && x + 0.5 < crossings[k + 1]; ++x) {
                filled[static_cast<size_t>(y * Side + x)] = true;
            }
        }
    }
    return filled;
}

TEST(TraceFidelity, TracedLetterAndRingCoverThePicture) {
    if (!ProgramOnPath("potrace")) {
        GTEST_SKIP() << "potrace is not installed";
    }
    const std::vector<bool> ink = LetterAndRing();
    PixelSurface picture(Side, Side);
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            picture.At(x, y) = ink[static_cast<size_t>(y * Side + x)] ? 0xff000000u : 0xffffffffu;
        }
    }
    TempDir dir;
    ASSERT_TRUE(vHeadlessSession::SavePng(picture, dir.File("picture.png").c_str()));
    const ToolRun run = ToolRun::InProcess(dir.Path(), Words("trace picture.png traced"));
    ASSERT_EQ(run.status, 0) << run.err;
    const SceneRead read = ReadScene(dir.File("traced.prm").c_str(), Drawing());
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.drawing.splineType, BezierSpline);

    const std::vector<bool> filled = Filled(read.drawing);
    long both = 0;
    long either = 0;
    for (size_t i = 0; i < ink.size(); ++i) {
        both += ink[i] && filled[i] ? 1 : 0;
        either += ink[i] || filled[i] ? 1 : 0;
    }
    EXPECT_GE(double(both) / double(either), 0.97) << both << " of " << either;
    // The ring's hole, and the notch between the N's stems, stay empty.
    EXPECT_FALSE(filled[400 * Side + 580]);
    EXPECT_FALSE(filled[250 * Side + 230]);
    EXPECT_FALSE(filled[550 * Side + 200]);
    EXPECT_TRUE(filled[400 * Side + 580 + 150]);
}

}  // namespace
