#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <string>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "scenefile/SceneReadDetails.h"
#include "scenefile/SceneReadResult.h"
#include "support/CanvasSceneFiles.h"
#include "support/PrismValuesPrint.h"
#include "tests/scenefile/SceneFileTestSupport.h"

namespace {

class SceneReaderTest : public ::testing::Test {
protected:
    int Read(const std::string& name, const std::string& text) {
        PutFile(dir.File(name), text);
        return OpenSceneFile(canvas, dir.File(name).c_str());
    }

    void ExpectPoint(int i, double x, double y) {
        EXPECT_DOUBLE_EQ(canvas.points[i].x, x) << "point " << i;
        EXPECT_DOUBLE_EQ(canvas.points[i].y, y) << "point " << i;
    }

    void ExpectValue(const Point2& value, double x, double y) {
        EXPECT_DOUBLE_EQ(value.x, x);
        EXPECT_DOUBLE_EQ(value.y, y);
    }

    void ExpectSets(std::initializer_list<int> ends) {
        ASSERT_EQ(canvas.setCount, static_cast<int>(ends.size()));
        int k = 1;
        for (int end : ends) {
            EXPECT_EQ(canvas.setEnds[k++], end);
        }
    }

    TempDir dir;
    KCanvasPane canvas{nullptr};
};

const char* const TwoTrianglesQuadratic[] = {"// first",
                                             "// second",
                                             "// third",
                                             "#declare Thing=prism{",
                                             "quadratic_spline",
                                             "conic_sweep",
                                             "0.25,0.75,10",
                                             "<1.5,0.5> //___control___ ",
                                             "<1,1>",
                                             "<2,1>",
                                             "<1,2>",
                                             "<1,1>",
                                             "//_______SubSet^2 _________",
                                             "<-1.5,-0.5> //___control___",
                                             "<-1,-1>",
                                             "<-2,-1>",
                                             "<-1,-2>",
                                             "<-1,-1>",
                                             "open",
                                             "}"};

std::string Joined(const char* const* lines, int count, const char* ending) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += lines[i];
        text += ending;
    }
    return text;
}

TEST_F(SceneReaderTest, ReadsTheQuadraticExampleWithCrLfAndLfAlike) {
    for (const char* ending : {"\r\n", "\n"}) {
        canvas.isOpen = 0;
        ASSERT_EQ(Read("two.prm", Joined(TwoTrianglesQuadratic, 20, ending)), ReadOk);
        EXPECT_EQ(shapeKind, Prism);
        EXPECT_STREQ(canvas.remark1, "// first");
        EXPECT_STREQ(canvas.remark3, "// third");
        EXPECT_EQ(canvas.GetPrismValues(),
                  (PrismValues{0.25, 0.75, QuadraticSpline, ConicSweep, 0, 1}));
        EXPECT_EQ(canvas.pointCount, 8);
        ExpectSets({4, 8});
        ExpectPoint(0, 75, -75);
        ExpectPoint(5, -150, 75);
        EXPECT_DOUBLE_EQ(canvas.control1[0].x, 112.5);
        EXPECT_DOUBLE_EQ(canvas.control1[4].y, 37.5);
    }
}

TEST_F(SceneReaderTest, ReadsTheBezierExample) {
    ASSERT_EQ(Read("b.prm", CrLf({"//",
                                  "//",
                                  "//",
                                  "#declare Thing=prism{",
                                  "bezier_spline",
                                  "0,0.5,12",
                                  "<1,1>",
                                  "<1.5,0.5> //___control___",
                                  "<2,0.5> //___control___",
                                  "<2,1>",
                                  "<2,1>",
                                  "<2,1.5> //___control___",
                                  "<1.5,2> //___control___",
                                  "<1,2>",
                                  "<1,2>",
                                  "<0.5,2> //___control___",
                                  "<0.5,1.5> //___control___",
                                  "<1,1>",
                                  "sturm",
                                  "}"})),
              ReadOk);
    EXPECT_EQ(canvas.splineType, BezierSpline);
    EXPECT_EQ(canvas.useSturm, 1);
    EXPECT_EQ(canvas.pointCount, 4);
    ExpectSets({4});
    ExpectPoint(3, 75, -75);
    EXPECT_DOUBLE_EQ(canvas.control1[1].x, 150);
    EXPECT_DOUBLE_EQ(canvas.control1[1].y, -112.5);
    EXPECT_DOUBLE_EQ(canvas.control2[2].x, 37.5);
    EXPECT_DOUBLE_EQ(canvas.control2[2].y, -112.5);
}

TEST_F(SceneReaderTest, CubicReadDropsTrailingControlsAndWriteMakesThemAgain) {
    const char* lines[] = {"//",
                           "//",
                           "//",
                           "#declare Thing=prism{",
                           "cubic_spline",
                           "0,0.5,12",
                           "<1.5,0.5> //___control___ ",
                           "<1,1>",
                           "<2,1>",
                           "<1,2>",
                           "<1,1>",
                           "<-0.5,0.5> //___2control___",
                           "//_______SubSet^2 _________",
                           "<-1.5,-0.5> //___control___",
                           "<-1,-1>",
                           "<-2,-1>",
                           "<-1,-2>",
                           "<-1,-1>",
                           "<0.5,-0.5> //___2control___",
                           "}"};
    std::string text = Joined(lines, 20, "\r\n");
    ASSERT_EQ(Read("c.prm", text), ReadOk);
    EXPECT_EQ(canvas.pointCount, 8);
    ExpectSets({4, 8});
    ExpectPoint(4, -75, 75);
    char name[100];
    std::snprintf(name, sizeof name, "%s", dir.File("again.prm").c_str());
    ASSERT_TRUE(SaveSceneFile(canvas, name, 2));
    EXPECT_EQ(FileText(name), text);
}

TEST_F(SceneReaderTest, WriteReadWriteIsByteIdenticalForEverySpline) {
    KCanvasPane source(nullptr);
    AddSet(source, {{0.1, 0.2}, {1.7, 0.3}, {0.9, 1.9}, {0.05, 1.1}});
    AddSet(source, {{-1, -1}, {-1.25, -1.5}, {-0.5, -1.75}});
    AddSet(source, {{1, -1}, {1.5, -1}, {1.5, -1.5}});
    source.control1[4] = {-7.5, 15};
    source.setCount = 3;
    for (int kind : {Polygon, Prism}) {
        for (int spline = LinearSpline; spline <= BezierSpline; ++spline) {
            source.splineType = spline;
            source.sweepType = spline % 2;
            source.isOpen = spline / 2;
            source.useSturm = 1;
            char first[100];
            std::snprintf(first, sizeof first, "%s", dir.File("first").c_str());
            ASSERT_TRUE(SaveSceneFile(source, first, kind));
            KCanvasPane copy(nullptr);
            ASSERT_EQ(OpenSceneFile(copy, first), ReadOk) << first;
            char second[100];
            std::snprintf(second, sizeof second, "%s", dir.File("second").c_str());
            ASSERT_TRUE(SaveSceneFile(copy, second, kind));
            EXPECT_EQ(FileText(second), FileText(first)) << "kind " << kind << " spline " << spline;
            EXPECT_EQ(copy.pointCount, source.pointCount);
            EXPECT_EQ(copy.setCount, 3);
        }
    }
}

TEST_F(SceneReaderTest, SixDigitsReadBackRounded) {
    ASSERT_EQ(Read("r.pol", Lf({"#declare Thing=polygon{", "1", "<1.33333,-1.33333>", "}"})),
              ReadOk);
    ExpectPoint(0, 99.99975, 99.99975);
}

TEST_F(SceneReaderTest, KindComesFromTheDeclarationElseFromTheExactExtension) {
    struct Case {
        const char* name;
        const char* declaration;
        int kind;
    } cases[] = {{"a.prm", "Thing{", Prism},
                 {"a.PRM", "Thing{", Polygon},
                 {"a.pol", "Thing{", Polygon},
                 {"a.prm.bak", "Thing{", Polygon},
                 {"noext", "Thing{", Polygon},
                 {"up.PRM", "#declare Thing=prism{", Prism},
                 {"kp.txt", "#declare Thing=prism{", Prism},
                 {"a.prm", "#declare Thing=polygon{", Polygon}};
    for (const Case& c : cases) {
        shapeKind = 1 - c.kind;
        EXPECT_EQ(Read(c.name, Lf({c.declaration, "0,0.5,0", "}"})), ReadOk) << c.name;
        EXPECT_EQ(shapeKind, c.kind) << c.name;
    }
    shapeKind = Polygon;
    EXPECT_EQ(OpenSceneFile(canvas, dir.File("absent.prm").c_str()), ReadCannotOpen);
    EXPECT_EQ(shapeKind, Prism);
    // Only regular files are read: a named pipe would wait for a writer for ever.
    std::string pipe = dir.File("pipe.pol");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& name : {dir.Path(), pipe, std::string("/dev/zero")}) {
        EXPECT_EQ(OpenSceneFile(canvas, name.c_str()), ReadCannotOpen) << name;
    }
}

TEST_F(SceneReaderTest, Remarks) {
    canvas.SetRemarks("// a", "// b", "// c");
    ASSERT_EQ(Read("none.pol", Lf({"#declare Thing=polygon{", "0", "}"})), ReadOk);
    EXPECT_STREQ(canvas.remark1, "// a");

    // A line without "//" ends the remark block; the search for "{" passes over the rest.
    ASSERT_EQ(Read("one.pol",
                   Lf({"// new", "no comment", "// later", "#declare Thing=polygon{", "0", "}"})),
              ReadOk);
    EXPECT_STREQ(canvas.remark1, "// new");
    EXPECT_STREQ(canvas.remark2, "// b");

    // Remarks beyond three are dropped; a long one is cut to the 89 characters its buffer holds.
    // A remark is kept from its "//" on, wherever that lies.
    std::string longRemark = "//" + std::string(97, 'r');
    std::string lateComment = std::string(88, ' ') + "// late";
    ASSERT_EQ(Read("many.pol", Lf({lateComment.c_str(), "text // 2", longRemark.c_str(), "// 4",
                                   "#declare Thing=polygon{", "0", "}"})),
              ReadOk);
    EXPECT_STREQ(canvas.remark1, "// late");
    EXPECT_STREQ(canvas.remark2, "// 2");
    EXPECT_EQ(std::string(canvas.remark3), longRemark.substr(0, 89));
}

TEST_F(SceneReaderTest, BraceMustComeWithinTenLines) {
    EXPECT_EQ(Read("nine.pol", Lf({"// x", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                                   "#declare Thing=polygon{", "0", "}"})),
              ReadOk);
    canvas.SetRemarks("//", "//", "//");
    EXPECT_EQ(Read("ten.pol", Lf({"// y", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
                                  "#declare Thing=polygon{", "0", "}"})),
              ReadNoBrace);
    EXPECT_STREQ(canvas.remark1, "// y");
    EXPECT_EQ(Read("empty.pol", ""), ReadNoBrace);
}

TEST_F(SceneReaderTest, PrismHeaderKeywordsAndCount) {
    ASSERT_EQ(
        Read("k.prm", Lf({"#declare Thing=prism{", "quadratic_spline", "quadratic_spline",
                          "cubic_spline", "linear_sweep", "0,0.5,010", "<0,0>", "<1,1>", "}"})),
        ReadOk);
    EXPECT_EQ(canvas.splineType, CubicSpline);
    EXPECT_EQ(canvas.sweepType, LinearSweep);
    EXPECT_EQ(canvas.pointCount, 1);

    // The count, decimal, octal or hexadecimal, must be one a drawing of 500 entries can have.
    struct Case {
        const char* spline;
        const char* header;
        int result;
    } counts[] = {{"linear_spline", "0,1,0x1f4", ReadOk},
                  {"linear_spline", "0,1,0x1f5", ReadBadHeader},
                  {"cubic_spline", "0,1,0764", ReadOk},
                  {"bezier_spline", "0,1,2000", ReadOk},
                  {"bezier_spline", "0,1,2001", ReadBadHeader}};
    for (const Case& c : counts) {
        EXPECT_EQ(Read("n.prm", Lf({"#declare Thing=prism{", c.spline, c.header, "<0,0>", "}"})),
                  c.result)
            << c.spline << " " << c.header;
    }

    ASSERT_EQ(Read("h.prm", Lf({"#declare Thing=prism{", "1.5 ; 2.5 ; 0x3", "<0,0>", "<1,0>",
                                "<0,1>", "}"})),
              ReadOk);
    EXPECT_EQ(canvas.prismStart, 1.5);
    EXPECT_EQ(canvas.prismEnd, 2.5);
    EXPECT_EQ(canvas.pointCount, 3);
}

TEST_F(SceneReaderTest, BadHeaderLeavesConvertedValues) {
    struct Case {
        const char* header;
        int pointCount;
        double start;
        double end;
    } cases[] = {
        {"", 0, 9, 9},
        {"0.25", 1, 0.25, 9},
        {"0.25,0.75", 2, 0.25, 0.75},
        {"quadratic_splin", 0, 9, 9},
        {"nan,1,3", 0, 9, 9},
        {"1,inf,3", 1, 1, 9},
        // A count outside the capacity gives no points at all.
        {"0,1,-1", 0, 0, 1},
        {"0,1,501", 0, 0, 1},
        {"0,1,99999999999999999999", 0, 0, 1},
    };
    for (const Case& c : cases) {
        canvas.prismStart = 9;
        canvas.prismEnd = 9;
        canvas.splineType = CubicSpline;
        EXPECT_EQ(Read("bad.prm", Lf({"#declare Thing=prism{", c.header, "<0,0>", "}"})),
                  ReadBadHeader)
            << c.header;
        EXPECT_EQ(canvas.pointCount, c.pointCount) << c.header;
        EXPECT_EQ(canvas.prismStart, c.start) << c.header;
        EXPECT_EQ(canvas.prismEnd, c.end) << c.header;
        EXPECT_EQ(canvas.splineType, LinearSpline) << c.header;
    }
    for (const char* count : {"-1", "501"}) {
        EXPECT_EQ(Read("bad.pol", Lf({"#declare Thing=polygon{", count, "}"})), ReadBadHeader);
    }
}

// Input that ends where the count or the prism header should be is scene text in some other
// layout, never an empty drawing; what the writer writes, an empty drawing included, still
// reads.
TEST_F(SceneReaderTest, InputEndingBeforeTheCountIsNoDrawing) {
    const struct {
        const char* name;
        std::string text;
        int result;
        bool hint;
    } cases[] = {
        {"tri.pol", "polygon { 4, <0,0>, <1,0>, <0.5,1>, <0,0> }\n", ReadBadHeader, true},
        {"tri.pol", "polygon { 4, <0,0>, <1,0>, <0.5,1>, <0,0> }", ReadBadHeader, true},
        {"tri.prm", "prism { 0, 1, 4, <0,0>, <1,0>, <0.5,1>, <0,0> }\r\n", ReadBadHeader, true},
        {"k.prm", "//\n#declare Thing=prism{\ncubic_spline\n", ReadBadHeader, true},
        {"bad.prm", "#declare Thing=prism{\nxx\n}\n", ReadBadHeader, false},
        {"empty.pol", CrLf({"//", "//", "//", "#declare Thing=polygon{", "0", "}"}), ReadOk, false},
        {"last.pol", "#declare Thing=polygon{\n0", ReadOk, false},
        {"body.pol", "#declare Thing=polygon{\n4\n", ReadBadBody, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        PutFile(dir.File(c.name), c.text);
        SceneReadDetails details;
        details.hint = "not set";
        EXPECT_EQ(OpenSceneFile(canvas, dir.File(c.name).c_str(), details), c.result);
        EXPECT_EQ(details.hint, c.hint ? SceneLayoutHint : "");
        EXPECT_EQ(canvas.pointCount, 0);
    }
}

TEST_F(SceneReaderTest, BadFirstControlKeepsHeaderCount) {
    EXPECT_EQ(Read("f.prm",
                   Lf({"#declare Thing=prism{", "cubic_spline", "0,0.5,12", "<1>", "<1,1>", "}"})),
              ReadBadFirstControl);
    EXPECT_EQ(canvas.pointCount, 12);
}

TEST_F(SceneReaderTest, ThePointsListedMakeTheDrawingWhateverTheCount) {
    // Text that is not a number counts as 0; a count above or below the points listed, or one
    // that promises more, reads the points listed.
    for (const char* count : {"abc", "  +2", "1", "500"}) {
        ASSERT_EQ(Read("p.pol", Lf({"#declare Thing=polygon{", count, "<0,0>", "<1,0>", "<0,1>",
                                    "<0,0>", "<5,5>", "}"})),
                  ReadOk)
            << count;
        EXPECT_EQ(canvas.pointCount, 5) << count;
        ExpectSets({4});
    }
}

TEST_F(SceneReaderTest, SetsAreFoundFromRepeatedFirstPoints) {
    ASSERT_EQ(Read("s.pol", Lf({"#declare Thing=polygon{", "7", "<0,0>", "<1,0>", "<0,0>", "<0,1>",
                                "<1,1>", "<2,2>", "<0,1>", "}"})),
              ReadOk);
    ExpectSets({3, 7});
}

TEST_F(SceneReaderTest, LinearHandlesAreRecomputed) {
    canvas.control1[0] = {7, 7};
    canvas.control2[0] = {7, 7};
    ASSERT_EQ(Read("l.pol", Lf({"#declare Thing=polygon{", "2", "<0,0>", "<8,0>", "}"})), ReadOk);
    EXPECT_DOUBLE_EQ(canvas.control1[0].x, 2 * 75);
    EXPECT_DOUBLE_EQ(canvas.control1[0].y, 0);
    EXPECT_DOUBLE_EQ(canvas.control2[0].x, 5 * 75);
}

TEST_F(SceneReaderTest, ControlPointsStayWhereTheFileHasThem) {
    // At the origin, and where the four numbers add up to 0; the other entries get defaults.
    ASSERT_EQ(Read("q.prm", Lf({"#declare Thing=prism{", "quadratic_spline", "0,0.5,10", "<0,0>",
                                "<0,0>", "<4,0>", "<4,4>", "<0,0>", "<0.5,0.5>", "<1,1>", "<2,1>",
                                "<1,2>", "<1,1>", "}"})),
              ReadOk);
    ExpectValue(canvas.control1[0], 0, 0);
    ExpectValue(canvas.control1[4], 37.5, -37.5);
    ExpectValue(canvas.control1[1], 300, -75);
    ExpectValue(canvas.control2[1], 300, -187.5);

    // Only a handle whose four numbers are all 0 gets the default.
    canvas.control1[5] = {1, 2};
    canvas.control2[5] = {-2, -1};
    canvas.FillDefaultHandles();
    ExpectValue(canvas.control1[5], 1, 2);
}

TEST_F(SceneReaderTest, BadBodyCases) {
    struct Case {
        const char* name;
        const char* file;
        std::string text;
        int pointCount;
    } cases[] = {
        {"point line", "bad.pol", Lf({"#declare Thing=polygon{", "4", "<0,0>", "<1,x>", "}"}), 1},
        {"two comments", "bad.pol",
         Lf({"#declare Thing=polygon{", "4", "<0,0>", "// a", "// b", "}"}), 1},
        {"no closing brace", "bad.pol", Lf({"#declare Thing=polygon{", "4", "<0,0>", "<1,0>"}), 2},
        {"not a number", "bad.pol", Lf({"#declare Thing=polygon{", "4", "<nan,0>", "}"}), 0},
        {"beyond model units", "bad.pol",
         Lf({"#declare Thing=polygon{", "4", "<0,0>", "<1,-1e307>", "}"}), 1},
        {"control line", "bad.prm",
         Lf({"#declare Thing=prism{", "quadratic_spline", "0,1,9", "<0,0>", "<0,0>", "<1,0>",
             "<0,1>", "<0,0>", "<?>", "}"}),
         4},
        {"bezier handle", "bad.prm",
         Lf({"#declare Thing=prism{", "bezier_spline", "0,1,4", "<0,0>", "<1,0>", "bad", "}"}), 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read(c.file, c.text), ReadBadBody) << c.name;
        EXPECT_EQ(canvas.pointCount, c.pointCount) << c.name;
    }
    // The points read so far stay, in file units.
    ExpectPoint(0, 0, 0);
    EXPECT_EQ(canvas.points[0].x, 0);
}

TEST_F(SceneReaderTest, EndWithoutBraceOrLineBreakIsAccepted) {
    EXPECT_EQ(Read("e.pol", "#declare Thing=polygon{\n2\n<0,0>\n<1,0>"), ReadOk);
    EXPECT_EQ(canvas.pointCount, 2);
}

TEST_F(SceneReaderTest, LongLines) {
    std::string exact = "<1," + std::string(94, '0') + "2>";  // 99 characters
    ASSERT_EQ(exact.size(), 99u);
    ASSERT_EQ(Read("x.pol", Lf({"#declare Thing=polygon{", "2", exact.c_str(), "<0,0>", "}"})),
              ReadOk);
    ExpectPoint(0, 75, -150);

    // One character more: the first 99 are the line, every later line reads as empty.
    std::string longer = exact + "5";
    EXPECT_EQ(Read("y.pol", Lf({"#declare Thing=polygon{", "2", longer.c_str(), "<0,0>", "}"})),
              ReadBadBody);
    EXPECT_EQ(canvas.pointCount, 1);
    ExpectPoint(0, 1, 2);
    std::string longRemark = "//" + std::string(120, 'r');
    EXPECT_EQ(Read("z.pol", Lf({longRemark.c_str(), "#declare Thing=polygon{", "0", "}"})),
              ReadNoBrace);
}

std::string ManyPoints(int count) {
    std::string text = "#declare Thing=polygon{\n" + std::to_string(count) + "\n";
    for (int i = 0; i < count; ++i) {
        text += "<" + std::to_string(i % 7) + "," + std::to_string(i / 7) + ">\n";
    }
    return text + "}\n";
}

TEST_F(SceneReaderTest, CapacityLimits) {
    ASSERT_EQ(Read("full.pol", ManyPoints(MaxPoints)), ReadOk);
    EXPECT_EQ(canvas.pointCount, MaxPoints);
    // The last point's handles have no successor to lean on and stay on the point.
    EXPECT_DOUBLE_EQ(canvas.control1[MaxPoints - 1].x, canvas.points[MaxPoints - 1].x);

    std::string tooMany = ManyPoints(MaxPoints);
    tooMany.insert(tooMany.size() - 2, "<9,9>\n");
    EXPECT_EQ(Read("over.pol", tooMany), ReadBadBody);
    EXPECT_EQ(canvas.pointCount, MaxPoints);

    // 101 triangles: the 100th and the 101st join set 99, as the editor merges them.
    std::string sets = "#declare Thing=polygon{\n404\n";
    for (int k = 0; k < 101; ++k) {
        std::string first = "<" + std::to_string(k) + ",0>\n";
        sets += first + "<" + std::to_string(k) + ",1>\n<" + std::to_string(k) + ",2>\n" + first;
    }
    EXPECT_EQ(Read("sets.pol", sets + "}\n"), ReadOk);
    EXPECT_EQ(canvas.setCount, MaxSets);
    EXPECT_EQ(canvas.setEnds[MaxSets - 1], 4 * (MaxSets - 1));
    EXPECT_EQ(canvas.setEnds[MaxSets], 404);
}

TEST_F(SceneReaderTest, NothingOfAnEarlierDrawingRemains) {
    FillTwoTriangles(canvas);
    canvas.control2[6] = {5, 5};
    // The count promises more points than the list gives.
    ASSERT_EQ(Read("short.pol", Lf({"#declare Thing=polygon{", "8", "<1,1>", "<2,2>", "}"})),
              ReadOk);
    EXPECT_EQ(canvas.pointCount, 2);
    EXPECT_EQ(canvas.setCount, 0);
    for (int i = 2; i < MaxPoints; ++i) {
        ASSERT_EQ(canvas.points[i].x, 0) << i;
        ASSERT_EQ(canvas.points[i].y, 0) << i;
    }
    EXPECT_EQ(canvas.setEnds[1], 0);
    EXPECT_EQ(canvas.control2[MaxPoints - 1].x, 0);

    FillTwoTriangles(canvas);
    EXPECT_EQ(Read("bad.prm", Lf({"#declare Thing=prism{", "0,1"})), ReadBadHeader);
    EXPECT_EQ(canvas.setCount, 0);
    EXPECT_EQ(canvas.points[0].x, 0);
}

TEST_F(SceneReaderTest, EmptyQuadraticPrismReadsAsEmpty) {
    ASSERT_EQ(Read("e.prm", Lf({"#declare Thing=prism{", "quadratic_spline", "0,0.5,0",
                                "<0,0> //___control___ ", "}"})),
              ReadOk);
    EXPECT_EQ(canvas.pointCount, 0);
}

TEST(SceneReadNoticeTest, TextsForEveryResult) {
    EXPECT_EQ(SceneReadNotice(ReadOk), nullptr);
    EXPECT_STREQ(SceneReadNotice(ReadCannotOpen), "Unable to open file.");
    EXPECT_STREQ(SceneReadNotice(ReadNoBrace), "{ NOT found");
    EXPECT_STREQ(SceneReadNotice(ReadBadHeader), "Prm Data BAD");
    EXPECT_STREQ(SceneReadNotice(ReadBadBody), "Error in body of data");
    EXPECT_STREQ(SceneReadNotice(ReadBadFirstControl), "Spline/Sweep Not right");
    EXPECT_EQ(SceneReadNotice(6), nullptr);
    EXPECT_EQ(SceneReadNotice(-1), nullptr);
}

}  // namespace
