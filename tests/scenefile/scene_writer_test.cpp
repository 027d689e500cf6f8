#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "support/CanvasSceneFiles.h"
#include "tests/scenefile/SceneFileTestSupport.h"

namespace {

class SceneWriterTest : public ::testing::Test {
protected:
    void SetUp() override { shapeKind = Polygon; }

    // Writes the canvas under the name and returns the file's bytes ("" when nothing was written).
    std::string Write(const char* name, int kindChoice) {
        std::snprintf(fileName, sizeof fileName, "%s", dir.File(name).c_str());
        written = SaveSceneFile(canvas, fileName, kindChoice);
        return FileText(fileName);
    }

    TempDir dir;
    KCanvasPane canvas{nullptr};
    char fileName[100] = {};
    bool written = false;
};

TEST_F(SceneWriterTest, TwoTrianglesAsPolygon) {
    FillTwoTriangles(canvas);
    EXPECT_EQ(
        Write("shape.pol", 0),
        CrLf({"//", "//", "//", "#declare Thing=polygon{", "8", "<1,1>", "<2,1>", "<1,2>", "<1,1>",
              "//_______SubSet^1 _________", "<-1,-1>", "<-2,-1>", "<-1,-2>", "<-1,-1>", "}"}));
    EXPECT_TRUE(written);
}

TEST_F(SceneWriterTest, TwoTrianglesAsQuadraticConicPrism) {
    FillTwoTriangles(canvas);
    canvas.splineType = QuadraticSpline;
    canvas.sweepType = ConicSweep;
    EXPECT_EQ(Write("shape.prm", 1),
              CrLf({"//", "//", "//", "#declare Thing=prism{", "quadratic_spline", "conic_sweep",
                    "0,0.5,10", "<1.5,0.5> //___control___ ", "<1,1>", "<2,1>", "<1,2>", "<1,1>",
                    "//_______SubSet^2 _________", "<-1.5,-0.5> //___control___", "<-1,-1>",
                    "<-2,-1>", "<-1,-2>", "<-1,-1>", "}"}));
}

TEST_F(SceneWriterTest, TwoTrianglesAsCubicSturmPrism) {
    FillTwoTriangles(canvas);
    canvas.splineType = CubicSpline;
    canvas.useSturm = 1;
    EXPECT_EQ(Write("shape.prm", 1), CrLf({"//",
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
                                           "sturm",
                                           "}"}));
}

TEST_F(SceneWriterTest, OneTriangleAsBezierPrism) {
    FillTwoTriangles(canvas);
    canvas.pointCount = 4;
    canvas.setCount = 1;
    const Point2 handles[][2] = {
        {{1.5, 0.5}, {2, 0.5}}, {{2, 1.5}, {1.5, 2}}, {{0.5, 2}, {0.5, 1.5}}};
    for (int j = 0; j < 3; ++j) {
        canvas.control1[j] = {handles[j][0].x * 75, handles[j][0].y * -75};
        canvas.control2[j] = {handles[j][1].x * 75, handles[j][1].y * -75};
    }
    canvas.splineType = BezierSpline;
    EXPECT_EQ(Write("shape.prm", 1),
              CrLf({"//", "//", "//", "#declare Thing=prism{", "bezier_spline", "0,0.5,12", "<1,1>",
                    "<1.5,0.5> //___control___", "<2,0.5> //___control___", "<2,1>", "<2,1>",
                    "<2,1.5> //___control___", "<1.5,2> //___control___", "<1,2>", "<1,2>",
                    "<0.5,2> //___control___", "<0.5,1.5> //___control___", "<1,1>", "}"}));
}

TEST_F(SceneWriterTest, BezierOpenSetRepeatsItsLastPoint) {
    canvas.points[0] = {75, -75};
    canvas.points[1] = {150, -75};
    canvas.pointCount = 2;
    canvas.splineType = BezierSpline;
    std::string text = Write("open.prm", 1);
    EXPECT_NE(text.find("0,0.5,8\r\n<1,1>\r\n<0,-0> //___control___\r\n<0,-0> //___control___\r\n"
                        "<2,1>\r\n<2,1>\r\n}\r\n"),
              std::string::npos)
        << text;
}

TEST_F(SceneWriterTest, EmptyDrawings) {
    EXPECT_EQ(Write("empty.pol", 0), CrLf({"//", "//", "//", "#declare Thing=polygon{", "0", "}"}));
    for (int spline : {QuadraticSpline, CubicSpline}) {
        canvas.splineType = spline;
        std::string text = Write("empty.prm", 1);
        EXPECT_NE(text.find("0,0.5,0\r\n<0,-0> //___control___ \r\n}\r\n"), std::string::npos)
            << text;
    }
}

TEST_F(SceneWriterTest, OpenOnlyForPrismsAndSturmOnlyAboveQuadratic) {
    AddSet(canvas, {{0, 0}, {1, 0}, {0, 1}});
    canvas.isOpen = 1;
    canvas.useSturm = 1;
    struct Case {
        int kind;
        int spline;
        bool open;
        bool sturm;
    } cases[] = {
        {Polygon, CubicSpline, false, false},  {Prism, LinearSpline, true, false},
        {Prism, QuadraticSpline, true, false}, {Prism, CubicSpline, true, true},
        {Prism, BezierSpline, true, true},
    };
    for (const Case& c : cases) {
        canvas.splineType = c.spline;
        std::string text = Write(c.kind == Prism ? "k.prm" : "k.pol", c.kind);
        EXPECT_EQ(text.find("\r\nopen\r\n") != std::string::npos, c.open) << text;
        EXPECT_EQ(text.find("\r\nsturm\r\n") != std::string::npos, c.sturm) << text;
    }
}

TEST_F(SceneWriterTest, LinearWritesOnlyTheFirstSetMarker) {
    AddSet(canvas, {{0, 0}, {1, 0}, {0, 1}});
    AddSet(canvas, {{2, 0}, {3, 0}, {2, 1}});
    AddSet(canvas, {{4, 0}, {5, 0}, {4, 1}});
    std::string text = Write("three.pol", 0);
    EXPECT_NE(text.find("<0,0>\r\n//_______SubSet^1 _________\r\n<2,0>"), std::string::npos);
    EXPECT_EQ(text.find("SubSet^2"), std::string::npos);
    EXPECT_EQ(text.find("SubSet^3"), std::string::npos);
}

TEST_F(SceneWriterTest, NumbersHaveSixSignificantDigits) {
    canvas.points[0] = {100, -100};
    canvas.points[1] = {0.00075, 75e6};
    canvas.pointCount = 2;
    canvas.prismStart = 0.1234567;
    canvas.prismEnd = -2;
    std::string text = Write("digits.prm", 1);
    EXPECT_NE(text.find("0.123457,-2,2\r\n<1.33333,1.33333>\r\n<1e-05,-1e+06>\r\n"),
              std::string::npos)
        << text;
}

// The text for a preview is the text a save writes, got with no side effect.
TEST_F(SceneWriterTest, ExtensionAndKind) {
    FillTwoTriangles(canvas);
    canvas.splineType = CubicSpline;
    struct Case {
        const char* name;
        int choice;
        int kindBefore;
        const char* written;
        int kindAfter;
    } cases[] = {
        {"shape", 1, Polygon, "shape.prm", Prism},
        {"shape", 0, Prism, "shape.pol", Polygon},
        {"shape", 2, Prism, "shape.prm", Prism},
        {"shape", 3, Polygon, "shape.pol", Polygon},
        // The extension a name already carries decides, so the file opens again.
        {"shape.prm", 0, Polygon, "shape.prm", Prism},
        {"shape.pol", 1, Prism, "shape.pol", Polygon},
        // Any other "." keeps the name as it is.
        {"shape.txt", 1, Polygon, "shape.txt", Prism},
        {"shape.PRM", 0, Prism, "shape.PRM", Polygon},
    };
    for (const Case& c : cases) {
        shapeKind = c.kindBefore;
        canvas.changed = 1;
        std::string preview;
        int previewKind = -1;
        EXPECT_TRUE(canvas.SceneFileText(c.name, c.choice, preview, previewKind)) << c.name;
        EXPECT_EQ(shapeKind, c.kindBefore) << c.name;
        EXPECT_EQ(canvas.changed, 1) << c.name;
        std::string text = Write(c.name, c.choice);
        EXPECT_TRUE(written) << c.name;
        EXPECT_EQ(previewKind, c.kindAfter) << c.name;
        EXPECT_EQ(preview, text) << c.name;
        EXPECT_EQ(std::string(fileName), dir.File(c.written)) << c.name;
        EXPECT_EQ(shapeKind, c.kindAfter) << c.name;
        const char* declaration =
            c.kindAfter == Prism ? "#declare Thing=prism{" : "#declare Thing=polygon{";
        EXPECT_NE(text.find(declaration), std::string::npos) << c.name;
    }
}

TEST_F(SceneWriterTest, DotInFolderNameMeansNoExtension) {
    std::string folder = dir.File("my.drawings");
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    std::snprintf(fileName, sizeof fileName, "%s/shape", folder.c_str());
    EXPECT_TRUE(SaveSceneFile(canvas, fileName, 1));
    EXPECT_EQ(std::string(fileName), folder + "/shape");
}

TEST_F(SceneWriterTest, PolygonSaveOfPrismKeepsSplineAndClearsChanged) {
    FillTwoTriangles(canvas);
    shapeKind = Prism;
    canvas.splineType = CubicSpline;
    canvas.changed = 1;
    std::string text = Write("shape", 0);
    EXPECT_TRUE(written);
    EXPECT_EQ(shapeKind, Polygon);
    EXPECT_EQ(canvas.splineType, CubicSpline);
    EXPECT_EQ(canvas.changed, 0);
    EXPECT_EQ(text.find("control"), std::string::npos);
}

TEST_F(SceneWriterTest, NameWithoutRoomForExtensionIsRefused) {
    std::string base = dir.Path() + "/";
    base += std::string(99 - base.size() - 3, 'n');  // 96 characters: no room for ".pol"
    std::snprintf(fileName, sizeof fileName, "%s", base.c_str());
    canvas.changed = 1;
    shapeKind = Prism;
    EXPECT_FALSE(SaveSceneFile(canvas, fileName, 0));
    EXPECT_EQ(std::string(fileName), base);
    EXPECT_EQ(canvas.changed, 1);
    EXPECT_EQ(shapeKind, Prism);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));

    base.pop_back();  // 95 characters take the extension exactly
    std::snprintf(fileName, sizeof fileName, "%s", base.c_str());
    EXPECT_TRUE(SaveSceneFile(canvas, fileName, 0));
    EXPECT_EQ(std::strlen(fileName), 99u);
}

TEST_F(SceneWriterTest, FileThatCannotBeCreatedFails) {
    canvas.changed = 1;
    std::string text = Write("missing/shape", 1);
    EXPECT_FALSE(written);
    EXPECT_EQ(std::string(fileName), dir.File("missing/shape.prm"));
    EXPECT_EQ(shapeKind, Prism);
    EXPECT_EQ(canvas.changed, 1);

    // No name, or a folder's: nothing hidden such as ".prm" is made.
    for (std::string name : {std::string(), dir.Path() + "/"}) {
        std::snprintf(fileName, sizeof fileName, "%s", name.c_str());
        EXPECT_FALSE(SaveSceneFile(canvas, fileName, 1)) << name;
        EXPECT_EQ(std::string(fileName), name);
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST_F(SceneWriterTest, ValuesThatAreNotFiniteAreNeverWritten) {
    AddSet(canvas, {{0, 0}, {1, 0}, {0, 1}});
    std::string before = Write("keep.prm", 1);
    ASSERT_TRUE(written);
    const std::function<void(KCanvasPane&)> spoilers[] = {
        [](KCanvasPane& c) { c.points[1].x = INFINITY; },
        [](KCanvasPane& c) {
            c.splineType = QuadraticSpline;
            c.control1[0].y = NAN;
        },
        [](KCanvasPane& c) {
            c.splineType = BezierSpline;
            c.control2[2].x = -INFINITY;
        },
        [](KCanvasPane& c) { c.prismEnd = NAN; },
    };
    for (const auto& spoil : spoilers) {
        KCanvasPane spoilt(nullptr);
        AddSet(spoilt, {{0, 0}, {1, 0}, {0, 1}});
        spoil(spoilt);
        spoilt.changed = 1;
        EXPECT_FALSE(SaveSceneFile(spoilt, fileName, 1)) << (&spoil - spoilers);
        EXPECT_EQ(spoilt.changed, 1);
        EXPECT_EQ(FileText(fileName), before);
    }
}

TEST_F(SceneWriterTest, RemarksAreWrittenAsOneLineCommentsEach) {
    // Empty stays empty; text that does not start as a comment becomes one.
    canvas.SetRemarks("plain {", "", "  // indented");
    EXPECT_EQ(Write("a.pol", 0).rfind(CrLf({"// plain {", "", "//   // indented"}), 0), 0u);
    canvas.SetRemarks("x // y", "two\r\nlines", "//");
    EXPECT_EQ(Write("b.pol", 0).rfind(CrLf({"// x // y", "// two  lines", "//"}), 0), 0u);
    // A full remark that needs the comment mark still reads back as it was written.
    const std::string full(RemarkSize - 1, 'x');
    const std::string marked = "// " + full.substr(3);
    const std::string kept = "//" + full.substr(2);
    canvas.SetRemarks(full.c_str(), ("//" + full).c_str(), "");
    EXPECT_EQ(Write("c.pol", 0).rfind(CrLf({marked.c_str(), kept.c_str(), ""}), 0), 0u);
    KCanvasPane read(nullptr);
    ASSERT_EQ(OpenSceneFile(read, fileName), 0);
    EXPECT_EQ(read.remark1, marked);
}

// True when every character of the text is whole UTF-8.
bool WholeUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t size = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (lead >= 0x80 && lead < 0xC0) {
            return false;
        }
        for (size_t k = 1; k < size; ++k) {
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += size;
    }
    return true;
}

// Remarks of characters of every width, near and beyond what a line keeps, with and without
// the comment mark: the file and the drawing read back hold whole characters only.
TEST_F(SceneWriterTest, RemarksAreCutBetweenCharacters) {
    for (const std::string character : {"a", "\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80"}) {
        for (size_t count = 20; count <= 45; ++count) {
            std::string text;
            for (size_t i = 0; i < count; ++i) {
                text += character;
            }
            SCOPED_TRACE(text);
            canvas.SetRemarks(text.c_str(), ("//" + text).c_str(), "//");
            const std::string file = Write("u.prm", 1);
            EXPECT_TRUE(WholeUtf8(file));
            KCanvasPane read(nullptr);
            ASSERT_EQ(OpenSceneFile(read, fileName), 0);
            // What is kept is the beginning of the text, all of it that fits but the last
            // character's bytes.
            const std::string given[] = {"// " + text, "//" + text};
            const std::string kept[] = {read.remark1, read.remark2};
            for (int line = 0; line < 2; ++line) {
                EXPECT_TRUE(WholeUtf8(kept[line])) << kept[line];
                EXPECT_EQ(given[line].rfind(kept[line], 0), 0u) << kept[line];
                EXPECT_GE(kept[line].size(),
                          std::min<size_t>(given[line].size(), RemarkSize - 1 - 3 - 3));
            }
        }
    }
}

TEST_F(SceneWriterTest, FailedWriteReportsFailureAndKeepsThePreviousFile) {
    AddSet(canvas, {{0, 0}, {1, 0}, {0, 1}});
    std::string before = Write("keep.pol", 0);
    ASSERT_TRUE(written);
    for (int i = 0; i < 30; ++i) {
        AddSet(canvas, {{0, 0}, {1.5, 0}, {0, 1.5}});
    }
    canvas.changed = 1;
    {
        FileSizeLimit limit(before.size() + 10);
        written = SaveSceneFile(canvas, fileName, 0);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(canvas.changed, 1);
    EXPECT_EQ(FileText(fileName), before);
    // No temporary file is left beside it.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST_F(SceneWriterTest, ReplacingKeepsPermissionsAndLinks) {
    std::string target = dir.File("real.pol");
    PutFile(target, "old");
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    std::string link = dir.File("link.pol");
    ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
    std::snprintf(fileName, sizeof fileName, "%s", link.c_str());
    EXPECT_TRUE(SaveSceneFile(canvas, fileName, 0));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(FileText(target).rfind("//\r\n", 0), 0u);
    struct stat info;
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

}  // namespace
