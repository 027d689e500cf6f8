#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "model/SeedSource.h"
#include "scenefile/SceneKind.h"
#include "support/CanvasSceneFiles.h"
#include "tests/scenefile/SceneFileTestSupport.h"

// Every file the writer can produce must be accepted by POV-Ray 3.7 as scene text: each kind,
// spline, sweep, "open" and "sturm" with one set, several sets and generated shapes is included
// in a tiny scene and rendered, with no error and no warning. Lathes and surfaces of revolution
// of every spline, open and closed, with 1, 2 and 99 profiles, must also show: rays hit them.
namespace {

// The last two are only written as prisms of each spline: a star whose bezier prism counts more
// than 500 lines, and 100 triangles of which the last two share set 99.
enum Drawing { OneSet, SeveralSets, GeneratedShapes, LargeStar, FullSetTable };

void MakeDrawing(KCanvasPane& canvas, Drawing drawing) {
    switch (drawing) {
        case OneSet:
            AddSet(canvas, {{-1, -1}, {1, -1}, {1.2, 0.8}, {-0.5, 1}});
            break;
        case SeveralSets:
            AddSet(canvas, {{-1.8, -1.8}, {-0.2, -1.8}, {-1, -0.2}});
            AddSet(canvas, {{0.2, 0.2}, {1.8, 0.2}, {1.8, 1.8}, {0.2, 1.8}});
            AddSet(canvas, {{-1.5, 0.5}, {-0.5, 0.5}, {-0.7, 1.5}, {-1.2, 1.7}, {-1.6, 1}});
            break;
        case GeneratedShapes:
            SeedSource::UseSeed(1234);
            canvas.GenerateShape(5, 1.0, 0, 0.5, ShapeStar);
            canvas.GenerateShape(6, 0.5, 30, 0.0, ShapePolygon);
            canvas.GenerateShape(8, 1.5, 10, 0.3, ShapeRanPoly);
            canvas.GenerateShape(5, 1.0, 0, 0.0, ShapeRandom);
            SeedSource::UseClock();
            break;
        case LargeStar:
            canvas.GenerateShape(63, 1.5, 0, 0.5, ShapeStar);
            break;
        case FullSetTable:
            for (int k = 0; k < 100; ++k) {
                double x = -1.9 + (k % 10) * 0.38;
                double y = -1.9 + (k / 10) * 0.38;
                AddSet(canvas, {{x, y}, {x + 0.3, y}, {x, y + 0.3}});
            }
            break;
    }
}

// Profiles k of a grid of ten by ten little vases right of the axis, the heights rising from the
// second point on.
void MakeProfiles(KCanvasPane& canvas, int profiles) {
    for (int k = 0; k < profiles; ++k) {
        double x = 0.05 + (k % 10) * 0.18;
        double y = -1.9 + (k / 10) * 0.38;
        AddSet(canvas,
               {{x + 0.02, y}, {x + 0.12, y + 0.05}, {x + 0.08, y + 0.15}, {x + 0.14, y + 0.3}});
    }
}

struct RenderCase {
    std::string description;
    std::string sceneFile;
    std::string drawingText;
    std::string log;
    int status = -1;
    // The statistics line whose intersections must have hit; empty when any may miss.
    std::string shape;
};

std::string SceneFor(const std::string& include, bool turned = false) {
    return "#version 3.7;\n"
           "global_settings { assumed_gamma 1.0 }\n"
           "#include \"" +
           include +
           "\"\n"
           "camera { orthographic location <0, 0, -10> look_at <0, 0, 0> right x * 5 up y * 5 }\n"
           "light_source { <-5, 5, -20> color rgb 1 }\n"
           "object { Thing " +
           (turned ? "" : "rotate -90 * x ") + "pigment { color rgb <1, 0.5, 0> } }\n";
}

// Writes every combination and keeps one case for each distinct file text.
std::vector<RenderCase> WriteCases(const TempDir& dir) {
    std::vector<RenderCase> cases;
    std::map<std::string, bool> seen;
    const char* const drawings[] = {"one set", "several sets", "generated shapes", "large star",
                                    "full set table"};
    for (int drawing = OneSet; drawing <= FullSetTable; ++drawing) {
        KCanvasPane canvas(nullptr);
        MakeDrawing(canvas, static_cast<Drawing>(drawing));
        bool large = drawing >= LargeStar;
        for (int count = 0; count < (large ? 4 : 2 * 4 * 2 * 2 * 2); ++count) {
            int combination = large ? 1 + 2 * count : count;
            int kind = combination & 1;
            canvas.splineType = (combination >> 1) & 3;
            canvas.sweepType = (combination >> 3) & 1;
            canvas.isOpen = (combination >> 4) & 1;
            canvas.useSturm = (combination >> 5) & 1;
            std::string base = "case" + std::to_string(cases.size());
            char name[100];
            std::snprintf(name, sizeof name, "%s", dir.File(base).c_str());
            if (!SaveSceneFile(canvas, name, kind)) {
                ADD_FAILURE() << "cannot write " << name;
                continue;
            }
            std::string text = FileText(name);
            if (seen[text]) {
                continue;
            }
            seen[text] = true;
            RenderCase c;
            c.description = std::string(drawings[drawing]) + (kind ? ", prism" : ", polygon") +
                            ", spline " + std::to_string(canvas.splineType) + ", sweep " +
                            std::to_string(canvas.sweepType) + ", open " +
                            std::to_string(canvas.isOpen) + ", sturm " +
                            std::to_string(canvas.useSturm);
            c.sceneFile = dir.File(base + ".pov");
            c.drawingText = text;
            std::string include = std::string(name).substr(dir.Path().size() + 1);
            PutFile(c.sceneFile, SceneFor(include));
            cases.push_back(c);
        }
    }
    return cases;
}

std::vector<RenderCase> WriteProfileCases(const TempDir& dir) {
    std::vector<RenderCase> cases;
    for (int kind : {Lathe, Sor}) {
        for (int spline = LinearSpline; spline <= (kind == Lathe ? BezierSpline : 0); ++spline) {
            for (int open = 0; open < 2; ++open) {
                for (int profiles : {1, 2, 99}) {
                    KCanvasPane canvas(nullptr);
                    MakeProfiles(canvas, profiles);
                    canvas.splineType = spline;
                    canvas.isOpen = open;
                    canvas.useSturm = profiles % 2;
                    RenderCase c;
                    c.description = std::string(SceneKindOf(kind).name) + ", spline " +
                                    std::to_string(spline) + ", open " + std::to_string(open) +
                                    ", " + std::to_string(profiles) + " profiles";
                    std::string base = "profiles" + std::to_string(cases.size());
                    char name[100];
                    std::snprintf(name, sizeof name, "%s", dir.File(base).c_str());
                    if (!SaveSceneFile(canvas, name, FilterOfKind(kind))) {
                        ADD_FAILURE() << "cannot write " << c.description;
                        continue;
                    }
                    c.drawingText = FileText(name);
                    c.sceneFile = dir.File(base + ".pov");
                    c.shape = kind == Lathe ? "Lathe " : "Surface of Revolution ";
                    PutFile(c.sceneFile,
                            SceneFor(std::string(name).substr(dir.Path().size() + 1), true));
                    cases.push_back(c);
                }
            }
        }
    }
    return cases;
}

void Render(const TempDir& dir, RenderCase& c) {
    std::string logFile = c.sceneFile + ".log";
    std::string command = "cd '" + dir.Path() + "' && povray -D -F +W48 +H48 '+I" + c.sceneFile +
                          "' > '" + logFile + "' 2>&1";
    c.status = std::system(command.c_str());
    c.log = FileText(logFile);
}

// The intersections that succeeded on the statistics line of the shape.
long Hits(const RenderCase& c) {
    size_t at = c.log.find("\n" + c.shape);
    long tests = 0;
    long hits = 0;
    if (at == std::string::npos ||
        std::sscanf(c.log.c_str() + at + 1 + c.shape.size(), "%ld %ld", &tests, &hits) != 2) {
        return 0;
    }
    return hits;
}

bool Accepted(const RenderCase& c) {
    return c.status == 0 && c.log.find("POV-Ray finished") != std::string::npos &&
           c.log.find("Warning:") == std::string::npos &&
           c.log.find("Error") == std::string::npos && (c.shape.empty() || Hits(c) > 0);
}

TEST(PovRayAcceptanceTest, EveryWrittenFileParsesAndRendersCleanly) {
    ASSERT_EQ(std::system("command -v povray > /dev/null"), 0) << "povray is not installed";
    TempDir dir;
    int savedKind = shapeKind;
    std::vector<RenderCase> cases = WriteCases(dir);
    const size_t plain = cases.size();
    for (RenderCase& c : WriteProfileCases(dir)) {
        cases.push_back(c);
    }
    shapeKind = savedKind;
    ASSERT_GE(plain, 60u);
    ASSERT_EQ(cases.size() - plain, 30u);

    // Two renders at a time: POV-Ray spends most of each run starting up.
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < cases.size(); i = next++) {
            Render(dir, cases[i]);
        }
    };
    std::thread first(worker);
    std::thread second(worker);
    first.join();
    second.join();

    for (const RenderCase& c : cases) {
        EXPECT_TRUE(Accepted(c)) << c.description << " (exit status " << c.status << ")\n"
                                 << "--- file ---\n"
                                 << c.drawingText << "--- POV-Ray ---\n"
                                 << c.log;
    }
}

}  // namespace
