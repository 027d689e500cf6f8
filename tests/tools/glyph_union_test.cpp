#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "interchange/GlyphOutline.h"
#include "toolkit/platform/vGlyphOutlines.h"
#include "toolkit/platform/vHeadlessSession.h"

// Letters set tight enough to overlap, and accents on them, filled by the ray tracer's even-odd
// rule, cover what the font's non-zero rule covers: sampled on a grid, the two fills disagree
// only along the outlines.
namespace {

struct Edge {
    Point2 a, b;
};

// Every segment split into 64 lines.
void AddCubic(std::vector<Edge>& edges, const Point2& a, const Point2& b, const Point2& c,
              const Point2& d, bool curved) {
    Point2 last = a;
    const int steps = curved ? 64 : 1;
    for (int k = 1; k <= steps; ++k) {
        const double t = static_cast<double>(k) / steps, s = 1 - t;
        const Point2 p = curved ? Point2{s * s * s * a.x + 3 * s * s * t * b.x +
                                             3 * s * t * t * c.x + t * t * t * d.x,
                                         s * s * s * a.y + 3 * s * s * t * b.y +
                                             3 * s * t * t * c.y + t * t * t * d.y}
                                : d;
        edges.push_back({last, p});
        last = p;
    }
}

std::vector<Edge> EdgesOf(const std::vector<GlyphContour>& contours) {
    std::vector<Edge> edges;
    for (const GlyphContour& contour : contours) {
        Point2 at{contour.startX, contour.startY};
        for (const GlyphContour::Segment& s : contour.segments) {
            AddCubic(edges, at, {s.x1, s.y1}, {s.x2, s.y2}, {s.x, s.y}, s.curved);
            at = {s.x, s.y};
        }
        AddCubic(edges, at, at, {contour.startX, contour.startY}, {contour.startX, contour.startY},
                 false);
    }
    return edges;
}

std::vector<Edge> EdgesOf(const Outline& outline) {
    std::vector<Edge> edges;
    for (const Outline::Set& set : outline.sets) {
        for (size_t j = 0, n = set.points.size(); j < n; ++j) {
            const Outline::Segment s = set.SegmentFrom(j);
            AddCubic(edges, set.points[j], s.handle1, s.handle2, set.points[(j + 1) % n], s.curved);
        }
    }
    return edges;
}

// Per sample of a row, the winding number of the edges round it.
std::vector<int> Windings(const std::vector<Edge>& edges, double y, double left, double step,
                          int columns) {
    std::vector<int> winding(columns, 0);
    for (const Edge& e : edges) {
        if ((e.a.y > y) == (e.b.y > y)) {
            continue;
        }
        const double x = e.a.x + (y - e.a.y) * (e.b.x - e.a.x) / (e.b.y - e.a.y);
        const int first = std::clamp(static_cast<int>(std::ceil((x - left) / step)), 0, columns);
        for (int i = first; i < columns; ++i) {
            winding[i] += e.b.y > e.a.y ? 1 : -1;
        }
    }
    return winding;
}

TEST(GlyphUnion, EvenOddFillOfTheResultIsTheFontsNonZeroFill) {
    vHeadlessSession session;
    vGlyphOutlines* glyphs = vGlyphOutlines::Current();
    ASSERT_NE(glyphs, nullptr);
    const char* const letters[] = {"A", "V", "W",        "o",        "f",
                                   "i", "8", "\xC3\x85", "\xC3\xA9", "\xC4\x85",
                                   "@", "&", "g",        "x",        "\xC3\xB1"};
    std::mt19937 random(34);
    int united = 0;
    for (int round = 0; round < 16; ++round) {
        std::string text;
        for (int k = 0; k < 3 + round % 4; ++k) {
            text += letters[random() % std::size(letters)];
        }
        // Every fourth text keeps its letters apart: nothing overlaps and nothing may change.
        const double spacing =
            round % 4 == 0 ? 20 : std::uniform_real_distribution<double>(-45, 0)(random);
        std::vector<GlyphContour> contours;
        std::string why;
        ASSERT_TRUE(glyphs->Outline({text, "DejaVu Sans", 75, spacing}, contours, why)) << why;
        const GlyphOutline out = OutlineOfGlyphs(contours);
        united += out.united;
        if (round % 4 == 0 && text.find('&') == std::string::npos) {
            EXPECT_EQ(out.united, 0) << text;
            EXPECT_EQ(out.outline.sets.size(), contours.size()) << text;
        }
        const std::vector<Edge> font = EdgesOf(contours);
        const std::vector<Edge> result = EdgesOf(out.outline);
        const double step = 0.25, left = -20, top = -90;
        const int columns = 1600, rows = 440;
        long filled = 0, differ = 0;
        for (int row = 0; row < rows; ++row) {
            const double y = top + (row + 0.5) * step;
            const std::vector<int> nonZero = Windings(font, y, left, step, columns);
            const std::vector<int> evenOdd = Windings(result, y, left, step, columns);
            for (int i = 0; i < columns; ++i) {
                filled += nonZero[i] != 0;
                differ += (nonZero[i] != 0) != (evenOdd[i] % 2 != 0);
            }
        }
        EXPECT_GT(filled, 1000) << text;
        EXPECT_LE(differ, filled / 500) << text << " spaced " << spacing;
    }
    EXPECT_GT(united, 4);
}

}  // namespace
