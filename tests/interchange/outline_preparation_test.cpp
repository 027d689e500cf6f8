#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "interchange/CanvasOutline.h"
#include "interchange/OutlineGeometry.h"
#include "interchange/OutlinePreparation.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "support/CanvasSceneFiles.h"
#include "support/TestRandom.h"
#include "tests/interchange/OutlineText.h"
#include "tests/scenefile/SceneFileTestSupport.h"

// Making imported outlines fit the drawing, its capacities and its file format.
namespace {

Outline::Set Ring(const std::vector<Point2>& points, bool curved = false) {
    Outline::Set set;
    set.points = points;
    set.segments.resize(points.size());
    for (size_t j = 0; curved && j < points.size(); ++j) {
        const Point2& a = points[j];
        const Point2& b = points[(j + 1) % points.size()];
        set.segments[j] = {true,
                           {a.x + (b.y - a.y) / 3, a.y - (b.x - a.x) / 3},
                           {b.x + (b.y - a.y) / 3, b.y - (b.x - a.x) / 3}};
    }
    return set;
}

std::vector<Point2> NoisyCircle(TestRandom& random, int count, Point2 centre, double radius) {
    std::vector<Point2> points;
    for (int i = 0; i < count; ++i) {
        double angle = 2 * 3.14159265358979 * i / count;
        double r = radius + random.Uniform(-3, 3);
        points.push_back({centre.x + r * std::cos(angle), centre.y + r * std::sin(angle)});
    }
    return points;
}

double DistanceToRing(const Point2& p, const std::vector<Point2>& ring) {
    double best = std::numeric_limits<double>::infinity();
    for (size_t j = 0; j < ring.size(); ++j) {
        const Point2& a = ring[j];
        const Point2& b = ring[(j + 1) % ring.size()];
        double dx = b.x - a.x;
        double dy = b.y - a.y;
        double t =
            std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        best = std::min(best, std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy));
    }
    return best;
}

// A ring of teeth of equal height: every peak is as far from a chord as the others.
std::vector<Point2> Zigzag(int count) {
    std::vector<Point2> points;
    for (int i = 0; i < count; ++i) {
        double angle = 2 * 3.14159265358979 * i / count;
        double r = i % 2 == 0 ? 100 : 110;
        points.push_back({r * std::cos(angle), r * std::sin(angle)});
    }
    return points;
}

// Outlines of up to 20000 points in up to 99 sets: at most 500 entries are left alone, more
// are simplified to exactly 500, every set keeps three points or more, and every point left out
// lies within the tolerance the note gives.
TEST(OutlinePreparationTest, SimplifiesPastTheEntryLimitOnly) {
    struct Case {
        int sets;
        int points;
        bool curved;
        bool zigzag = false;
    } cases[] = {{1, 499, false}, {1, 500, false}, {1, 2000, false},       {3, 400, false},
                 {99, 10, false}, {2, 300, true},  {1, 20000, false, true}};
    TestRandom random(7);
    for (const Case& c : cases) {
        Outline outline;
        for (int s = 0; s < c.sets; ++s) {
            Point2 centre{(s % 10) * 40.0, (s / 10) * 40.0};
            outline.sets.push_back(
                Ring(c.zigzag ? Zigzag(c.points)
                              : NoisyCircle(random, c.points, centre, c.sets > 1 ? 15 : 140),
                     c.curved));
        }
        outline.prism.spline = c.curved ? BezierSpline : LinearSpline;
        Outline original = outline;
        SnapToWrittenValues(original);
        ImportReport report;
        ASSERT_TRUE(PrepareOutline(outline, outline.prism.spline, false, report)) << report.error;
        std::string what = std::to_string(c.sets) + " x " + std::to_string(c.points);
        if (original.EntryCount() <= MaxPoints) {
            EXPECT_EQ(outline.EntryCount(), original.EntryCount()) << what;
            EXPECT_TRUE(report.notes.empty()) << what;
            continue;
        }
        EXPECT_EQ(outline.EntryCount(), MaxPoints) << what;
        EXPECT_EQ(outline.prism.spline, LinearSpline) << what;
        ASSERT_EQ(report.notes.size(), 1u) << what;
        double tolerance = -1;
        const char* within = std::strstr(report.notes[0].c_str(), "within ");
        ASSERT_NE(within, nullptr) << report.notes[0];
        ASSERT_EQ(std::sscanf(within, "within %lf", &tolerance), 1) << report.notes[0];
        for (size_t s = 0; s < outline.sets.size() && !c.curved; ++s) {
            EXPECT_GE(outline.sets[s].points.size(), 3u) << what;
            for (const Point2& p : original.sets[s].points) {
                EXPECT_LE(DistanceToRing(p, outline.sets[s].points), tolerance * 75 * 1.01 + 1e-9)
                    << what;
            }
        }
    }
}

// A set with a later point on its first one would be read back as two sets; such points move
// by the smallest step the file shows, so the file reads back with the sets imported.
TEST(OutlinePreparationTest, SetsReadBackAsImported) {
    struct Case {
        Outline::Set set;
        int entries;
    } cases[] = {
        {Ring({{0, 0}, {75, 0}, {0, 75}, {0, 0}, {-75, 0}, {0, -75}}), 7},
        // Closer to the first point than the file's six digits show.
        {Ring({{75, 75}, {150, 75}, {75, 150}, {75 + 1e-7, 75}, {0, 75}, {75, 0}}), 7},
        {Ring({{150, 75}, {75, 0}, {0, 75}, {150, 75}, {75, 150}}, true), 6},
        // Six digits show only whole file units here, and hundreds near the largest usable.
        {Ring({{1e7, 75}, {1e7 + 7500, 75}, {1e7, 7575}, {1e7, 75}, {1e7 - 7500, 75}}), 6},
        {Ring({{-9e8, 0}, {-9e8, 9e7}, {-9e8, 0}, {-8e8, 0}}), 5},
        // Found by fuzzing: a circle far out whose points the file shows at one x.
        {Ring({{1.18e8 + 110, 0}, {1.18e8, 110}, {1.18e8 - 110, 0}, {1.18e8, -110}}, true), 5},
    };
    TempDir dir;
    for (const Case& c : cases) {
        Outline outline;
        outline.sets.push_back(c.set);
        outline.prism.spline = c.set.HasCurves() ? BezierSpline : LinearSpline;
        ImportReport report;
        ASSERT_TRUE(PrepareOutline(outline, outline.prism.spline, false, report)) << report.error;
        ASSERT_EQ(report.notes.size(), 1u);
        EXPECT_NE(report.notes[0].find("moved by the smallest step"), std::string::npos);
        KCanvasPane canvas(nullptr);
        PutPrismValues(outline, canvas);
        PutOutline(outline, canvas);
        char name[100];
        std::snprintf(name, sizeof name, "%s", dir.File("set.prm").c_str());
        ASSERT_TRUE(SaveSceneFile(canvas, name, Prism));
        KCanvasPane read(nullptr);
        ASSERT_EQ(OpenSceneFile(read, name), 0);
        EXPECT_EQ(read.setCount, 1);
        EXPECT_EQ(read.pointCount, c.entries);
    }
}

// Points repeated where a straight segment joins them become one, the set's first point kept
// first; a curve between equal points stays, its handles shaping it.
TEST(OutlinePreparationTest, RepeatsMergeIntoOnePoint) {
    const Point2 a{0, 0}, b{75, 0}, c{0, -75};
    // A loop from b back to b between the straight sides.
    Outline::Set loop = Ring({a, b, b, c});
    loop.segments[1] = {true, {150, -75}, {150, 75}};
    struct Case {
        Outline::Set set;
        const char* sets;
    } cases[] = {
        {Ring({a, a, a, b, b, c, c, c, a, a}), "0,0 1,0 0,1"},
        {Ring({b, c, a, a, b}), "1,0 0,1 0,0"},
        {Ring({a, b, b, b, b, b, b, b, b, c}), "0,0 1,0 0,1"},
        {Ring(std::vector<Point2>(1000, a)), ""},
        {loop, "0,0 1,0 (2,1 2,-1) 1,0 0,1"},
    };
    for (const Case& k : cases) {
        Outline outline{{k.set}};
        outline.prism.spline = k.set.HasCurves() ? BezierSpline : LinearSpline;
        ImportReport report;
        PrepareOutline(outline, outline.prism.spline, false, report);
        EXPECT_EQ(DescribeSets(outline), k.sets);
    }
}

TEST(OutlinePreparationTest, CapacitiesAndCoordinates) {
    auto triangles = [](int count) {
        Outline outline;
        for (int i = 0; i < count; ++i) {
            outline.sets.push_back(Ring({{i * 1.0, 0}, {i + 0.5, 0}, {i + 0.5, 1}}));
        }
        return outline;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        Outline outline;
        bool fit;
        const char* error;
    } cases[] = {
        {triangles(99), false, ""},
        {triangles(100), false, "The outline has 100 sets; a drawing holds at most 99"},
        {Outline{{Ring({{0, 0}, {1, nan}, {1, 1}})}}, false,
         "The outline has coordinates that are not finite numbers"},
        {Outline{{Ring({{0, 0}, {1e12, 0}, {1, 1}})}}, false,
         "The outline reaches beyond 1.33333e+07 file units from the centre; --fit scales it "
         "into the canvas"},
        {Outline{{Ring({{0, 0}, {1e12, 0}, {1, 1}})}}, true, ""},
        {Outline{{Ring({{0, 0}, {1, 1}}), Ring({{5, 5}, {5, 5}, {5, 5}})}}, false,
         "Nothing to import: no closed outline with at least three points"},
    };
    for (Case& c : cases) {
        ImportReport report;
        EXPECT_EQ(PrepareOutline(c.outline, LinearSpline, c.fit, report), *c.error == '\0');
        EXPECT_EQ(report.error, c.error);
    }
}

// Fitted outlines fill the visible canvas, keeping a margin, centred and with their aspect;
// the handles count, since a curve lies within them.
TEST(OutlinePreparationTest, FitCentresAndScales) {
    Outline outline{{Ring({{1000, 1000}, {1400, 1000}, {1400, 1100}}, true)}};
    FitIntoCanvas(outline);
    Point2 low{1e9, 1e9};
    Point2 high{-1e9, -1e9};
    auto extend = [&](const Point2& p) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    };
    const Outline::Set& set = outline.sets[0];
    for (size_t j = 0; j < set.points.size(); ++j) {
        extend(set.points[j]);
        extend(set.segments[j].handle1);
        extend(set.segments[j].handle2);
    }
    EXPECT_DOUBLE_EQ(low.x, -142.5);
    EXPECT_DOUBLE_EQ(high.x, 142.5);
    EXPECT_NEAR(low.y + high.y, 0, 1e-9);
    // The aspect: the first side keeps its length relative to the second.
    EXPECT_NEAR((set.points[1].x - set.points[0].x) / (set.points[2].y - set.points[1].y), 4, 1e-9);
}

}  // namespace
