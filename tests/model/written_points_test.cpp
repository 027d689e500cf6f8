#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "model/ReadBack.h"
#include "model/WrittenPoints.h"
#include "tests/scenefile/SceneFileTestSupport.h"

namespace {

// Values of every size, values the editor makes (model units over 75) and values halfway
// between two six-digit numbers: each reads back as its printed six digits do, to the bit.
TEST(ReadBackTest, GivesWhatPrintingSixDigitsAndParsingThemGives) {
    std::mt19937_64 random(11);
    auto check = [](double value) {
        char text[40];
        std::snprintf(text, sizeof text, "%g", value);
        double expected = std::strtod(text, nullptr);
        double got = ReadBack(value);
        EXPECT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << text << " from " << value;
    };
    for (int i = 0; i < 100000; ++i) {
        double any;
        std::uint64_t bits = random();
        std::memcpy(&any, &bits, sizeof any);
        check(std::isfinite(any) ? any : 0.0);
        double decade = std::pow(10.0, static_cast<int>(random() % 60) - 30);
        // From -10 to 10 in the engine's own bits: the standard distributions differ by library.
        check(decade * (static_cast<double>(random() >> 11) * 0x1.0p-53 * 20 - 10));
        check(KCanvasPane::FileX(static_cast<double>(static_cast<int>(random() % 600001) - 300000) /
                                 1000));
        check((static_cast<double>(random() % 900000 + 100000) + 0.5) * decade);
    }
    for (double special : {0.0, -0.0, 1e6, 999999.5, 9.999995, 1e-320, 1e300,
                           std::numeric_limits<double>::infinity(), std::nan("")}) {
        char text[40];
        std::snprintf(text, sizeof text, "%g", ReadBack(special));
        char expected[40];
        std::snprintf(expected, sizeof expected, "%g", std::strtod(text, nullptr));
        EXPECT_STREQ(text, expected);
        check(special == special ? special : 0.0);
    }
}

// The list of two finished triangles for each spline: P a point, C and D the two control
// arrays, L the leading control line, Z a cubic outline's closing control, |N a set marker.
TEST(WrittenPointsTest, EntriesInTheWritersOrderWithTheirRolesAndSets) {
    struct Row {
        int kind;
        int spline;
        const char* expected;
        int declared;
    } rows[] = {
        {Polygon, BezierSpline, "P0 P1 P2 P3 |1 P4 P5 P6 P7", 8},
        {Prism, LinearSpline, "P0 P1 P2 P3 |1 P4 P5 P6 P7", 8},
        {Prism, QuadraticSpline, "L0 P0 P1 P2 P3 |2 C4 P4 P5 P6 P7", 10},
        {Prism, CubicSpline, "L0 P0 P1 P2 P3 Z0 |2 C4 P4 P5 P6 P7 Z4", 12},
        {Prism, BezierSpline,
         "P0 C0 D0 P1 P1 C1 D1 P2 P2 C2 D2 P3 |2 P4 C4 D4 P5 P5 C5 D5 P6 P6 C6 D6 P7", 24},
    };
    for (const Row& row : rows) {
        KCanvasPane canvas(nullptr);
        FillTwoTriangles(canvas);
        canvas.splineType = row.spline;
        WrittenPointList list = WrittenPoints(canvas, row.kind);
        std::string text;
        size_t marker = 0;
        for (size_t i = 0; i < list.entries.size(); ++i) {
            for (; marker < list.markers.size() && list.markers[marker].before == int(i);
                 ++marker) {
                text += "|" + std::to_string(list.markers[marker].set) + " ";
            }
            const WrittenEntry& e = list.entries[i];
            const char* letters = "PCDZ";
            text += e.role == WrittenRole::LeadingControl ? 'L' : letters[int(e.source)];
            text += std::to_string(e.index) + " ";
            EXPECT_EQ(e.set, e.index < 4 ? 1 : 2) << text;
        }
        text.pop_back();
        EXPECT_EQ(text, row.expected);
        EXPECT_EQ(list.declaredCount, row.declared) << row.expected;
    }
}

}  // namespace
