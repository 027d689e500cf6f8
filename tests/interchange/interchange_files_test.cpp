#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "interchange/CanvasOutline.h"
#include "interchange/ImportSource.h"
#include "interchange/OutlinePreparation.h"
#include "interchange/SvgExport.h"
#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "model/SeedSource.h"
#include "support/CanvasSceneFiles.h"
#include "tests/scenefile/SceneFileTestSupport.h"
#include "tests/support/RecordingDC.h"

// Whole files: imported samples open in the editor and render in POV-Ray, and a drawing
// exported to SVG imports as the same drawing.
namespace {

const std::string Examples = VEXLIN_SOURCE_DIR "/examples/";

// Imports as vexlin-tool import does with no drawing options, and writes the drawing.
bool ImportToFile(const std::string& source, const char* name, bool fit, const std::string& out,
                  std::string& error) {
    Outline outline;
    ImportReport report;
    bool ok = ReadOutlineSource(source.c_str(), name, outline, report) == SourceRead &&
              PrepareOutline(outline, outline.kind == Polygon ? LinearSpline : outline.prism.spline,
                             fit, report);
    error = report.error;
    if (!ok) {
        return false;
    }
    KCanvasPane canvas(nullptr);
    PutPrismValues(outline, canvas);
    PutOutline(outline, canvas);
    char fileName[100];
    std::snprintf(fileName, sizeof fileName, "%s", out.c_str());
    int savedKind = shapeKind;
    ok = SaveSceneFile(canvas, fileName, outline.kind);
    shapeKind = savedKind;
    return ok;
}

void ExpectSameDrawing(const KCanvasPane& a, const KCanvasPane& b, const std::string& what) {
    ASSERT_EQ(a.pointCount, b.pointCount) << what;
    ASSERT_EQ(a.setCount, b.setCount) << what;
    EXPECT_EQ(a.splineType, b.splineType) << what;
    for (int k = 1; k <= a.setCount; ++k) {
        EXPECT_EQ(a.setEnds[k], b.setEnds[k]) << what;
    }
    for (int i = 0; i < a.pointCount; ++i) {
        const Point2* tables[2][3] = {{a.points, a.control1, a.control2},
                                      {b.points, b.control1, b.control2}};
        for (int t = 0; t < (a.splineType == BezierSpline ? 3 : 1); ++t) {
            EXPECT_NEAR(tables[0][t][i].x, tables[1][t][i].x, 1e-6) << what << " entry " << i;
            EXPECT_NEAR(tables[0][t][i].y, tables[1][t][i].y, 1e-6) << what << " entry " << i;
        }
    }
}

// Drawings written by the editor's writer, to be imported as the first step.
std::vector<std::string> WrittenDrawings(const TempDir& dir) {
    std::vector<std::string> files;
    int savedKind = shapeKind;
    for (int spline : {LinearSpline, QuadraticSpline, CubicSpline, BezierSpline}) {
        KCanvasPane canvas(nullptr);
        SeedSource::UseSeed(99);
        canvas.GenerateShape(5, 1.0, 0, 0.5, ShapeStar);
        canvas.GenerateShape(7, 0.6, 20, 0.0, ShapeRandom);
        canvas.GenerateShape(6, 1.5, 10, 0.3, ShapeRanPoly);
        SeedSource::UseClock();
        canvas.splineType = spline;
        canvas.sweepType = ConicSweep;
        char name[100];
        std::snprintf(name, sizeof name, "%s",
                      dir.File("shapes" + std::to_string(spline) + ".prm").c_str());
        EXPECT_TRUE(SaveSceneFile(canvas, name, Prism));
        files.push_back(name);
    }
    shapeKind = savedKind;
    return files;
}

// import -> export-svg -> import gives the drawing of the first import. Quadratic and cubic
// drawings come back as bezier ones drawing the same curves as the canvas previews.
TEST(InterchangeFilesTest, ExportedSvgImportsAsTheSameDrawing) {
    TempDir dir;
    PutFile(dir.File("linear.pov"),
            "prism { 0, 1, 9 <0,0> <2,0> <2,1> <0,0> <-1,-1> <-1.5,-1> <-1,-1.8> <-0.5,-1.3> "
            "<-1,-1> }");
    struct Case {
        std::string source;
        const char* name;
        bool fit;
    } cases[] = {
        {Examples + "vexlin-logo.svg", nullptr, true},
        {Examples + "vexlin-logo.svg", nullptr, false},
        {Examples + "hand-written-prism.pov", "Tooth", false},
        {dir.File("linear.pov"), nullptr, false},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    for (const std::string& file : WrittenDrawings(dir)) {
        all.push_back({file, nullptr, false});
    }
    for (const Case& c : all) {
        std::string error;
        ASSERT_TRUE(ImportToFile(c.source, c.name, c.fit, dir.File("first.prm"), error))
            << c.source << ": " << error;
        KCanvasPane first(nullptr);
        ASSERT_EQ(OpenSceneFile(first, dir.File("first.prm").c_str()), 0);
        PutFile(dir.File("exported.svg"), SvgDocumentText(first));
        ASSERT_TRUE(
            ImportToFile(dir.File("exported.svg"), nullptr, false, dir.File("again.prm"), error))
            << error;
        KCanvasPane again(nullptr);
        ASSERT_EQ(OpenSceneFile(again, dir.File("again.prm").c_str()), 0);
        if (first.splineType == QuadraticSpline || first.splineType == CubicSpline) {
            ASSERT_EQ(again.splineType, BezierSpline) << c.source;
            auto* drawn = new RecordingDC;
            auto* redrawn = new RecordingDC;
            first.AdoptDC(drawn);
            again.AdoptDC(redrawn);
            first.DrawAllCurves();
            again.DrawAllCurves();
            std::vector<std::string> dots = drawn->Matching("PaintPoint(");
            std::vector<std::string> redots = redrawn->Matching("PaintPoint(");
            ASSERT_EQ(dots.size(), redots.size()) << c.source;
            size_t same = 0;
            for (size_t i = 0; i < dots.size(); ++i) {
                same += dots[i] == redots[i] ? 1 : 0;
            }
            EXPECT_GE(same, dots.size() * 99 / 100) << c.source;
            continue;
        }
        ExpectSameDrawing(first, again, c.source + (c.fit ? " --fit" : ""));
    }
}

bool RendersCleanly(const TempDir& dir, const std::string& scene) {
    std::string command =
        "cd '" + dir.Path() + "' && povray -D -F +W32 +H32 '+I" + scene + "' > povray.log 2>&1";
    int status = std::system(command.c_str());
    std::string log = FileText(dir.File("povray.log"));
    return status == 0 && log.find("POV-Ray finished") != std::string::npos &&
           log.find("Warning:") == std::string::npos;
}

// Every sample, and a prism in each spline, imports into a file that the editor opens with the
// sets imported and POV-Ray renders with no warning.
TEST(InterchangeFilesTest, ImportedFilesOpenAndRenderCleanly) {
    ASSERT_EQ(std::system("command -v povray > /dev/null"), 0) << "povray is not installed";
    TempDir dir;
    PutFile(dir.File("quadratic.inc"),
            "#declare Q = prism { quadratic_spline 0, 1, 5, <0,-1>, <0,0>, <1,0>, <0,1>, <0,0> }");
    // A letter A with its hole, all straight: a linear prism of two sets.
    PutFile(dir.File("letter.svg"),
            "<svg xmlns='http://www.w3.org/2000/svg'><path d='M0 100L40 0h20l40 100h-22l-9-25H31"
            "l-9 25zM37 58h26L50 22z'/></svg>");
    struct Case {
        std::string source;
        const char* name;
        bool fit;
        int sets;
    } cases[] = {
        {Examples + "vexlin-logo.svg", nullptr, true, 4},
        {Examples + "hand-written-prism.pov", nullptr, false, 1},
        {Examples + "hand-written-prism.pov", "Tooth", false, 1},
        {dir.File("quadratic.inc"), "Q", false, 1},
        {dir.File("letter.svg"), nullptr, true, 2},
    };
    for (const Case& c : cases) {
        std::string error;
        ASSERT_TRUE(ImportToFile(c.source, c.name, c.fit, dir.File("thing.prm"), error)) << error;
        KCanvasPane canvas(nullptr);
        ASSERT_EQ(OpenSceneFile(canvas, dir.File("thing.prm").c_str()), 0) << c.source;
        EXPECT_EQ(canvas.setCount, c.sets) << c.source;
        PutFile(dir.File("scene.pov"),
                "#version 3.7;\nglobal_settings { assumed_gamma 1.0 }\n#include \"thing.prm\"\n"
                "camera { location <0, 5, -5> look_at <0, 0, 0> }\n"
                "light_source { <-5, 5, -20> color rgb 1 }\n"
                "object { Thing pigment { color rgb 1 } }\n");
        EXPECT_TRUE(RendersCleanly(dir, "scene.pov"))
            << c.source << "\n"
            << FileText(dir.File("thing.prm")) << FileText(dir.File("povray.log"));
    }
    EXPECT_TRUE(RendersCleanly(dir, Examples + "hand-written-prism.pov"))
        << FileText(dir.File("povray.log"));
}

}  // namespace
