#include <gtest/gtest.h>

#include <string>

#include "interchange/PovImport.h"
#include "interchange/PovObjectWords.h"
#include "tests/interchange/OutlineText.h"

// Prisms and polygons as people write them in POV-Ray scenes.
namespace {

struct Expected {
    int kind;
    int spline;
    int sweep;
    double start;
    double end;
    int open;
    int sturm;
    const char* sets;
    int notes;
};

TEST(PovImportTest, HandWrittenObjectsInEverySpline) {
    struct Case {
        const char* name;
        const char* text;
        Expected expected;
    } cases[] = {
        {nullptr,
         "/* a /* nested */ comment */ #declare Ball = sphere { 0, 1 }\n"
         "object { prism { conic_sweep linear_spline // the sweep first\n"
         "  -1, 1.5, 8\n"
         "  <0,0>,<4,0> <4,3>\n"
         "  <0, 0> < +1 , 1 > <2,1>\n"
         "     <1,2> <1,1>\n"
         "  open sturm translate <1,2,3> pigment { rgb 1 } } }\n",
         {Prism, LinearSpline, ConicSweep, -1, 1.5, 1, 1, "0,0 4,0 4,3 | 1,1 2,1 1,2", 1}},
        {"Wanted",
         "#declare Thing = polygon { 4, <0,0>, <1,0>, <0,1>, <0,0> }\n"
         "#local Wanted = prism { quadratic_spline 0, 1, 5, <0,-1>, <0,0>, <1,0>, <0,1>, <0,0> "
         "}\n",
         {Prism, QuadraticSpline, LinearSweep, 0, 1, 0, 0, "[0,-1] 0,0 1,0 0,1", 0}},
        {nullptr,
         "prism{cubic_spline 0,1,12 <0,-1> <0,0> <1,0> <0,1> <0,0> <0,1>\n"
         "<3,-1> <3,0> <4,0> <3,1> <3,0> <-1,0>}",
         {Prism, CubicSpline, LinearSweep, 0, 1, 0, 0, "[0,-1] 0,0 1,0 0,1 | [3,-1] 3,0 4,0 3,1",
          0}},
        {nullptr,
         "prism { bezier_spline 0, 0.5, 12,\n"
         "  <0,0>, <1,0>, <2,0>, <2,2>,  <2,2>, <1,3>, <0,2>, <0,1>,  <0,1>, <0,0.5>, <0,0.5>, "
         "<0,0>\n"
         "}",
         {Prism, BezierSpline, LinearSweep, 0, 0.5, 0, 0,
          "0,0 (1,0 2,0) 2,2 (1,3 0,2) 0,1 (0,0.5 0,0.5)", 0}},
        {nullptr,
         "polygon { 4, <0,0,0>, <1,0,0>, <0,1,0>, <0,0,0> }",
         {Polygon, LinearSpline, LinearSweep, 0, 0.5, 0, 0, "0,0 1,0 0,1", 0}},
        // A last set that never returns to its first point is closed, with a note.
        {nullptr,
         "prism { 0, 1, 3 <0,0> <1,0> <0,1> }",
         {Prism, LinearSpline, LinearSweep, 0, 1, 0, 0, "0,0 1,0 0,1", 1}},
        // A lathe is one profile: closed when it ends on its first point, its slope points
        // the set's control point and, for cubic, its end slope point kept with the set.
        {nullptr,
         "lathe { sturm cubic_spline // a vase\n 6, <0.2,0> <0.5,0>, <0.7,0.5>\n"
         "  /* rim */ <0.4,1.5> <0.5,0> <0.6,0.2> pigment { rgb 1 } }",
         {Lathe, CubicSpline, LinearSweep, 0, 0.5, 0, 1, "[0.2,0] 0.5,0 0.7,0.5 0.4,1.5", 1}},
        {nullptr,
         "lathe { bezier_spline 8, <0,0> <1,0> <1,1> <1,1>, <1,1> <1,2> <0.5,2> <0.5,3> }",
         {Lathe, BezierSpline, LinearSweep, 0, 0.5, 1, 0, "0,0 (1,0 1,1) 1,1 (1,2 0.5,2) 0.5,3",
          0}},
        {nullptr,
         "sor { 5, <0.5,0> <1,1>\n<1,2> <0.5,3>, <0.6,4> sturm open }",
         {Sor, LinearSpline, LinearSweep, 0, 0.5, 1, 1, "0.5,0 1,1 1,2 0.5,3 0.6,4", 0}},
    };
    for (const Case& c : cases) {
        Outline outline;
        ImportReport report;
        ASSERT_TRUE(ImportPovScene(c.text, c.name, outline, report)) << c.text << report.error;
        const Expected& e = c.expected;
        EXPECT_EQ(outline.kind, e.kind) << c.text;
        EXPECT_EQ(outline.prism.spline, e.spline) << c.text;
        EXPECT_EQ(outline.prism.sweep, e.sweep) << c.text;
        EXPECT_EQ(outline.prism.start, e.start) << c.text;
        EXPECT_EQ(outline.prism.end, e.end) << c.text;
        EXPECT_EQ(outline.prism.open, e.open) << c.text;
        EXPECT_EQ(outline.prism.sturm, e.sturm) << c.text;
        EXPECT_EQ(DescribeSets(outline), e.sets) << c.text;
        EXPECT_EQ(static_cast<int>(report.notes.size()), e.notes) << c.text;
    }
}

TEST(PovImportTest, RefusesWhatItCannotTakeWithTheLine) {
    struct Case {
        const char* name;
        const char* text;
        const char* error;
    } cases[] = {
        {nullptr, "#declare H = 2;\nprism {\n  0, H, 4",
         "line 3: 'H' is not supported here: values must be number literals, not expressions, "
         "identifiers or macros"},
        {nullptr, "prism { 0, 1, 4 <0,0> <1+1,0>", "line 1: '+' is not supported here"},
        {nullptr, "polygon { 3, <0,0>, <1,0>*2, <0,1> }", "line 1: '*' is not supported here"},
        {nullptr, "prism { 0, 1, 4 <0,0> <1,0> open }",
         "line 1: the count says 4 points, but only 2 are listed"},
        {nullptr, "prism { 0, 1, 2.5 <0,0> <1,0> }",
         "line 1: the point count 2.5 is not a usable whole number"},
        {nullptr, "sphere { 0, 1 } // prism {", "No prism, polygon, lathe or sor object found"},
        {"Shape", "#declare Other = prism { 0, 1, 0 }",
         "No prism, polygon, lathe or sor is declared as Shape"},
        {"Shape", "\n#declare Shape = sphere { 0, 1 }",
         "line 2: Shape is declared, but not as a prism, polygon, lathe or sor"},
        {nullptr, "\n/* never ends", "line 2: the comment that begins here never ends"},
        {nullptr, "prism { bezier_spline 0,1,8 <0,0><1,0><2,0><2,2>\n<3,3><1,3><0,2><0,0> }",
         "line 2: a bezier segment begins away from the end of the one before it"},
        {nullptr, "prism { bezier_spline 0,1,6 <0,0><1,0><2,0><2,2>\n<2,2><1,3> }",
         "line 2: a bezier_spline takes four points per segment"},
        {nullptr, "polygon { 3, <0,0,1>, <1,0,1>, <0,1,1> }",
         "line 1: only points in the plane z = 0, written <x, y>, can be imported"},
        {nullptr, "prism { 0, 1, 3 <0,0> <1,0> <0,1>", "line 1: the scene ends inside the object"},
    };
    for (const Case& c : cases) {
        Outline outline;
        ImportReport report;
        EXPECT_FALSE(ImportPovScene(c.text, c.name, outline, report)) << c.text;
        EXPECT_EQ(report.error.rfind(c.error, 0), 0u) << c.text << "\n" << report.error;
    }
}

// Text holds an object when an object keyword opens a block outside comments and strings.
TEST(PovImportTest, TellsWhetherTextHoldsAnObject) {
    const struct {
        const char* text;
        bool holds;
    } cases[] = {
        {"sphere { 0, 1 } // prism {\n\"polygon {\" /* lathe { */", false},
        {"#declare prism_count = 2;", false},
        {"#declare R = polygon { 3, <0,0>, <1,0>, <x,1> }", true},
        {"object { sor{ 3, <0,0>, <1,1>, <0,2> } }", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HoldsSceneObject(c.text), c.holds) << c.text;
    }
}

}  // namespace
