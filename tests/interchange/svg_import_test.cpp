#include <gtest/gtest.h>

#include <string>

#include "interchange/SvgImport.h"
#include "tests/interchange/OutlineText.h"

// SVG documents: shapes, groups and transforms, and what is left out.
namespace {

std::string Document(const std::string& body) {
    return "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\">\n" +
           body + "\n</svg>\n";
}

std::string Nested(int depth, const std::string& body) {
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text += "<g>";
    }
    text += body;
    for (int i = 0; i < depth; ++i) {
        text += "</g>";
    }
    return text;
}

TEST(SvgImportTest, ShapesGroupsAndTransforms) {
    struct Case {
        std::string body;
        int spline;
        const char* sets;
        int notes;
    } cases[] = {
        // A letter D with its hole: two subpaths of one path, each a set, inside two
        // transforms (75 user units are one file unit, y down).
        {"<g transform='translate(-75 75)'><path transform='scale(2)' d='M0 0H30C60 0 60 -75 30 "
         "-75H0Z M15 -15H30C45 -15 45 -60 30 -60H15Z'/></g>",
         BezierSpline,
         "-1,-1 -0.2,-1 (0.6,-1 0.6,1) -0.2,1 -1,1 | -0.6,-0.6 -0.2,-0.6 (0.2,-0.6 0.2,0.6) "
         "-0.2,0.6 "
         "-0.6,0.6",
         0},
        {"<polygon points='0,0 75,0 75,-75'/><polyline points='0 75 75 75 75 150'/>", LinearSpline,
         "0,0 1,0 1,1 | 0,-1 1,-1 1,-2", 1},
        {"<rect x='0' y='0' width='150' height='75px'/>", LinearSpline, "0,0 2,0 2,-1 0,-1", 0},
        // Rounded corners: one radius given stands for both, at most half a side (here the
        // sides' straight parts have no length; preparing the outline merges them).
        {"<rect width='150' height='30' rx='30'/>", BezierSpline,
         "0.4,0 1.6,0 (1.82091,0 2,-0.0895431) 2,-0.2 2,-0.2 (2,-0.310457 1.82091,-0.4) 1.6,-0.4 "
         "0.4,-0.4 (0.179086,-0.4 0,-0.310457) 0,-0.2 0,-0.2 (0,-0.0895431 0.179086,0)",
         0},
        {"<circle cx='75' cy='0' r='75'/>", BezierSpline,
         "2,0 (2,-0.552285 1.55228,-1) 1,-1 (0.447715,-1 0,-0.552285) 0,0 (0,0.552285 0.447715,1) "
         "1,1 (1.55228,1 2,0.552285)",
         0},
        {"<ellipse rx='150' ry='75' transform='rotate(90)'/>", BezierSpline,
         "0,-2 (-0.552285,-2 -1,-1.10457) -1,0 (-1,1.10457 -0.552285,2) 0,2 (0.552285,2 1,1.10457) "
         "1,0 (1,-1.10457 0.552285,-2)",
         0},
        // What draws nothing, or is hidden, is passed over; text and a bad transform are noted.
        {"<defs><path d='M0 0H75V75Z'/></defs><inkscape:thing/><g style='display: none'><path "
         "d='M0 0H75V75Z'/></g><text>V</text><path transform='skew(3)' d='M0 0H75V75Z'/>"
         "<rect width='10' height='0'/><path d='M0 0H75V75ZQ'/>",
         LinearSpline, "0,0 1,0 1,-1", 3},
        // Groups nested beyond reason are left out, not followed until the stack runs out.
        {Nested(256, "<path d='M0 0H75V75Z'/>") + Nested(100000, "<path d='M0 0H75V-75Z'/>"),
         LinearSpline, "0,0 1,0 1,-1", 1},
    };
    for (const Case& c : cases) {
        Outline outline;
        ImportReport report;
        ASSERT_TRUE(ImportSvg(Document(c.body), outline, report)) << c.body;
        EXPECT_EQ(outline.kind, Prism) << c.body;
        EXPECT_EQ(outline.prism.spline, c.spline) << c.body;
        EXPECT_EQ(DescribeSets(outline), c.sets) << c.body;
        EXPECT_EQ(static_cast<int>(report.notes.size()), c.notes) << c.body;
    }
}

// A note that every element of a large file earns is given ten times, with its line, and then
// counted.
TEST(SvgImportTest, AlikeNotesAreCountedAfterTheFirstTen) {
    struct Case {
        int rects;
        size_t notes;
        const char* last;
    } cases[] = {
        {3, 3, "line 6: <rect> has a length that is not in user units and is left out"},
        {10, 10, "line 13: <rect> has a length that is not in user units and is left out"},
        {40000, 11, "... and 39,990 more like it"},
    };
    for (const Case& c : cases) {
        std::string body = "<path d='M0 0H75V75Z'/>";
        for (int i = 0; i < c.rects; ++i) {
            body += "\n<circle r='1em'/><rect width='1cm' height='2'/>";
        }
        // Elements of names of their own, left out, are counted alike as well.
        for (int i = 0; i < c.rects; ++i) {
            body += Printed("<h%d/>", i);
        }
        Outline outline;
        ImportReport report;
        ASSERT_TRUE(ImportSvg(Document(body), outline, report));
        ASSERT_EQ(report.notes.size(), c.notes * 3) << c.rects;
        EXPECT_EQ(report.notes[c.notes * 2 - 1], c.last) << c.rects;
    }
}

TEST(SvgImportTest, RefusesWhatIsNoSvg) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"<svg><path d='M0 0'></svg>",
         "The SVG document cannot be read: Start-end tags mismatch (line 1)"},
        {"<?xml version='1.0'?>\n<html/>",
         "The document is not SVG: its outermost element is <html>"},
    };
    for (const Case& c : cases) {
        Outline outline;
        ImportReport report;
        EXPECT_FALSE(ImportSvg(c.text, outline, report));
        EXPECT_EQ(report.error, c.error);
    }
}

}  // namespace
