#include <gtest/gtest.h>

#include <string>

#include "toolkit/platform/vBesideFrame.h"

namespace {

std::string Text(const vRect& r) {
    return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.w) + "x" +
           std::to_string(r.h);
}

// The point table (770 x 650) and the preview (630 x 480) beside a frame with room on its right,
// on its left, on neither side (maximised, restored on a small screen, on another screen); below
// a panel, low on the screen, larger than the screen, on a second screen.
TEST(BesideFrame, GoesBesideTheFrameWhereThereIsRoomElseOverItsRightSideOnTheScreen) {
    const struct {
        vRect area, frame, wanted, placed;
    } cases[] = {
        {{0, 0, 1920, 1050}, {0, 0, 1000, 700}, {0, 0, 770, 650}, {1000, 0, 770, 650}},
        {{0, 0, 1920, 1050}, {1000, 90, 900, 700}, {0, 0, 770, 650}, {230, 90, 770, 650}},
        {{0, 0, 1024, 768}, {0, 0, 1024, 768}, {0, 0, 770, 650}, {254, 0, 770, 650}},
        {{0, 0, 1024, 768}, {0, 0, 800, 600}, {0, 0, 630, 480}, {394, 0, 630, 480}},
        {{0, 0, 1024, 768}, {1920, 0, 600, 500}, {0, 0, 630, 480}, {394, 0, 630, 480}},
        {{0, 30, 1024, 738}, {0, 0, 200, 300}, {0, 0, 630, 480}, {200, 30, 630, 480}},
        {{0, 0, 1024, 768}, {0, 500, 250, 260}, {0, 0, 770, 650}, {250, 118, 770, 650}},
        {{0, 28, 1024, 740}, {0, 28, 1024, 740}, {0, 0, 770, 900}, {254, 28, 770, 740}},
        {{0, 0, 1024, 768}, {10, 10, 500, 400}, {0, 0, 2000, 500}, {0, 10, 1024, 500}},
        {{1920, 0, 1280, 1024}, {1920, 0, 600, 500}, {0, 0, 630, 480}, {2520, 0, 630, 480}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(PlaceBesideFrame(c.area, c.frame, c.wanted.w, c.wanted.h)), Text(c.placed))
            << Text(c.area) << " " << Text(c.frame);
    }
}

}  // namespace
