#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>

#include "interchange/PastedDrawing.h"
#include "interchange/PovSceneImport.h"
#include "model/KCanvasPane.h"
#include "scenefile/SceneWriting.h"

// A cubic prism's own closing control points and a cubic lathe's own end slope point survive
// an import: the drawing writes back the point list the scene gave.
namespace {

// The vectors of the text from `from` on, as the numbers they read as.
std::string Vectors(const std::string& text, size_t from = 0) {
    static const std::regex vector(R"(<\s*([-+0-9.eE]+)\s*,\s*([-+0-9.eE]+)\s*>)");
    std::string listed;
    for (auto it = std::sregex_iterator(text.begin() + static_cast<long>(from), text.end(), vector);
         it != std::sregex_iterator(); ++it) {
        listed += Printed("%g,%g ", std::strtod((*it)[1].str().c_str(), nullptr),
                          std::strtod((*it)[2].str().c_str(), nullptr));
    }
    return listed;
}

TEST(ImportedTrailingControl, WrittenBackAsTheSceneGaveIt) {
    const struct {
        const char* scene;
        const char* listed;  // the object's point list as the scene gives it
    } cases[] = {
        {"prism { cubic_spline 0, 1, 6, <-1,0>, <0,0>, <2,0>, <1,2>, <0,0>, <1,-1> }",
         "-1,0 0,0 2,0 1,2 0,0 1,-1 "},
        // The second set's closing control is the one the writer works out; the first's is not.
        {"prism { cubic_spline 0, 1, 12, <-1,0>, <0,0>, <2,0>, <1,2>, <0,0>, <0.25,0.5>,\n"
         "<4,3>, <5,4>, <6,4>, <6,5>, <5,4>, <1,1> }",
         "-1,0 0,0 2,0 1,2 0,0 0.25,0.5 4,3 5,4 6,4 6,5 5,4 1,1 "},
        {"lathe { cubic_spline 5, <0,0>, <1,0>, <1.5,1>, <1,2>, <0.5,3> }",
         "0,0 1,0 1.5,1 1,2 0.5,3 "},
        {"lathe { cubic_spline 6, <0.5,-1>, <1,0>, <2,1>, <1,2>, <1,0>, <3,3> }",
         "0.5,-1 1,0 2,1 1,2 1,0 3,3 "},
        // Computed by a macro and a loop, inside a union.
        {"#macro Blade(N) prism { cubic_spline 0, 1, N + 3, <0,-1>,\n"
         "#for (I, 1, N) <I, mod(I, 2) * sqrt(I)>, #end\n"
         "<1, 1>, <2 * N, -N> } #end\nunion { Blade(4) sphere { 0, 1 } }",
         "0,-1 1,1 2,0 3,1.73205 4,0 1,1 8,-4 "},
    };
    for (const auto& c : cases) {
        const EvaluatedScene scene = EvaluatePovScene(c.scene, "");
        Outline outline;
        ImportReport report;
        const bool read = TakeSceneObject(c.scene, scene, {}, outline, report);
        PastedDrawing imported;
        std::string why;
        ASSERT_TRUE(imported.Imported(outline, report, read, why)) << c.scene << why;
        const KindChoice kind = KindChoice::Of(static_cast<ShapeKind>(imported.kind));
        const std::string written = ComposeSceneFile(imported.sets, "own", kind).text;
        const std::string keyword = imported.kind == Lathe ? "lathe{" : "prism{";
        EXPECT_EQ(Vectors(written, written.find(keyword)), c.listed) << written;
        // Added to a drawing, as the editor's import and paste add it.
        KCanvasPane canvas(nullptr);
        ASSERT_TRUE(imported.AddTo(canvas, why)) << why;
        canvas.SetPrismValues(PrismValues::Of(imported.sets));
        EXPECT_EQ(ComposeSceneFile(canvas.Model(), "own", kind).text, written);
        // Pasted as text, which is read as written, without evaluation.
        PastedDrawing pasted;
        if (pasted.Read(c.scene, Prism, LinearSpline, true, why)) {
            EXPECT_EQ(ComposeSceneFile(pasted.sets, "own", kind).text, written) << c.scene;
        }
    }
}

}  // namespace
