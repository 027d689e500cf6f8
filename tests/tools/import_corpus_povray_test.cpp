#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "scenefile/SceneKind.h"
#include "tests/scenefile/SceneFileTestSupport.h"
#include "tests/tools/ToolRun.h"

// Every object of a small corpus of computed scenes, imported one by one, renders in POV-Ray
// as the scene itself renders: the same silhouette, under one orthographic camera, within an
// intersection over union of 0.98.
namespace {

const std::string Corpus = VEXLIN_SOURCE_DIR "/tests/data/import/";

// A camera 10 units wide looking along an axis, or at the slice of the objects about z = 0.
enum class View { Top, Front, Section };

struct Render {
    std::string scene;  // the file's name, without the folder
    std::string objects;
    View view;
    double iou;
};

std::string SceneText(const std::string& objects, View view) {
    const char* camera =
        view == View::Top
            ? "camera { orthographic location <0, 100, 0> sky z look_at 0 right 10 * x up 10 * z }"
            : "camera { orthographic location <0, 0, -100> look_at 0 right 10 * x up 10 * y }";
    const std::string all = "union { " + objects + " sphere { <0, 0, -1000>, 0.001 } }\n";
    return std::string("#version 3.7;\nbackground { rgb 0 }\n") + camera +
           "\n#default { pigment { rgb 1 } finish { ambient 1 diffuse 0 } }\n" +
           (view == View::Section
                ? "intersection { " + all + " box { <-9, -9, -0.01>, <9, 9, 0.01> } }\n"
                : all);
}

// The object's picture: 200 x 200, without anti-aliasing; empty when POV-Ray fails.
QImage Rendered(const std::string& dir, const std::string& name, const std::string& text) {
    std::ofstream(dir + "/" + name + ".pov") << text;
    const std::string command = "cd '" + dir + "' && povray -D -A +FP +W200 +H200 '+L" + Corpus +
                                "' +I" + name + ".pov +O" + name + ".ppm > " + name + ".log 2>&1";
    return std::system(command.c_str()) == 0
               ? QImage(QString::fromStdString(dir + "/" + name + ".ppm"))
               : QImage();
}

double Iou(const QImage& a, const QImage& b) {
    if (a.isNull() || a.size() != b.size()) {
        return 0;
    }
    int both = 0;
    int either = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const bool inA = qGray(a.pixel(x, y)) > 64;
            const bool inB = qGray(b.pixel(x, y)) > 64;
            both += inA && inB ? 1 : 0;
            either += inA || inB ? 1 : 0;
        }
    }
    return either < 100 ? 0 : static_cast<double>(both) / either;
}

// Imports every object of the scene, each as a drawing of its own, and gives the objects to
// render: each imported drawing with the modifier its import note says gives the original back.
std::string ImportedObjects(const std::string& dir, const std::string& scene) {
    const ToolRun listed = ToolRun::InProcess(dir, {"import", Corpus + scene, "--list"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    static const std::regex line(R"(^(\d+)  (\w+) )");
    static const std::regex back(R"(; ((matrix|translate) <[^>]*>) gives the original back)");
    std::string objects;
    std::istringstream lines(listed.out);
    std::string text;
    std::smatch match;
    while (std::getline(lines, text)) {
        if (!std::regex_search(text, match, line)) {
            continue;
        }
        const std::string number = match[1];
        const ShapeKind kind = static_cast<ShapeKind>(KindNamed(match[2].str().c_str()));
        const std::string out = scene + "-" + number + SceneKindOf(kind).extension;
        const ToolRun run =
            ToolRun::InProcess(dir, {"import", Corpus + scene, out, "--object", number});
        EXPECT_EQ(run.status, 0) << scene << " " << number << run.err;
        std::smatch given;
        const std::string modifier =
            std::regex_search(run.err, given, back) ? given[1].str() : std::string();
        objects += "#include \"" + out + "\" object { Thing " + modifier + " }\n";
    }
    return objects;
}

TEST(ImportCorpusPovray, EveryObjectRendersAsTheScene) {
    ASSERT_EQ(std::system("command -v povray > /dev/null"), 0) << "povray is not installed";
    TempDir dir;
    const struct {
        const char* scene;
        std::vector<View> views;
    } corpus[] = {
        {"star.pov", {View::Top}},
        {"teeth.pov", {View::Top}},
        {"cubic.pov", {View::Top}},
        {"vase.pov", {View::Front, View::Section}},
        {"bowl.pov", {View::Front, View::Section}},
        {"plates.pov", {View::Front}},
    };
    std::vector<Render> renders;
    for (const auto& c : corpus) {
        const std::string imported = ImportedObjects(dir.Path(), c.scene);
        for (View view : c.views) {
            renders.push_back({c.scene, imported, view, 0});
        }
    }
    // Two renders at a time: POV-Ray spends much of each run starting up.
    std::vector<std::thread> workers;
    for (size_t first = 0; first < 2; ++first) {
        workers.emplace_back([&, first] {
            for (size_t i = first; i < renders.size(); i += 2) {
                Render& r = renders[i];
                const std::string name = "r" + std::to_string(i);
                r.iou = Iou(Rendered(dir.Path(), name + "a",
                                     SceneText("#include \"" + r.scene + "\"\n", r.view)),
                            Rendered(dir.Path(), name + "b", SceneText(r.objects, r.view)));
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    for (const Render& r : renders) {
        EXPECT_GE(r.iou, 0.98) << r.scene << " view " << static_cast<int>(r.view) << "\n"
                               << r.objects;
    }
}

}  // namespace
