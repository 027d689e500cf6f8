#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "interchange/PovImport.h"
#include "interchange/PovSceneImport.h"
#include "scenefile/SceneKind.h"
#include "tests/interchange/OutlineText.h"
#include "tests/scenefile/SceneFileTestSupport.h"
#include "tests/support/TestRandom.h"

// Every prism, polygon, lathe and sor a scene creates is reached, in the order the ray tracer
// creates them, wherever it stands.
namespace {

const std::string Corpus = VEXLIN_SOURCE_DIR "/tests/data/sdl/";

EvaluatedScene Evaluated(const std::string& file) {
    return EvaluatePovScene(FileText(Corpus + file), Corpus);
}

TEST(SdlObjectsTest, EveryObjectIsReachedInTheRayTracersOrder) {
    const EvaluatedScene scene = Evaluated("objects.pov");
    ASSERT_EQ(scene.error, "");
    std::string listed;
    for (const EvaluatedScene::Object& object : scene.objects) {
        listed += object.kind + " " + std::to_string(object.line) + " " + object.Place() + " " +
                  std::to_string(object.Points()) + ";";
    }
    EXPECT_EQ(listed,
              "prism 2 Slot 4;prism 8 Gear > union > object 3;prism 8 Gear > union > object 3;"
              "prism 8 Gear > union > object 3;sor 22  3;polygon 25  3;");
    // Each invocation computes its own points: the third tooth is the tallest.
    EXPECT_EQ(scene.objects[3].outline.prism.end, 3);
    EXPECT_EQ(scene.objects[3].outline.sets[0].points[1].y, -3 * 75);
    ASSERT_EQ(scene.unreached.size(), 1u);
    EXPECT_EQ(scene.unreached[0].Message(),
              "line 13: the lathe is inside the macro Spare, which the scene never invokes; its "
              "values need the macro's parameters Height");
    ASSERT_EQ(scene.notes.size(), 1u);
    EXPECT_NE(scene.notes[0].find("not beside the scene): colors.inc;"), std::string::npos);
    // An object whose values make no outline is kept with the reason; the scene goes on.
    const EvaluatedScene refused =
        EvaluatePovScene("prism { 0, 1, 4, <0,0>, <1,0> }\npolygon { 3, <0,0>, <1,0>, <0,1> }", "");
    ASSERT_EQ(refused.objects.size(), 2u);
    EXPECT_EQ(refused.objects[0].error, "line 1: the count says 4 points, but only 2 are listed");
    EXPECT_EQ(refused.objects[1].Listing(2), "2  polygon  linear  -  3 points  1 sets  line 2");
}

TEST(SdlObjectsTest, ObjectsArePickedByNumberOrName) {
    const std::string text = FileText(Corpus + "objects.pov");
    const EvaluatedScene scene = Evaluated("objects.pov");
    const struct {
        int number;
        const char* name;
        const char* kind;  // or the start of the refusal
        const char* note;
    } cases[] = {
        {0, "", "prism", ""},
        {6, "", "polygon", ""},
        {0, "Gear", "prism", "Gear is a group of objects: its first member, object 2"},
        {0, "Slot", "prism", ""},
        {7, "", "There is no object 7: the scene creates 6", ""},
        {0, "Teeth", "line 6: Teeth is declared, but not as a prism", ""},
        {0, "Spare", "No prism, polygon, lathe or sor is declared as Spare", ""},
    };
    for (const auto& c : cases) {
        Outline outline;
        ImportReport report;
        const bool read = TakeSceneObject(text, scene, {c.number, c.name}, outline, report);
        EXPECT_EQ(read ? std::string(c.kind) : report.error.substr(0, std::strlen(c.kind)), c.kind)
            << c.number << c.name << report.error;
        if (read) {
            EXPECT_EQ(outline.kind, KindNamed(c.kind)) << c.number << c.name;
        }
        std::string notes;
        for (const std::string& note : report.notes) {
            notes += note + "\n";
        }
        EXPECT_NE(notes.find(c.note), std::string::npos) << notes;
    }
    // A scene whose only object is in a macro never invoked is refused with what it needs; one
    // the evaluator cannot follow still gives the objects written with plain numbers.
    const struct {
        const char* text;
        const char* error;
        int points;
    } scenes[] = {
        {"#macro M(W, H)\n prism { 0, H, 3, <0, 0>, <W, 0>, <0, 1> }\n#end",
         "line 2: the prism is inside the macro M, which the scene never invokes; its values "
         "need the macro's parameters H, W",
         0},
        {"polygon { 4, <0,0>, <1,0>, <0,1>, <0,0> } #declare S = sphere { 0, 1 } #undef", "", 3},
        {"#declare F = 1;\npolygon { 3, <0,0>, <1,F(2)>, <0,1> }\n",
         "line 2: '>' expected, not '('", 0},
        {"#declare F = 1;\n#declare G = F(2);\npolygon { 4, <0,0>, <1,0>, <0,1>, <0,0> }", "", 3},
    };
    for (const auto& c : scenes) {
        Outline outline;
        ImportReport report;
        const bool read =
            TakeSceneObject(c.text, EvaluatePovScene(c.text, ""), {}, outline, report);
        EXPECT_EQ(report.error.rfind(c.error, 0), 0u) << c.text << "\n" << report.error;
        EXPECT_EQ(read ? static_cast<int>(outline.sets[0].points.size()) : 0, c.points);
    }
}

// An object of plain numbers, as people write them, with sets that return to their first point
// or not, the count right or too large, and modifiers.
std::string LiteralObject(TestRandom& random) {
    static const char* const kinds[] = {"prism", "polygon", "lathe", "sor"};
    static const char* const splines[] = {"", "linear_spline ", "quadratic_spline ",
                                          "cubic_spline ", "bezier_spline "};
    const std::string kind = kinds[random.Below(4)];
    std::string points;
    int count = 0;
    for (int set = random.Between(1, 3); set > 0; --set) {
        const std::string first = Printed("<%d, %d>", random.Between(-9, 9), random.Between(-9, 9));
        points += first + ", ";
        for (int k = random.Between(2, 6); k > 0; --k, ++count) {
            points += Printed("<%d,%d> ", random.Between(-9, 9), random.Between(0, 9));
        }
        points += random.Below(4) > 0 ? first + ",\n" : "";
        count += 1 + (random.Below(4) > 0 ? 1 : 0);
    }
    count += random.Below(8) == 0 ? 1 : 0;
    const bool heights = kind == "prism";
    return kind + " { " + (kind == "polygon" || kind == "sor" ? "" : splines[random.Below(5)]) +
           (heights ? "-1, 2.5, " : "") + std::to_string(count) + ",\n" + points +
           (random.Below(2) > 0 ? " open pigment { rgb 1 } " : "") + "}\n";
}

// What the importer made of plain numbers before it evaluated scenes, it still makes.
TEST(SdlObjectsTest, ObjectsOfPlainNumbersImportAsTheyDidBefore) {
    TestRandom random(32);
    for (int round = 0; round < 300; ++round) {
        const std::string text = "#declare Other = sphere { 0, 1 }\n" + LiteralObject(random);
        Outline literal;
        ImportReport literalReport;
        const bool read = ImportPovScene(text, nullptr, literal, literalReport);
        Outline evaluated;
        ImportReport report;
        EXPECT_EQ(TakeSceneObject(text, EvaluatePovScene(text, ""), {}, evaluated, report), read)
            << text;
        EXPECT_EQ(report.error, literalReport.error) << text;
        EXPECT_EQ(report.notes, literalReport.notes) << text;
        if (read) {
            EXPECT_EQ(DescribeSets(evaluated), DescribeSets(literal)) << text;
            EXPECT_EQ(evaluated.kind, literal.kind);
            EXPECT_TRUE(evaluated.prism == literal.prism) << text;
        }
    }
}

// The values the importer computes are those POV-Ray computes: the corpus scene #debugs them
// and both outputs must hold the same text.
TEST(SdlPovrayTest, EvaluatesAsPovrayDoes) {
    ASSERT_EQ(std::system("command -v povray > /dev/null"), 0) << "povray is not installed";
    TempDir dir;
    const std::string command = "cd '" + Corpus + "' && povray -D -F +W8 +H8 +Ivalues.pov 2> '" +
                                dir.File("povray.txt") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string povray = FileText(dir.File("povray.txt"));
    const EvaluatedScene scene = Evaluated("values.pov");
    ASSERT_EQ(scene.error, "");
    ASSERT_GT(scene.debug.size(), 100u);
    EXPECT_NE(povray.find(scene.debug), std::string::npos) << scene.debug << "\n" << povray;
}

}  // namespace
