#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "interchange/ImportReport.h"
#include "interchange/SvgPathData.h"
#include "interchange/SvgTransformList.h"

// The SVG attribute grammars that are ours: path data and transform lists.
namespace {

std::string Pair(const Point2& p) {
    auto shown = [](double v) { return std::fabs(v) < 1e-12 ? 0.0 : v; };
    return Printed("%.4g,%.4g", shown(p.x), shown(p.y));
}

// Subpaths as text: "M" and the start, then "L" and an end, or "C" with two handles and an end,
// per segment, then "Z" for a closed subpath.
std::string Describe(const std::vector<SvgSubpath>& subpaths) {
    std::string text;
    for (const SvgSubpath& path : subpaths) {
        text += (text.empty() ? "M" : " M") + Pair(path.points[0]);
        for (size_t j = 1; j < path.points.size(); ++j) {
            const bool curved = !path.segments.empty() && path.segments[j - 1].curved;
            const Outline::Segment& s = curved ? path.segments[j - 1] : Outline::Segment{};
            text += curved ? " C" + Pair(s.handle1) + " " + Pair(s.handle2) + " " : " L";
            text += Pair(path.points[j]);
        }
        text += path.closed ? " Z" : "";
    }
    return text;
}

TEST(SvgPathDataTest, EveryCommandAbsoluteAndRelative) {
    struct Case {
        const char* data;
        const char* expected;
        bool ok = true;
    } cases[] = {
        {"", ""},
        {"M10 20 L30 40 H50 V60 Z", "M10,20 L30,40 L50,40 L50,60 Z"},
        {"m10 20 l20 20 h20 v20 z", "M10,20 L30,40 L50,40 L50,60 Z"},
        // Pairs after a moveto are lines, relative after a relative one.
        {"M0 0 10 0 10 10", "M0,0 L10,0 L10,10"},
        {"m1 1 2 0 0 2z", "M1,1 L3,1 L3,3 Z"},
        // Numbers as the grammar splits them.
        {"M1e-3,.5.5-1-2", "M0.001,0.5 L0.5,-1", false},
        {"M0,0L1.5e+1-2E1", "M0,0 L15,-20"},
        {"M0 0C1 2 3 4 5 6S9 10 11 12", "M0,0 C1,2 3,4 5,6 C7,8 9,10 11,12"},
        {"M0 0c1 2 3 4 5 6s4 4 6 6", "M0,0 C1,2 3,4 5,6 C7,8 9,10 11,12"},
        // An S with no curve before it takes the current point as its first handle.
        {"M0 0S3 3 6 0", "M0,0 C0,0 3,3 6,0"},
        // Quadratics raised to cubics; T reflects the previous control point.
        {"M0 0Q3 6 6 0T12 0", "M0,0 C2,4 4,4 6,0 C8,-4 10,-4 12,0"},
        {"M0 0q3 6 6 0t6 0", "M0,0 C2,4 4,4 6,0 C8,-4 10,-4 12,0"},
        // After Z a drawing command starts from the subpath's start.
        {"M0 0L5 0L5 5ZL0 5L0 0", "M0,0 L5,0 L5,5 Z M0,0 L0,5 L0,0"},
        // Arcs: zero radius is a line, the same end point nothing; flags need no separator.
        {"M0 0A0 5 0 0 1 10 0", "M0,0 L10,0"},
        {"M0 0A5 5 0 0 1 0 0", "M0,0"},
        {"M0 0a5 5 0 1110 0", "M0,0 C0,-2.761 2.239,-5 5,-5 C7.761,-5 10,-2.761 10,0"},
        {"M0 0A5 5 0 0 0 10 0", "M0,0 C0,2.761 2.239,5 5,5 C7.761,5 10,2.761 10,0"},
        // Radii far beyond the chord, whose squares overflow: all but straight.
        {"M0 0A1e200 1e200 0 0 1 10 0", "M0,0 C3.333,0 6.667,0 10,0"},
        {"M0 0A1e300 1e250 90 0 0 0 10", "M0,0 C0,0 0,10 0,10"},
    };
    for (const Case& c : cases) {
        std::vector<SvgSubpath> subpaths;
        std::string error;
        bool ok = ParseSvgPathData(c.data, subpaths, error);
        EXPECT_EQ(ok, c.ok) << c.data << ": " << error;
        EXPECT_EQ(Describe(subpaths), c.expected) << c.data;
    }
}

TEST(SvgPathDataTest, BadDataKeepsWhatCameBefore) {
    struct Case {
        const char* data;
        const char* kept;
        const char* error;
    } cases[] = {
        {"L1 2", "", "path data must begin with a moveto at character 1"},
        {"M0 0L1 2X3", "M0,0 L1,2", "unknown path command at character 9"},
        {"M0 0L1", "M0,0", "missing or bad numbers at character 5"},
        {"M0 0A1 1 0 2 0 3 3", "M0,0", "missing or bad numbers at character 5"},
        {"M0 0L1e999 0", "M0,0", "missing or bad numbers at character 5"},
        {"M0 0L0x10 0", "M0,0", "missing or bad numbers at character 5"},
        // Radii enlarged beyond the largest number.
        {"M0 0L5 5A1e308 1 0 1 1 9 9", "M0,0 L5,5", "arc too large to draw at character 9"},
        // Found by fuzzing: a radius so small that its square is 0 grows past every number.
        {"M0 0A10 1e-320 30 0 1 40 42", "M0,0", "arc too large to draw at character 5"},
    };
    for (const Case& c : cases) {
        std::vector<SvgSubpath> subpaths;
        std::string error;
        EXPECT_FALSE(ParseSvgPathData(c.data, subpaths, error)) << c.data;
        EXPECT_EQ(Describe(subpaths), c.kept) << c.data;
        EXPECT_EQ(error, c.error) << c.data;
    }
}

Point2 CubicAt(const Point2& a, const Outline::Segment& s, const Point2& b, double t) {
    double u = 1 - t;
    return {u * u * u * a.x + 3 * u * u * t * s.handle1.x + 3 * u * t * t * s.handle2.x +
                t * t * t * b.x,
            u * u * u * a.y + 3 * u * u * t * s.handle1.y + 3 * u * t * t * s.handle2.y +
                t * t * t * b.y};
}

// Arcs become cubic pieces of at most a quarter turn that stay on the ellipse: an ellipse
// turned 30 degrees about the origin, long way round and short way back, and radii too small
// for their end points, which grow to a half circle.
TEST(SvgPathDataTest, ArcsStayOnTheirEllipse) {
    const double pi = std::acos(-1.0);
    double c = std::cos(pi / 6);
    double s = std::sin(pi / 6);
    auto onEllipse = [&](double t) {
        return Point2{40 * std::cos(t) * c - 20 * std::sin(t) * s,
                      40 * std::cos(t) * s + 20 * std::sin(t) * c};
    };
    Point2 from = onEllipse(0);
    Point2 to = onEllipse(200 * pi / 180);
    auto arc = [&](const char* flags) {
        return Printed("M%.17g %.17gA40 20 30 %s %.17g %.17g", from.x, from.y, flags, to.x, to.y);
    };
    struct Case {
        std::string data;
        size_t pieces;
        Point2 centre;
        double rx;
        double ry;
        double degrees;
    } cases[] = {
        {arc("1 1"), 3, {0, 0}, 40, 20, 30},
        {arc("0 0"), 2, {0, 0}, 40, 20, 30},
        {"M0 0a1 1 0 0 1 10 0", 2, {5, 0}, 5, 5, 0},
    };
    for (const Case& k : cases) {
        std::vector<SvgSubpath> subpaths;
        std::string error;
        ASSERT_TRUE(ParseSvgPathData(k.data.c_str(), subpaths, error)) << k.data;
        const SvgSubpath& path = subpaths[0];
        ASSERT_EQ(path.segments.size(), k.pieces) << k.data;
        double kc = std::cos(k.degrees * pi / 180);
        double ks = std::sin(k.degrees * pi / 180);
        for (size_t j = 0; j < k.pieces; ++j) {
            for (double t : {0.0, 0.25, 0.5, 0.75}) {
                Point2 p = CubicAt(path.points[j], path.segments[j], path.points[j + 1], t);
                double x = (p.x - k.centre.x) * kc + (p.y - k.centre.y) * ks;
                double y = -(p.x - k.centre.x) * ks + (p.y - k.centre.y) * kc;
                EXPECT_NEAR(std::hypot(x / k.rx, y / k.ry), 1, 3e-4) << k.data << " piece " << j;
            }
        }
    }
}

TEST(SvgTransformTest, ListsMultiplyRightmostFirst) {
    struct Case {
        const char* text;
        bool ok;
        Point2 from;
        Point2 to;
    } cases[] = {
        {"", true, {1, 2}, {1, 2}},
        {"translate(10)", true, {1, 2}, {11, 2}},
        {"translate(10,-5)", true, {1, 2}, {11, -3}},
        {"scale(2)", true, {1, 2}, {2, 4}},
        {"scale(2 3)", true, {1, 2}, {2, 6}},
        {"rotate(90)", true, {1, 0}, {0, 1}},
        {"rotate(90 10 10)", true, {10, 0}, {20, 10}},
        {"skewX(45)", true, {0, 1}, {1, 1}},
        {"skewY(45)", true, {1, 0}, {1, 1}},
        {"matrix(1 2 3 4 5 6)", true, {1, 1}, {9, 12}},
        {"translate(10 0) scale(2)", true, {1, 1}, {12, 2}},
        {"scale(2),translate(10 0)", true, {1, 1}, {22, 2}},
        {" rotate( 180 ) , translate(-1e1) ", true, {0, 0}, {10, 0}},
        {"scale()", false, {}, {}},
        {"rotate(1 2)", false, {}, {}},
        {"translate(1", false, {}, {}},
        {"shear(1)", false, {}, {}},
        {"scale(2) x", false, {}, {}},
    };
    for (const Case& c : cases) {
        Affine2 map;
        EXPECT_EQ(ParseSvgTransform(c.text, map), c.ok) << c.text;
        if (c.ok) {
            Point2 p = map.Apply(c.from);
            EXPECT_NEAR(p.x, c.to.x, 1e-12) << c.text;
            EXPECT_NEAR(p.y, c.to.y, 1e-12) << c.text;
        }
    }
}

}  // namespace
