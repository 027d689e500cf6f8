#include <gtest/gtest.h>

#include <string>

#include "interchange/PovSceneImport.h"
#include "tests/interchange/OutlineText.h"

// Modifiers that keep an object's plane are applied to its points, in order, its wrappers'
// after its own; others are dropped with a note, and a polygon off z = 0 is put into it.
namespace {

const char* const Corners = "0, 1, 5, <0,0>, <1,0>, <1,1>, <0,1>, <0,0>";

std::string Square(const std::string& modifiers) {
    return std::string("prism { ") + Corners + " " + modifiers + " }";
}

TEST(ObjectPlacement, ModifiersThatKeepThePlaneAreApplied) {
    const struct {
        std::string scene;
        const char* sets;  // empty: refused, note holding the reason
        double start, end;
        const char* note;
    } cases[] = {
        {Square(""), "0,0 1,0 1,1 0,1", 0, 1, ""},
        {Square("scale <2,1,3>"), "0,0 2,0 2,3 0,3", 0, 1, "(scale ...) are applied"},
        {Square("scale 2"), "0,0 2,0 2,2 0,2", 0, 2, ""},
        {Square("scale <1,0,1>"), "0,0 1,0 1,1 0,1", 0, 1, ""},  // a 0 scales by 1
        {Square("translate <1,2,-1>"), "1,-1 2,-1 2,0 1,0", 2, 3, ""},
        // Turning x toward -z, as the ray tracer turns about y.
        {Square("rotate <0,90,0>"), "0,0 0,-1 1,-1 1,0", 0, 1, ""},
        {Square("rotate y*90 translate x"), "1,0 1,-1 2,-1 2,0", 0, 1, ""},
        {Square("matrix <1,0,0, 0,1,0, 0,0,1, 3,0,0>"), "3,0 4,0 4,1 3,1", 0, 1, ""},
        {"object { union { " + Square("translate x") + " sphere { 0, 1 } scale 2 } rotate y*180 }",
         "-2,0 -4,0 -4,-2 -2,-2", 0, 2, ""},
        // A declared object takes the modifiers of the first place it is put in.
        {"#declare P = " + Square("") + "\nobject { P translate x }\nobject { P scale 3 }",
         "1,0 2,0 2,1 1,1", 0, 1, ""},
        {"union { #declare P = " + Square("") + " object { P } translate x }", "1,0 2,0 2,1 1,1", 0,
         1, ""},
        {Square("rotate x*90 scale 2"), "0,0 1,0 1,1 0,1", 0, 1, "(rotate ...) are not imported"},
        {Square("scale Unknown"), "0,0 1,0 1,1 0,1", 0, 1, "(scale ...) are not imported"},
        {Square("transform { scale 2 }"), "0,0 1,0 1,1 0,1", 0, 1, "(transform ...) are not"},
        {"union { " + Square("") + " rotate <0,0,10> }", "0,0 1,0 1,1 0,1", 0, 1, "(rotate"},
        {"prism { conic_sweep 1, 2, 4, <0,0>, <1,0>, <0,1>, <0,0> scale 2 }", "0,0 1,0 0,1", 2, 4,
         ""},
        {"prism { conic_sweep 1, 2, 4, <0,0>, <1,0>, <0,1>, <0,0> translate x }", "0,0 1,0 0,1", 1,
         2, "(translate ...) are not"},
        {"lathe { 3, <1,0>, <2,1>, <1,2> scale 2 translate y rotate y*30 }", "2,1 4,3 2,5", 0, 0,
         ""},
        {"sor { 4, <1,0>, <2,1>, <1,2>, <1,3> scale <2,1,2> }", "1,0 2,1 1,2 1,3", 0, 0,
         "(scale ...) are not"},
        {"polygon { 4, <0,0,1>, <1,0,1>, <0,1,1>, <0,0,1> }", "0,0 1,0 0,1", 0, 0,
         "translate <0, 0, 1> gives the original back"},
        {"polygon { 4, <0,0>, <1,0>, <0,1>, <0,0> rotate x*90 translate y }", "0,0 1,0 0,1", 0, 0,
         "matrix <1, 0, 0, 0, 0, 1, 0, -1, 0, 0, 1, 0> gives"},
        {"polygon { 4, <0,0,0>, <1,0,0>, <0,1,1>, <0,0,0> scale <2,1,1> }", "0,0 2,0 0,1.41421", 0,
         0, "matrix <"},
        {Square("scale 1e200 scale 1e200"), "", 0, 0, "beyond the numbers a file can hold"},
        {"polygon { 5, <0,0,0>, <1,0,0>, <0,1,1>, <1,1,0>, <0,0,0> }", "", 0, 0,
         "line 1: the polygon's points do not lie in one plane"},
    };
    for (const auto& c : cases) {
        Outline outline;
        ImportReport report;
        const bool read =
            TakeSceneObject(c.scene, EvaluatePovScene(c.scene, ""), {}, outline, report);
        std::string notes = report.error;
        for (const std::string& note : report.notes) {
            notes += note + "\n";
        }
        EXPECT_NE(notes.find(c.note), std::string::npos) << c.scene << "\n" << notes;
        ASSERT_EQ(read, *c.sets != '\0') << c.scene << "\n" << notes;
        if (read) {
            EXPECT_EQ(DescribeSets(outline), c.sets) << c.scene;
            if (outline.kind == ::Prism) {
                EXPECT_DOUBLE_EQ(outline.prism.start, c.start) << c.scene;
                EXPECT_DOUBLE_EQ(outline.prism.end, c.end) << c.scene;
            }
        }
    }
}

// A name declared inside a macro that is never invoked is refused naming the macro and the
// parameters its values need.
TEST(ObjectPlacement, ANameDeclaredInAMacroNeverInvokedIsRefused) {
    const std::string scene =
        "#macro Part(W) #declare Plate = prism { 0, 1, 4, <0,0>, <W,0>, <0,1>, <0,0> } #end\n";
    Outline outline;
    ImportReport report;
    EXPECT_FALSE(
        TakeSceneObject(scene, EvaluatePovScene(scene, ""), {0, "Plate"}, outline, report));
    EXPECT_EQ(report.error,
              "line 1: the prism is inside the macro Part, which the scene never invokes; its "
              "values need the macro's parameters W");
}

}  // namespace
