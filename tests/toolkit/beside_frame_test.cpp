#include <gtest/gtest.h>

#include <algorithm>

#include "support/TestRandom.h"
#include "toolkit/platform/vBesideFrame.h"

namespace {

bool Same(const vRect& a, const vRect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

bool Overlap(const vRect& a, const vRect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// The point table (770 x 650) and the preview (630 x 480) on small and large screens, with the
// frame maximised, restored, low on the screen, at the right, on a second screen.
TEST(BesideFrame, GoesBesideTheFrameWhereThereIsRoomElseOverItsRightSide) {
    const struct {
        const char* what;
        vRect area, frame;
        int width, height;
        vRect placed;
    } cases[] = {
        {"large screen", {0, 0, 1920, 1050}, {0, 0, 1000, 700}, 770, 650, {1000, 0, 770, 650}},
        {"maximised", {0, 0, 1024, 768}, {0, 0, 1024, 768}, 770, 650, {254, 0, 770, 650}},
        {"no room either side", {0, 0, 1024, 768}, {0, 0, 800, 600}, 630, 480, {394, 0, 630, 480}},
        {"room on the left",
         {0, 0, 1920, 1050},
         {1000, 90, 900, 700},
         770,
         650,
         {230, 90, 770, 650}},
        {"frame low", {0, 0, 1024, 768}, {0, 500, 250, 260}, 770, 650, {250, 118, 770, 650}},
        {"taller than the area",
         {0, 28, 1024, 740},
         {0, 28, 1024, 740},
         770,
         900,
         {254, 28, 770, 740}},
        {"wider than the area",
         {0, 0, 1024, 768},
         {10, 10, 500, 400},
         2000,
         500,
         {0, 10, 1024, 500}},
        {"frame above the area",
         {0, 30, 1024, 738},
         {0, 0, 200, 300},
         630,
         480,
         {200, 30, 630, 480}},
        {"second screen",
         {1920, 0, 1280, 1024},
         {1920, 0, 600, 500},
         630,
         480,
         {2520, 0, 630, 480}},
        {"frame on another screen",
         {0, 0, 1024, 768},
         {1920, 0, 600, 500},
         630,
         480,
         {394, 0, 630, 480}},
    };
    for (const auto& c : cases) {
        const vRect placed = PlaceBesideFrame(c.area, c.frame, c.width, c.height);
        EXPECT_TRUE(Same(placed, c.placed))
            << c.what << ": " << placed.x << "," << placed.y << " " << placed.w << "x" << placed.h;
    }
}

// Wherever the frame is and whatever the size, the window lies wholly on the area at the size
// asked or the area's; where the area has room beside the frame, it does not cover the frame.
TEST(BesideFrame, StaysOnTheAreaAndOffTheFrameWhenThereIsRoom) {
    TestRandom random(7);
    for (int i = 0; i < 20000; ++i) {
        const vRect area{random.Between(-2000, 2000), random.Between(-2000, 2000),
                         random.Between(200, 4000), random.Between(200, 3000)};
        const vRect frame{random.Between(-3000, 5000), random.Between(-3000, 5000),
                          random.Between(100, 4000), random.Between(100, 3000)};
        const int width = random.Between(100, 3000);
        const int height = random.Between(100, 3000);
        const vRect placed = PlaceBesideFrame(area, frame, width, height);
        SCOPED_TRACE(i);
        EXPECT_EQ(placed.w, std::min(width, area.w));
        EXPECT_EQ(placed.h, std::min(height, area.h));
        EXPECT_GE(placed.x, area.x);
        EXPECT_GE(placed.y, area.y);
        EXPECT_LE(placed.x + placed.w, area.x + area.w);
        EXPECT_LE(placed.y + placed.h, area.y + area.h);
        const bool roomRight =
            frame.x + frame.w >= area.x && frame.x + frame.w + placed.w <= area.x + area.w;
        const bool roomLeft = frame.x - placed.w >= area.x && frame.x <= area.x + area.w;
        if (roomRight || roomLeft) {
            EXPECT_FALSE(Overlap(placed, frame));
        }
    }
}

}  // namespace
