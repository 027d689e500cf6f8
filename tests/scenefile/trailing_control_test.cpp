#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/ModelUnits.h"
#include "scenefile/SceneReading.h"
#include "scenefile/SceneWriting.h"
#include "support/TestRandom.h"

namespace {

const char* const TrailingComment = " //___2control___";

// A cubic outline of a prism, or a cubic profile of a lathe, in one finished set, made as the
// editor makes it.
Drawing Cubic(ShapeKind kind) {
    Drawing drawing;
    drawing.kind = kind;
    drawing.splineType = CubicSpline;
    const Point2 corners[] = {{30, -10}, {90, -40}, {60, -80}, {45, -120}, {30, -10}};
    for (const Point2& corner : corners) {
        drawing.points[drawing.pointCount++] = corner;
    }
    drawing.control1[0] = {15, -5};
    drawing.setCount = 1;
    drawing.setEnds[1] = drawing.pointCount;
    return drawing;
}

std::string Text(const Drawing& drawing) {
    return ComposeSceneFile(drawing, "cubic", KindChoice::Of(drawing.kind)).text;
}

Drawing Read(const std::string& text, ShapeKind kind) {
    SceneRead read = ReadSceneBytes(text.data(), text.size(), Drawing(), kind);
    EXPECT_TRUE(read.Ok()) << text;
    return read.drawing;
}

// The value on the trailing control line, in model units.
Point2 TrailingValue(const std::string& text) {
    const size_t comment = text.find(TrailingComment);
    const size_t start = text.rfind('<', comment);
    double x = NAN;
    double y = NAN;
    std::sscanf(text.c_str() + start, "<%lf,%lf>", &x, &y);
    return {x * ModelUnitsPerFileUnit, -y * ModelUnitsPerFileUnit};
}

std::string WithTrailing(std::string text, const char* value) {
    const size_t comment = text.find(TrailingComment);
    const size_t start = text.rfind('<', comment);
    return text.replace(start, comment - start, value);
}

void Map(Drawing& drawing, double a, double b, double c, double d, double e, double f) {
    for (Point2* table : {drawing.points, drawing.control1, drawing.control2}) {
        for (int i = 0; i < MaxPoints; ++i) {
            const Point2 p = table[i];
            table[i] = {a * p.x + b * p.y + e, c * p.x + d * p.y + f};
        }
    }
}

// A closing control point or end slope point that a file gives is written back as given,
// follows its outline through any affine map, and gives way to the worked-out one once the
// outline's shape is edited; one the writer would work out itself is not kept at all.
TEST(TrailingControl, KeptAsGivenCarriedByMapsDroppedByEdits) {
    for (ShapeKind kind : {Prism, Lathe}) {
        const std::string made = Text(Cubic(kind));
        ASSERT_NE(made.find(TrailingComment), std::string::npos) << made;
        EXPECT_TRUE(Read(made, kind).trailingControls.empty()) << made;

        const std::string given = WithTrailing(made, "<1.5,-2.25>");
        const Drawing read = Read(given, kind);
        ASSERT_EQ(read.trailingControls.size(), 1u) << given;
        EXPECT_EQ(Text(read), given);

        TestRandom random(7);
        for (int round = 0; round < 40; ++round) {
            const double angle = random.Between(0, 359) * M_PI / 180;
            const double sx = random.Between(1, 40) / 10.0 * (kind == Prism && round % 2 ? -1 : 1);
            const double sy = random.Between(-40, 40) / 10.0;
            // A lathe's profile stays right of the axis: it is only scaled and moved up or down.
            const bool turn = kind == Prism;
            const double a = turn ? sx * std::cos(angle) : sx;
            const double b = turn ? -std::sin(angle) : 0;
            const double c = turn ? std::sin(angle) : 0;
            const double d = turn ? (sy == 0 ? 1 : sy) * std::cos(angle) : (sy == 0 ? 1 : sy);
            const double e = turn ? random.Between(-300, 300) : 0;
            const double f = random.Between(-300, 300);
            Drawing moved = read;
            Map(moved, a, b, c, d, e, f);
            const Point2 kept = read.trailingControls[0].value;
            const Point2 expected{a * kept.x + b * kept.y + e, c * kept.x + d * kept.y + f};
            const Point2 written = TrailingValue(Text(moved));
            EXPECT_NEAR(written.x, expected.x, 1e-3 * (1 + std::fabs(expected.x))) << round;
            EXPECT_NEAR(written.y, expected.y, 1e-3 * (1 + std::fabs(expected.y))) << round;
        }

        Drawing edited = read;
        edited.points[2].x += 3;
        Drawing workedOut = edited;
        workedOut.trailingControls.clear();
        EXPECT_EQ(Text(edited), Text(workedOut)) << "an edited outline's control is worked out";
    }
}

// The kept control belongs to its outline wherever the outline goes in the point list: after
// the set before it is removed, it is written for the set that was second and is now first.
TEST(TrailingControl, FollowsItsOutlineToAnotherSetNumber) {
    Drawing two = Cubic(Prism);
    const int n = two.pointCount;
    for (int i = 0; i < n; ++i) {
        two.points[n + i] = {two.points[i].x + 200, two.points[i].y};
    }
    two.control1[n] = {two.control1[0].x + 200, two.control1[0].y};
    two.pointCount = 2 * n;
    two.setCount = 2;
    two.setEnds[2] = 2 * n;
    const std::string text = Text(two);
    const size_t second = text.find(TrailingComment, text.find(TrailingComment) + 1);
    const size_t start = text.rfind('<', second);
    const std::string given = std::string(text).replace(start, second - start, "<9,9>");
    Drawing read = Read(given, Prism);
    ASSERT_EQ(read.trailingControls.size(), 1u);
    for (int i = 0; i < n; ++i) {
        read.points[i] = read.points[n + i];
        read.control1[i] = read.control1[n + i];
    }
    read.pointCount = n;
    read.setCount = 1;
    const Point2 written = TrailingValue(Text(read));
    EXPECT_NEAR(written.x, 9 * ModelUnitsPerFileUnit, 1e-9);
    EXPECT_NEAR(written.y, -9 * ModelUnitsPerFileUnit, 1e-9);
}

}  // namespace
