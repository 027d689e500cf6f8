#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include "tests/scenefile/SceneFileTestSupport.h"
#include "tests/tools/ToolRun.h"

// vexlin-tool import and export-svg as a user runs them: exit codes, notes and files.
namespace {

ToolRun Tool(const TempDir& dir, const std::string& arguments) {
    return ToolRun::InProcess(dir.Path(), Words(arguments));
}

std::string Svg(const std::string& body) {
    return "<svg xmlns='http://www.w3.org/2000/svg'>" + body + "</svg>";
}

// The largest distance of a point from the centre, in model units, from info --points.
double Extent(const std::string& info) {
    std::istringstream lines(info);
    std::string line;
    double largest = 0;
    while (std::getline(lines, line)) {
        double x = 0;
        double y = 0;
        int index = 0;
        if (std::sscanf(line.c_str(), "%d %lf %lf", &index, &x, &y) == 3) {
            largest = std::max({largest, std::fabs(x), std::fabs(y)});
        }
    }
    return largest;
}

TEST(InterchangeCommandsTest, ImportAndExportFromTheCommandLine) {
    TempDir dir;
    std::string many;
    for (int i = 0; i < 100; ++i) {
        many += "<rect x='" + std::to_string(i * 3) + "' width='2' height='2'/>";
    }
    std::string fine = "<polygon points='";
    for (int i = 0; i < 600; ++i) {
        double angle = i * 2 * 3.14159265358979 / 600;
        fine += std::to_string(100 * std::cos(angle)) + "," +
                std::to_string(100 * std::sin(angle) * (1 + 0.2 * std::sin(9 * angle))) + " ";
    }
    PutFile(dir.File("many.svg"), Svg(many));
    PutFile(dir.File("fine.svg"), Svg(fine + "'/>"));
    PutFile(dir.File("ring.svg"), Svg("<circle cx='1500' cy='900' r='600'/>"));
    PutFile(dir.File("computed.pov"), "#declare R = 2;\nprism { 0, 1, 4\n <0,0> <R,0> }");
    PutFile(dir.File("two.pov"),
            "prism{0,1,4 <0,0><1,0><0,1><0,0>} polygon{4 <5,5><6,5><5,6><5,5>}");
    // A cubic prism the reader takes whose preview curves overflow.
    PutFile(dir.File("huge.prm"),
            CrLf({"#declare Thing=prism{", "cubic_spline", "0,1,6", "<0,0> //___control___ ",
                  "<2e306,0>", "<-2e306,1e306>", "<0,-2e306>", "<2e306,0>", "}"}));
    // Lathes and surfaces of revolution as people write them: comments, several points a line,
    // keywords in any order, "open" and "sturm" anywhere.
    PutFile(dir.File("vase.pov"),
            "// a vase\n#declare Vase = lathe { sturm quadratic_spline\n"
            "  6, <0.3,-1.2> <0.2,-1> <0.8,-0.6>, /* belly */ <0.5,0.4>\n"
            "  <0.3,0.8> <0.45,1.1> pigment { rgb 1 } }\n"
            "#declare Cup = sor { 5, <0,-0.2> <0.6,0> <0.8,0.6> <0.9,1.2>, <1,1.4> open }\n");
    struct Case {
        const char* arguments;
        int status;
        const char* out;
        const char* err;
    } cases[] = {
        {"import vase.pov vase --name Vase", 0, "vase.lat", "modifiers (pigment ...)"},
        {"info vase.lat", 0, "kind: lathe\nspline: quadratic", ""},
        {"render vase.lat vase.png --picture povray", 0, "vase.png", ""},
        {"import vase.pov cup --name Cup --fit", 0, "cup.sor", ""},
        {"info cup.sor", 0, "kind: sor\nspline: linear\nsweep: linear\nstart: 0\nend: 0.5\nopen: 1",
         ""},
        {"render cup.sor cup.png --picture povray", 0, "cup.png", ""},
        {"export-svg vase.lat vase.svg", 0, "vase.svg", ""},
        {"import", 64, "", "vexlin-tool import: IN: missing"},
        {"import two.pov", 64, "", "vexlin-tool import: OUT: missing"},
        {"import two.pov out.prm --name", 64, "", "--name: needs a value"},
        {"import two.pov out.prm --bogus", 64, "", "--bogus: unknown option"},
        {"import none.svg out.prm", 1, "", "none.svg: Unable to open file."},
        {"import . out.prm", 1, "", ".: Unable to open file. (not a regular file)"},
        {"import many.svg out.prm", 66, "", "The outline has 100 sets; a drawing holds at most 99"},
        {"import computed.pov out.prm", 66, "", "line 3: the count says 4 points, but only 2"},
        {"import two.pov two", 0, "two.prm", ""},
        {"info two.prm", 0, "kind: prism\nspline: linear", ""},
        {"import two.pov two --name X", 66, "", "No prism, polygon, lathe or sor is declared as X"},
        {"import fine.svg fine.prm", 0, "fine.prm", "simplified to 500 entries"},
        {"info fine.prm", 0, "points: 500\nsets: 1", ""},
        {"import ring.svg ring.prm --sweep conic --end 2", 0, "ring.prm", ""},
        {"info ring.prm", 0, "spline: bezier\nsweep: conic\nstart: 0\nend: 2", ""},
        // A polygon has straight sides only: the circle's curves are flattened.
        {"import ring.svg ring.pol", 0, "ring.pol", "Curves were made into straight segments"},
        {"export-svg ring.prm ring.svg", 0, "ring.svg", ""},
        {"export-svg none.prm ring.svg", 1, "", "none.prm: Unable to open file."},
        {"export-svg ring.prm .", 6, "", ".: Unable to save file: Is a directory"},
        {"export-svg huge.prm huge.svg", 66, "", "huge.prm: The drawing reaches too far"},
        {"export-svg ring.prm", 64, "", "vexlin-tool export-svg: OUT.svg: missing"},
        // An output naming the input would destroy what is read.
        {"export-svg ring.prm ./ring.prm", 64, "", "would replace the drawing it shows"},
        {"import ring.svg ./ring.svg", 64, "", "would replace the file it is imported from"},
        {"import two.prm two", 64, "", "would replace the file it is imported from"},
        {"info ring.prm", 0, "spline: bezier\nsweep: conic", ""},
        {"info two.prm", 0, "kind: prism\nspline: linear", ""},
        {"--help", 0, "export-svg IN OUT.svg", ""},
    };
    for (const Case& c : cases) {
        ToolRun run = Tool(dir, c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << c.arguments << "\n" << run.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << c.arguments << "\n" << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("huge.svg")));
    // A lathe's profile is an open line of POV-Ray's curve, its four segments beziers.
    const std::string vase = FileText(dir.File("vase.svg"));
    EXPECT_EQ(vase.find("#fa6423"), std::string::npos) << vase;
    EXPECT_NE(vase.find("fill=\"none\""), std::string::npos) << vase;
    EXPECT_EQ(std::count(vase.begin(), vase.end(), 'C'), 4) << vase;
    EXPECT_GT(Extent(Tool(dir, "info ring.pol --points").out), 500);
    EXPECT_NE(FileText(dir.File("ring.svg")).find("<path fill="), std::string::npos);
    ASSERT_EQ(Tool(dir, "import ring.svg fit.prm --fit").status, 0);
    EXPECT_DOUBLE_EQ(Extent(Tool(dir, "info fit.prm --points").out), 142.49999999999997);
}

}  // namespace

namespace {

// Every object a scene creates is listed and reachable by number, by name or all at once.
TEST(InterchangeCommandsTest, ImportReachesEveryObjectOfAScene) {
    TempDir dir;
    PutFile(dir.File("loops.pov"),
            "#include \"colors.inc\"\n#macro Tri(S) polygon { 4, <0,0>, <S,0>, <0,S>, <0,0> } "
            "#end\n#declare Pair = union { Tri(1) Tri(2) }\n"
            "#for (I, 1, 2) prism { 0, I, 4, <0,0>, <I,0>, <0,1>, <0,0> } #end\n"
            "lathe { 3, <0,0>, <1,1>, <0,2> }\n");
    PutFile(dir.File("unused.pov"), "#macro M(W) sor { 3, <0,0>, <W,1>, <0,2> } #end\n");
    const struct {
        const char* arguments;
        int status;
        const char* out;
        const char* err;
    } cases[] = {
        {"import loops.pov --list", 0,
         "1  polygon  linear  -  3 points  1 sets  line 2  Pair > union\n"
         "2  polygon  linear  -  3 points  1 sets  line 2  Pair > union\n"
         "3  prism  linear  linear  3 points  1 sets  line 4\n",
         "not beside the scene): colors.inc;"},
        {"import loops.pov first", 0, "first.pol",
         "the scene creates 5 objects; the first is imported"},
        {"import loops.pov third --object 4", 0, "third.prm", ""},
        {"info third.prm", 0, "end: 2", ""},
        {"import loops.pov pair --name Pair", 0, "pair.pol", "its first member, object 1"},
        {"import loops.pov all.prm --all", 0,
         "all-1.pol\nall-2.pol\nall-3.prm\nall-4.prm\nall-5.lat", ""},
        {"info all-2.pol --points", 0, "\n1 150 -0 ", ""},
        {"import loops.pov none --object 6", 66, "", "There is no object 6"},
        {"import loops.pov none --object x", 64, "", "--object x: not a whole number from 1"},
        {"import unused.pov none", 66, "",
         "line 1: the sor is inside the macro M, which the scene never invokes; its values need "
         "the macro's parameters W"},
        {"import unused.pov --list", 0, "-  sor  (refused: line 1: the sor is inside the macro M",
         ""},
    };
    for (const auto& c : cases) {
        ToolRun run = Tool(dir, c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << c.arguments << "\n" << run.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << c.arguments << "\n" << run.err;
    }
}

}  // namespace
