#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <ctime>
#include <limits>

#include "model/KCanvasPane.h"
#include "model/RandomSource.h"
#include "model/SeedSource.h"
#include "model/model_test_helpers.h"

namespace {

constexpr double Pi = 3.141592653589793;
constexpr double Near = 1e-9;
constexpr uint32_t SomeSecond = 1700000000;

// (0, -radius) turned by the angle, counter-clockwise on the canvas.
Point2 OnCircle(double radius, double angle) {
    return {-radius * std::sin(angle), -radius * std::cos(angle)};
}

void ExpectPoint(const Point2& p, Point2 expected, int index) {
    EXPECT_NEAR(p.x, expected.x, Near) << "entry " << index;
    EXPECT_NEAR(p.y, expected.y, Near) << "entry " << index;
}

// A drawing of finished sets only, filling the first entries.
void FinishedSetsOf(KCanvasPane& canvas, int sets, int entriesEach) {
    NumberAllEntries(canvas);
    canvas.setCount = sets;
    for (int k = 1; k <= sets; ++k) {
        canvas.setEnds[k] = k * entriesEach;
    }
    canvas.pointCount = sets * entriesEach;
}

class ShapeGenerator : public ::testing::Test {
protected:
    void SetUp() override { SeedSource::UseSeed(SomeSecond); }
    void TearDown() override { SeedSource::UseClock(); }

    StatusLog log;
    KCanvasPane canvas{&log};
};

}  // namespace

TEST(RandomSourceValues, FollowTheLinearCongruentialSequence) {
    // Seeding advances once, so seed 0 starts where seed 1 is after seeding.
    RandomSource fromZero(0);
    RandomSource fromOne(1);
    const int expected[] = {346, 130, 10982, 1090, 11656, 7117, 17595};
    for (int value : expected) {
        EXPECT_EQ(fromZero.Next(), value);
    }
    EXPECT_EQ(fromOne.Next(), 130);

    RandomSource wide(0xffffffffu);
    for (int i = 0; i < 1000; ++i) {
        int value = wide.Next();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, RandomSource::MaxValue);
    }
}

TEST(RandomSourceValues, SeedComesFromTheClockUnlessOneIsChosen) {
    ASSERT_TRUE(SeedSource::UsesClock());
    uint32_t before = static_cast<uint32_t>(std::time(nullptr));
    uint32_t seed = SeedSource::Seed();
    EXPECT_GE(seed, before);
    EXPECT_LE(seed, static_cast<uint32_t>(std::time(nullptr)));
    SeedSource::UseSeed(42);
    EXPECT_EQ(SeedSource::Seed(), 42u);
    EXPECT_FALSE(SeedSource::UsesClock());
    SeedSource::UseClock();
    EXPECT_TRUE(SeedSource::UsesClock());
}

TEST_F(ShapeGenerator, SquareStartsAboveTheOriginAndClosesItself) {
    canvas.GenerateShape(4, 1.0, 0, 0.5, ShapePolygon);
    ASSERT_EQ(canvas.pointCount, 5);
    EXPECT_EQ(canvas.setCount, 1);
    EXPECT_EQ(canvas.setEnds[1], 5);
    const Point2 square[] = {{0, -75}, {-75, 0}, {0, 75}, {75, 0}, {0, -75}};
    for (int i = 0; i < 5; ++i) {
        ExpectPoint(canvas.points[i], square[i], i);
    }
    EXPECT_EQ(canvas.points[4].x, canvas.points[0].x) << "the closing point is an exact copy";
    EXPECT_EQ(canvas.points[4].y, canvas.points[0].y);
    ExpectPoint(canvas.control1[0], {-18.75, -56.25}, 0);
    ExpectPoint(canvas.control2[3], {28.125, -46.875}, 3);
    EXPECT_EQ(canvas.changed, 1) << "closing the window must ask to save";
    ASSERT_EQ(log.updates.size(), 1u);
    EXPECT_EQ(log.updates[0], std::make_pair(0.0, 0.0));
}

TEST_F(ShapeGenerator, SizeScalesAndRotateTurnsPointsAndHandles) {
    canvas.GenerateShape(4, 2.0, 45, 0.5, ShapePolygon);
    double d = 150 * std::sqrt(0.5);
    const Point2 turned[] = {{-d, -d}, {-d, d}, {d, d}, {d, -d}, {-d, -d}};
    for (int i = 0; i < 5; ++i) {
        ExpectPoint(canvas.points[i], turned[i], i);
    }
    ExpectPoint(canvas.control1[0], {-d, -d * 0.5}, 0);
}

TEST_F(ShapeGenerator, PolygonVerticesFollowEachOtherAroundTheCircle) {
    canvas.OnResize(600, 400);
    canvas.GenerateShape(7, 1.0, 0, 0.5, -3);  // a negative style is a polygon
    ASSERT_EQ(canvas.pointCount, 8);
    for (int i = 0; i < 7; ++i) {
        ExpectPoint(canvas.points[i], OnCircle(100, i * 2 * Pi / 7), i);
    }
}

TEST_F(ShapeGenerator, StarAlternatesOuterAndInnerVertices) {
    canvas.GenerateShape(5, 1.0, 0, 0.5, ShapeStar);
    ASSERT_EQ(canvas.pointCount, 11);
    EXPECT_EQ(canvas.setEnds[1], 11);
    for (int i = 0; i < 10; ++i) {
        double radius = i % 2 ? 37.5 : 75;
        ExpectPoint(canvas.points[i], OnCircle(radius, i * Pi / 5), i);
    }
    ExpectPoint(canvas.points[10], {0, -75}, 10);
}

TEST_F(ShapeGenerator, RandomPointsAreWholeNumbersFromTheSeed) {
    canvas.GenerateShape(3, 1.0, 90, 0.5, ShapeRandom);
    ASSERT_EQ(canvas.pointCount, 4);
    const Point2 expected[] = {{-4, 10}, {-41, 8}, {-34, -21}, {-4, 10}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(canvas.points[i].x, expected[i].x) << "not turned: entry " << i;
        EXPECT_EQ(canvas.points[i].y, expected[i].y) << i;
    }

    canvas.GenerateShape(3, 2.0, 0, 0.5, ShapeRandom);
    EXPECT_EQ(canvas.points[4].x, -8) << "size multiplies the offsets";
    EXPECT_EQ(canvas.points[5].y, 16);
}

TEST_F(ShapeGenerator, RandomPointsStayInsideTheSquareForEverySeed) {
    for (uint32_t seed = 0; seed < 20; ++seed) {
        KCanvasPane fresh(nullptr);
        SeedSource::UseSeed(seed * 7919u);
        fresh.GenerateShape(100, 1.0, 0, 0.5, ShapeRandom);
        ASSERT_EQ(fresh.pointCount, 101);
        for (int i = 0; i < 100; ++i) {
            for (double v : {fresh.points[i].x, fresh.points[i].y}) {
                EXPECT_EQ(v, std::trunc(v));
                EXPECT_GE(v, -75);
                EXPECT_LE(v, 74);
            }
        }
    }
}

TEST_F(ShapeGenerator, TwoCallsWithOneSeedAgree) {
    for (int style : {ShapeRandom, ShapeRanPoly}) {
        KCanvasPane first(nullptr);
        first.GenerateShape(6, 1.0, 0, 0.7, style);
        canvas.ClearCanvas(0);
        canvas.GenerateShape(6, 1.0, 0, 0.7, style);
        canvas.GenerateShape(6, 1.0, 0, 0.7, style);
        ASSERT_EQ(canvas.pointCount, 14);
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(canvas.points[i].x, first.points[i].x) << style << ":" << i;
            EXPECT_EQ(canvas.points[i + 7].y, first.points[i].y) << style << ":" << i;
        }
    }
}

TEST_F(ShapeGenerator, RanPolyStepsAddUpFromVertexToVertex) {
    canvas.GenerateShape(4, 1.0, 0, 0.5, ShapeRanPoly);
    ASSERT_EQ(canvas.pointCount, 5);
    // Steps (35, 42), (16.5, 41), (20, 26.5), (36.5, 41.5) from the seeded values modulo 150.
    const Point2 expected[] = {{35, -33}, {-58.5, 41}, {61, 85}, {121.5, -19.5}, {35, -33}};
    for (int i = 0; i < 5; ++i) {
        ExpectPoint(canvas.points[i], expected[i], i);
    }
}

TEST_F(ShapeGenerator, ShapesThatDoNotFitAreRefusedWithoutAnyChange) {
    struct Case {
        const char* what;
        int sets, entriesEach, openPoints;
        int points;
        double size, function;
        int style;
    } cases[] = {
        {"490 + 8 > 497", 1, 490, 0, 8, 1.0, 0.5, ShapePolygon},
        {"a star counts its inner vertices", 1, 490, 0, 4, 1.0, 0.5, ShapeStar},
        {"open set", 1, 4, 2, 3, 1.0, 0.5, ShapePolygon},
        {"99 sets fill the set-end table", MaxSets, 4, 0, 3, 1.0, 0.5, ShapePolygon},
        {"unknown style", 0, 0, 0, 5, 1.0, 0.5, 4},
        {"too few vertices", 0, 0, 0, 2, 1.0, 0.5, ShapeRandom},
        {"no vertices", 0, 0, 0, 0, 1.0, 0.5, ShapePolygon},
        {"negative count", 0, 0, 0, -5, 1.0, 0.5, ShapeStar},
        {"count beyond any drawing", 0, 0, 0, INT_MAX, 1.0, 0.5, ShapeStar},
        {"size not a number", 0, 0, 0, 5, std::nan(""), 0.5, ShapePolygon},
        {"infinite size", 0, 0, 0, 5, std::numeric_limits<double>::infinity(), 0.5, ShapeRandom},
        {"size beyond single precision", 0, 0, 0, 5, 1e300, 0.5, ShapePolygon},
        {"function not a number", 0, 0, 0, 5, 1.0, std::nan(""), ShapeStar},
    };
    for (const Case& c : cases) {
        KCanvasPane target(&log);
        FinishedSetsOf(target, c.sets, c.entriesEach);
        target.pointCount += c.openPoints;
        ModelSnapshot before(target);
        log.updates.clear();
        target.GenerateShape(c.points, c.size, 0, c.function, c.style);
        EXPECT_TRUE(before.Matches(target)) << c.what;
        EXPECT_EQ(target.changed, 0) << c.what;
        EXPECT_TRUE(log.updates.empty()) << c.what;
    }
}

TEST_F(ShapeGenerator, TheLastShapeThatFitsIsAccepted) {
    FinishedSetsOf(canvas, 1, 490);
    canvas.GenerateShape(7, 1.0, 0, 0.5, ShapePolygon);
    EXPECT_EQ(canvas.pointCount, 498);
    EXPECT_EQ(canvas.setEnds[2], 498);

    KCanvasPane nearlyFull(nullptr);
    FinishedSetsOf(nearlyFull, MaxSets - 1, 4);
    nearlyFull.GenerateShape(3, 1.0, 0, 0.5, ShapeStar);
    EXPECT_EQ(nearlyFull.setCount, MaxSets);
    EXPECT_EQ(nearlyFull.setEnds[MaxSets], 98 * 4 + 7);
}

TEST_F(ShapeGenerator, RanPolyNeedsACanvasAtLeastTwoPixelsEachWay) {
    for (auto size : {std::make_pair(1, 300), std::make_pair(300, 1), std::make_pair(0, 0)}) {
        KCanvasPane tiny(nullptr);
        tiny.OnResize(size.first, size.second);
        tiny.GenerateShape(5, 1.0, 0, 0.5, ShapeRanPoly);
        EXPECT_EQ(tiny.pointCount, 0) << size.first << "x" << size.second;
    }
    KCanvasPane narrow(nullptr);
    narrow.OnResize(1, 300);
    narrow.GenerateShape(5, 1.0, 0, 0.5, ShapePolygon);
    EXPECT_EQ(narrow.pointCount, 6) << "other styles do not divide by the origin";
}
