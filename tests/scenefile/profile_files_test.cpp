#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "scenefile/SceneKind.h"
#include "scenefile/SceneReadResult.h"
#include "support/CanvasSceneFiles.h"
#include "tests/scenefile/SceneFileTestSupport.h"

// Lathe (.lat) and surface-of-revolution (.sor) files: the layout the writer writes, the
// drawings it refuses, and what the reader makes of files edited by hand.
namespace {

class ProfileFilesTest : public ::testing::Test {
protected:
    void SetUp() override { shapeKind = Polygon; }
    void TearDown() override { shapeKind = Polygon; }

    std::string Write(const char* name, int kind) {
        std::snprintf(fileName, sizeof fileName, "%s", dir.File(name).c_str());
        reason.clear();
        written = SaveSceneFile(canvas, fileName, FilterOfKind(kind), &reason);
        return FileText(fileName);
    }

    int Read(const std::string& text) {
        PutFile(dir.File("r.lat"), text);
        return OpenSceneFile(canvas, dir.File("r.lat").c_str());
    }

    TempDir dir;
    KCanvasPane canvas{nullptr};
    char fileName[100] = {};
    bool written = false;
    std::string reason;
};

TEST_F(ProfileFilesTest, LayoutOfLathesAndSurfacesOfRevolution) {
    struct Row {
        int kind;
        int spline;
        int open;
        bool unfinished;
        std::string text;
    } rows[] = {
        {Lathe, LinearSpline, 0, false,
         CrLf({"//", "//", "//", "#declare Thing=lathe{", "4", "<0.5,0>", "<1,1>", "<0.5,2>",
               "<0.5,0>", "}"})},
        {Lathe, CubicSpline, 1, false,
         CrLf({"//", "//", "//", "#declare Thing=lathe{", "//___open___", "cubic_spline", "5",
               "<0.625,0.25> //___control___ ", "<0.5,0>", "<1,1>", "<0.5,2>",
               "<0.625,1.75> //___2control___", "sturm", "}"})},
        {Lathe, BezierSpline, 1, false,
         CrLf({"//", "//", "//", "#declare Thing=lathe{", "//___open___", "bezier_spline", "8",
               "<0.5,0>", "<0.625,0.25> //___control___", "<0.8125,0.625> //___control___", "<1,1>",
               "<1,1>", "<0.875,1.25> //___control___", "<0.6875,1.625> //___control___", "<0.5,2>",
               "sturm", "}"})},
        {Sor, LinearSpline, 1, true, CrLf({"//",      "//",
                                           "//",      "#declare Thing=union{",
                                           "sor{",    "3",
                                           "<0.5,0>", "<1,1>",
                                           "<0.5,2>", "open",
                                           "sturm",   "}",
                                           "sor{",    "//___unfinished___",
                                           "2",       "<1.5,1>",
                                           "<1.5,2>", "open",
                                           "sturm",   "}",
                                           "}"})},
    };
    for (const Row& row : rows) {
        canvas.EmptyDrawing();
        AddSet(canvas, {{0.5, 0}, {1, 1}, {0.5, 2}});
        if (row.unfinished) {
            canvas.points[canvas.pointCount++] = {112.5, -75};
            canvas.points[canvas.pointCount++] = {112.5, -150};
        }
        canvas.splineType = row.spline;
        canvas.isOpen = row.open;
        canvas.useSturm = row.open;
        std::string text;
        int kind = -1;
        canvas.SceneFileText("", FilterOfKind(row.kind), text, kind);
        EXPECT_EQ(text, row.text) << SceneKindOf(row.kind).name << " " << row.spline;
    }
}

// Nothing is written, and the reason names the set, the point and the rule.
TEST_F(ProfileFilesTest, DrawingsThatBreakARuleAreNotWritten) {
    struct Row {
        int kind;
        int spline;
        std::vector<Point2> vertices;
        const char* reason;
    } rows[] = {
        {Lathe,
         LinearSpline,
         {{0.5, 0}, {-1, 1}, {0.5, 2}},
         "Set 1, point 2 (-1, 1): a lathe must not have a radius x below 0."},
        {Lathe,
         QuadraticSpline,
         {{0.5, 0}, {1, 1}, {0, 2}, {-0.5, 1}},
         "Set 1, point 4 (-0.5, 1): a lathe must not have a radius x below 0."},
        {Sor,
         LinearSpline,
         {{0.5, 0}, {1, 1}, {1, 0.5}, {0.5, 3}},
         "Set 1, point 3 (1, 0.5): a surface of revolution must rise in height from its second "
         "point to the one before last; this one is not above the one before it."},
        {Sor,
         LinearSpline,
         {{0.5, 0}, {1, 1}, {0.5, 3}},
         "Set 1: a surface of revolution needs at least 4 points; it has 3."},
        // A prism's outline centred on the origin reaches left of the axis.
        {Lathe,
         CubicSpline,
         {{-1, -1}, {1, -1}, {0, 1}},
         "Set 1, control point (-0.5, -1): a lathe must not have a radius x below 0. 3 more "
         "rules are broken."},
        {Lathe,
         LinearSpline,
         {},
         "The drawing has no profile: a lathe needs at least one to turn."},
    };
    for (const Row& row : rows) {
        canvas.EmptyDrawing();
        for (const Point2& v : row.vertices) {
            canvas.points[canvas.pointCount++] = {v.x * 75, v.y * -75};
        }
        if (!row.vertices.empty()) {
            canvas.points[canvas.pointCount] = canvas.points[0];
            canvas.InitBezierHandles();
            canvas.setEnds[++canvas.setCount] = ++canvas.pointCount;
        }
        canvas.splineType = row.spline;
        canvas.changed = 1;
        EXPECT_EQ(Write("refused", row.kind), "") << row.reason;
        EXPECT_FALSE(written);
        EXPECT_EQ(reason, row.reason);
        EXPECT_EQ(canvas.changed, 1);
    }
}

TEST_F(ProfileFilesTest, ExtensionsAndFiltersChooseTheKind) {
    struct Row {
        const char* name;
        int choice;
        int kind;
        const char* written;
    } rows[] = {
        {"v", FilterOfKind(Lathe), Lathe, "v.lat"},
        {"v", FilterOfKind(Sor), Sor, "v.sor"},
        {"v.lat", 0, Lathe, "v.lat"},
        {"v.sor", 1, Sor, "v.sor"},
        {"v.pol", FilterOfKind(Lathe), Polygon, "v.pol"},
        {"v", 2, Prism, "v.prm"},
        {"v", 3, Prism, "v.prm"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(KCanvasPane::KindToWrite(row.name, row.choice, Prism), row.kind) << row.name;
        shapeKind = Prism;
        EXPECT_EQ(KCanvasPane::NameToWrite(row.name, row.choice), row.written) << row.name;
    }
}

// Forgiving where a hand or another program left the layout, refusing what it cannot take; the
// profiles read whole before a refusal stay.
TEST_F(ProfileFilesTest, ReadingFilesEditedByHand) {
    std::string hundred = "#declare Thing=union{\n";
    for (int k = 0; k < MaxSets + 1; ++k) {
        hundred += Lf({"lathe{", "2", "<0,0>", "<1,1>", "}"});
    }
    struct Row {
        std::string text;
        int result;
        int points;
        int sets;
        int open;
    } rows[] = {
        {Lf({"#declare Thing=lathe{", "cubic_spline", "cubic_spline", "4", "<1,0> //c",
             "// anything", "<1,1>", "<2,2>", "<0,3>", "}"}),
         ReadOk, 2, 1, 0},
        {Lf({"#declare Thing=lathe{", "2,", "//___open___", "<1,0>", "<1,1>", "sturm", "}"}),
         ReadOk, 3, 1, 1},
        {Lf({"#declare Thing=union{", "lathe{", "//___unfinished___", "2", "<1,0>", "<1,1>", "}",
             "lathe{", "2", "<1,0>", "<1,1>", "}", "}"}),
         ReadOk, 4, 2, 0},
        {Lf({"#declare Thing=sor{", "<1,0>", "}"}), ReadBadHeader, 0, 0, 0},
        {Lf({"#declare Thing=union{", "sor{", "4", "<1,0>", "<1,1>", "<1,2>", "<1,3>", "open", "}",
             "sor{", "4", "<1,0>", "<1,x>", "}", "}"}),
         ReadBadBody, 5, 1, 1},
        {Lf({"#declare Thing=union{", "lathe{", "2", "<1,0>", "<1,1>", "}", "box{", "}"}),
         ReadBadBody, 2, 1, 0},
        {hundred, ReadBadBody, 2 * MaxSets, MaxSets, 0},
    };
    for (const Row& row : rows) {
        canvas.isOpen = 0;
        EXPECT_EQ(Read(row.text), row.result) << row.text;
        EXPECT_EQ(canvas.pointCount, row.points) << row.text;
        EXPECT_EQ(canvas.setCount, row.sets) << row.text;
        EXPECT_EQ(canvas.isOpen, row.open) << row.text;
        EXPECT_TRUE(IsTurnedKind(shapeKind)) << row.text;
    }
}

}  // namespace
