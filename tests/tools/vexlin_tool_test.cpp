#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/tools/ToolRun.h"

// vexlin-tool as a user runs it: its output and its exit code, in the test's own process; the
// program itself once, to show that it is the library.
namespace {

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

class VexlinToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vexlin-tool-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string File(const std::string& name) const { return dir + "/" + name; }

    void Put(const std::string& name, const std::string& text) {
        std::ofstream(File(name), std::ios::binary) << text;
    }

    ToolRun Run(const std::vector<std::string>& args) { return ToolRun::InProcess(dir, args); }

    // The installed program, with standard output sent where `out` says.
    ToolRun RunProgram(const std::vector<std::string>& args, const std::string& out = "tool.out") {
        std::string command = "cd " + Quoted(dir) + " && " VEXLIN_BINARY_DIR "/tools/vexlin-tool";
        for (const std::string& arg : args) {
            command += " " + Quoted(arg);
        }
        command += " > " + out + " 2> tool.err";
        int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(File("tool.out")),
                FileText(File("tool.err"))};
    }

    std::string dir;
};

const char* const QuadraticExample =
    "// one\r\n// two\r\n// three\r\n#declare Thing=prism{\r\nquadratic_spline\r\n"
    "conic_sweep\r\n0,0.5,10\r\n<1.5,0.5> //___control___ \r\n<1,1>\r\n<2,1>\r\n<1,2>\r\n"
    "<1,1>\r\n//_______SubSet^2 _________\r\n<-1.5,-0.5> //___control___\r\n<-1,-1>\r\n"
    "<-2,-1>\r\n<-1,-2>\r\n<-1,-1>\r\nopen\r\n}\r\n";

const char* const BezierTriangle =
    "#declare Thing=prism{\nbezier_spline\n0,0.5,12\n<1,1>\n<1.5,0.5>\n<2,0.5>\n<2,1>\n<2,1>\n"
    "<2,1.5>\n<1.5,2>\n<1,2>\n<1,2>\n<0.5,2>\n<0.5,1.5>\n<1,1>\n}\n";

const char* const Square = "#declare Thing=polygon{\n5\n<1,1>\n<-1,1>\n<-1,-1>\n<1,-1>\n<1,1>\n}\n";

// The program is the library: the same exit code and the same bytes as a run in this process.
TEST_F(VexlinToolTest, TheProgramRunsTheLibrary) {
    Put("square.pol", Square);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"convert", "square.pol", "out", "--kind", "prism"},
          std::vector<std::string>{"info", "square.pol", "--spline", "cubic"}}) {
        const ToolRun program = RunProgram(args);
        const ToolRun library = Run(args);
        EXPECT_EQ(program.status, library.status) << args[0];
        EXPECT_EQ(program.out, library.out) << args[0];
        EXPECT_EQ(program.err, library.err) << args[0];
    }
    EXPECT_EQ(RunProgram({"info", "out.prm"}).out.rfind("kind: prism\n", 0), 0u);
    // What cannot reach standard output is a failed save, never a success.
    const ToolRun full = RunProgram({"scene", "square.pol"}, "/dev/full");
    EXPECT_EQ(full.status, 6);
    EXPECT_EQ(full.err, "standard output: Unable to save file: No space left on device\n");
}

// Each refusal is one line naming the argument and the reason, then where the help is.
TEST_F(VexlinToolTest, RefusalsNameTheArgumentAndTheReason) {
    struct Case {
        std::vector<std::string> args;
        const char* refusal;
    } cases[] = {
        {{}, "vexlin-tool: COMMAND: missing"},
        {{"frobnicate"}, "vexlin-tool: frobnicate: unknown command"},
        {{"help", "frobnicate"}, "vexlin-tool: frobnicate: unknown command"},
        {{"info"}, "vexlin-tool info: FILE: missing"},
        {{"info", "a.pol", "b.pol"}, "vexlin-tool info: b.pol: one argument too many"},
        {{"info", "a.pol", "--bogus"}, "vexlin-tool info: --bogus: unknown option"},
        {{"convert", "a.pol"}, "vexlin-tool convert: OUT: missing"},
        {{"convert", "a.pol", "b.pol", "--kind", "cube"},
         "vexlin-tool convert: --kind cube: not one of polygon, prism, lathe, sor"},
        {{"convert", "a.pol", "b.pol", "--spline", "wobbly"},
         "vexlin-tool convert: --spline wobbly: not one of linear, quadratic, cubic, bezier"},
        {{"convert", "a.pol", "b.pol", "--start"}, "vexlin-tool convert: --start: needs a value"},
        {{"convert", "a.pol", "b.pol", "--start", "abc"},
         "vexlin-tool convert: --start abc: not a finite number"},
        {{"convert", "a.pol", "b.pol", "--open", "2"},
         "vexlin-tool convert: --open 2: not one of 0, 1"},
        {{"convert", "a.pol", "b.pol", "--remark1", "// two\nlines"},
         "vexlin-tool convert: --remark1 // two\\nlines: holds a line break"},
        {{"shape", "out.pol"},
         "vexlin-tool shape: --style: required: polygon, ranpoly, random or star"},
        {{"shape", "out.pol", "--style", "hexagon"},
         "vexlin-tool shape: --style hexagon: not one of polygon, ranpoly, random, star"},
        {{"shape", "out.pol", "--style", "star", "--points", "many"},
         "vexlin-tool shape: --points many: not a whole number"},
        {{"shape", "out.pol", "--style", "star", "--canvas", "300"},
         "vexlin-tool shape: --canvas 300: not WIDTHxHEIGHT with sides from 1 to 100000"},
        {{"shape", "out.pol", "--style", "star", "--seed", "-1"},
         "vexlin-tool shape: --seed -1: not a whole number from 0 to 4294967295"},
        {{"transform", "a.pol", "b.pol", "--scale", "1e40"},
         "vexlin-tool transform: --scale 1e40: too large for single precision"},
        {{"transform", "a.pol", "b.pol", "--scale", "0"},
         "vexlin-tool transform: --scale 0: a factor of 0 is refused"},
        {{"transform", "a.pol", "b.pol", "--scale", "1e-50"},
         "vexlin-tool transform: --scale 1e-50: too small for single precision"},
        {{"transform", "a.pol", "b.pol", "--rotate", "nan"},
         "vexlin-tool transform: --rotate nan: not a finite number"},
        {{"render", "a.pol", "b.png", "--size", "0x0"},
         "vexlin-tool render: --size 0x0: not WIDTHxHEIGHT with sides from 1 to 8192"},
        {{"render", "a.pol", "b.png", "--picture", "fancy"},
         "vexlin-tool render: --picture fancy: not one of normal, curves, set:K, povray"},
        {{"render", "a.pol", "b.JPG"},
         "vexlin-tool render: b.JPG: the picture is a PNG: name it .png"},
        {{"scene"}, "vexlin-tool scene: IN: missing"},
    };
    for (const Case& c : cases) {
        ToolRun run = Run(c.args);
        // The help named is that of the tool or command the refusal begins with.
        const std::string refusal = c.refusal;
        const std::string tool = refusal.substr(0, refusal.find(':'));
        EXPECT_EQ(run.status, 64) << ::testing::PrintToString(c.args);
        EXPECT_EQ(run.err, refusal + "\nTry '" + tool + " --help'.\n")
            << ::testing::PrintToString(c.args);
        EXPECT_EQ(run.out, "") << ::testing::PrintToString(c.args);
    }
}

// Every command has its part of the manual, the whole manual names the licence and the version.
TEST_F(VexlinToolTest, HelpOfEachCommandAndTheVersion) {
    for (const char* command :
         {"info", "convert", "shape", "transform", "scene", "render", "import", "export-svg"}) {
        ToolRun help = Run({"help", command});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind(std::string("usage: vexlin-tool ") + command + " ", 0), 0u)
            << help.out;
        const bool drawingOptions = help.out.find("[drawing options]") != std::string::npos;
        EXPECT_EQ(help.out.find("DRAWING OPTIONS") != std::string::npos, drawingOptions) << command;
        ToolRun asked = Run({command, "in.pol", "--help", "--bogus"});
        EXPECT_EQ(asked.status, 0) << command;
        EXPECT_EQ(asked.out, help.out) << command;
    }
    ToolRun version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "vexlin-tool " VEXLIN_VERSION "\n");
    ToolRun manual = Run({"--help"});
    EXPECT_EQ(manual.status, 0);
    for (const char* text : {"SYNOPSIS", "info FILE [--points]", "EXIT STATUS", "--remark3",
                             "MIT licence", "Vexlin " VEXLIN_VERSION, "EXAMPLES", "SEE ALSO"}) {
        EXPECT_NE(manual.out.find(text), std::string::npos) << text;
    }
}

TEST_F(VexlinToolTest, InfoPrintsTheDrawing) {
    Put("two.prm", QuadraticExample);
    ToolRun run = Run({"info", "two.prm"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "kind: prism\nspline: quadratic\nsweep: conic\nstart: 0\nend: 0.5\nopen: 1\n"
              "sturm: 0\npoints: 8\nsets: 2\nset-ends: 4 8\nremark1: // one\nremark2: // two\n"
              "remark3: // three\n");

    run = Run({"info", "--points", "two.prm"});
    EXPECT_NE(run.out.find("remark3: // three\n0 75 -75 112.5 -37.5 "), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\n7 -75 75 "), std::string::npos) << run.out;
}

// A failed read names the file and the line where reading stopped, and points at import when
// the file holds an object that import reads.
TEST_F(VexlinToolTest, ReadFailuresNameTheFileAndTheLine) {
    const std::string hint = "try: vexlin-tool import NAME OUT\n";
    struct Case {
        const char* name;
        const char* text;
        int status;
        std::string said;
    } cases[] = {
        {"missing.pol", nullptr, 1, ": Unable to open file. (No such file or directory)\n"},
        {"nobrace.pol", "//\nno\n", 2, ": line 2: { NOT found\n"},
        {"header.prm", "#declare Thing=prism{\n0,1\n}\n", 3, ": line 2: Prm Data BAD\n" + hint},
        {"body.pol", "#declare Thing=polygon  {\n1\n<x>\n}\n", 4,
         ": line 3: Error in body of data\n" + hint},
        {"huge.pol", "//\n#declare Thing=polygon{\n1\n<1e307,0>\n}\n", 4,
         ": line 4: Error in body of data\n" + hint},
        {"control.prm", "#declare Thing=prism{\ncubic_spline\n0,1,4\n<>\n}\n", 5,
         ": line 4: Spline/Sweep Not right\n" + hint},
        {"nothing.pol", "{\n1\n<x>\n// none here: a_polygon {, polygonal {, prisms {\n}\n", 4,
         ": line 3: Error in body of data\n"},
        // A scene on one line ends where the count should be: never an empty drawing.
        {"tri.pol", "polygon { 4, <0,0>, <1,0>, <0.5,1>, <0,0> }\n", 3,
         ": line 1: Prm Data BAD\n" + hint},
    };
    for (const Case& c : cases) {
        if (c.text != nullptr) {
            Put(c.name, c.text);
        }
        std::string said = c.name + c.said;
        if (said.find("NAME") != std::string::npos) {
            said.replace(said.find("NAME"), 4, c.name);
        }
        for (const char* command : {"info", "convert", "transform", "scene"}) {
            std::vector<std::string> args = {command, c.name};
            if (std::string(command) == "convert" || std::string(command) == "transform") {
                args.push_back("out.pol");
            }
            ToolRun run = Run(args);
            EXPECT_EQ(run.status, c.status) << command << " " << c.name;
            EXPECT_EQ(run.err, said) << command << " " << c.name;
            EXPECT_EQ(run.out, "") << command << " " << c.name;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(File("out.pol")));
}

TEST_F(VexlinToolTest, ConvertAppliesDrawingOptionsAndTheWritersRules) {
    Put("square.pol", Square);
    ToolRun run = Run({"convert",
                       "square.pol",
                       "out",
                       "--kind",
                       "prism",
                       "--spline",
                       "bezier",
                       "--sweep",
                       "conic",
                       "--start",
                       "-0.25",
                       "--end",
                       "2",
                       "--open",
                       "1",
                       "--sturm",
                       "1",
                       "--remark1",
                       "// made by a script",
                       "--remark3",
                       "// end"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "out.prm\n");
    ToolRun info = Run({"info", "out.prm"});
    EXPECT_EQ(info.out,
              "kind: prism\nspline: bezier\nsweep: conic\nstart: -0.25\nend: 2\nopen: 1\n"
              "sturm: 1\npoints: 5\nsets: 1\nset-ends: 5\nremark1: // made by a script\n"
              "remark2: //\nremark3: // end\n");

    // The name's own extension decides the kind; without --kind the kind read is kept.
    run = Run({"convert", "out.prm", "back.pol", "--kind", "prism"});
    EXPECT_EQ(run.out, "back.pol\n");
    EXPECT_EQ(run.err, "back.pol: note: saved as a polygon: its prism values are lost\n");
    EXPECT_NE(FileText(File("back.pol")).find("#declare Thing=polygon{"), std::string::npos);
    // A name without an extension gets one whatever its folders are called, at any length the
    // system takes.
    std::filesystem::create_directory(File("v1.2"));
    const std::string longName(200, 'n');
    const std::pair<std::string, std::string> named[] = {
        {"same", "same.prm"},
        {"v1.2/drawing", "v1.2/drawing.prm"},
        {longName, longName + ".prm"},
    };
    for (const auto& [name, written] : named) {
        run = Run({"convert", "out.prm", name});
        EXPECT_EQ(run.out, written + "\n") << run.err;
        EXPECT_TRUE(std::filesystem::exists(File(written))) << written;
    }

    // A failed save names the file and the reason; a link that another user made in a folder
    // that everybody may write is not followed.
    std::filesystem::create_directory(File("folder.pol"));
    std::filesystem::create_directory(File("shared"));
    std::filesystem::permissions(File("shared"), std::filesystem::perms(01777));
    Put("notes.txt", "notes");
    std::filesystem::create_symlink(File("notes.txt"), File("shared/drawing.pol"));
    const bool twoUsers =
        geteuid() == 0 && lchown(File("shared/drawing.pol").c_str(), 65533, 65533) == 0;
    const std::pair<const char*, const char*> unsaved[] = {
        {"missing/out.pol", "No such file or directory"},
        {"folder.pol", "Is a directory"},
        {"square.pol/out.pol", "Not a directory"},
        {"", "the name is empty"},
        {"shared/drawing.pol",
         twoUsers ? "the symbolic link shared/drawing.pol belongs to another user, in a folder "
                    "that everybody may write: it is not followed"
                  : nullptr},
    };
    for (const auto& [name, reason] : unsaved) {
        if (reason == nullptr) {
            continue;
        }
        run = Run({"convert", "square.pol", name});
        EXPECT_EQ(run.status, 6) << name;
        EXPECT_EQ(run.err, name + std::string(": Unable to save file: ") + reason + "\n");
        EXPECT_EQ(run.out, "") << name;
    }
    EXPECT_EQ(FileText(File("notes.txt")), "notes");
}

TEST_F(VexlinToolTest, ShapeMakesTheEditorsShapes) {
    ToolRun run = Run({"shape", "square", "--style", "polygon", "--points", "4"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "square.pol\n");
    std::string text = FileText(File("square.pol"));
    EXPECT_NE(text.find("\r\n5\r\n<0,1>\r\n<-1,"), std::string::npos) << text;

    // A larger canvas gives a larger radius; --into appends to a drawing.
    run = Run({"shape", "two.pol", "--into", "square.pol", "--style", "star", "--points", "5",
               "--function", "0.5", "--canvas", "600x400"});
    EXPECT_EQ(run.status, 0) << run.err;
    ToolRun info = Run({"info", "two.pol", "--points"});
    EXPECT_NE(info.out.find("points: 16\nsets: 2\nset-ends: 5 16\n"), std::string::npos)
        << info.out;
    EXPECT_NE(info.out.find("\n5 0 -99.9997"), std::string::npos) << info.out;
}

TEST_F(VexlinToolTest, ShapeValuesAreClampedAsTheDialogDoes) {
    struct Case {
        std::vector<std::string> given;
        std::vector<std::string> same;
    } cases[] = {
        {{"--points", "2"}, {"--points", "3"}},
        {{"--points", "150"}, {"--points", "100"}},
        {{"--size", "0"}, {}},
        {{"--size", "-1"}, {"--size", "1.0"}},
        {{"--size", "2.5"}, {"--size", "2"}},
        {{"--rotate", "-5"}, {"--rotate", "0"}},
        {{"--rotate", "400"}, {"--rotate", "360"}},
        {{"--function", "-1", "--style", "star"}, {"--function", "0", "--style", "star"}},
        {{"--function", "1.5", "--style", "star"}, {"--function", "1", "--style", "star"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> given = {"shape", "given.pol", "--style", "polygon"};
        std::vector<std::string> same = {"shape", "same.pol", "--style", "polygon"};
        given.insert(given.end(), c.given.begin(), c.given.end());
        same.insert(same.end(), c.same.begin(), c.same.end());
        ASSERT_EQ(Run(given).status, 0) << c.given[0] << " " << c.given[1];
        ASSERT_EQ(Run(same).status, 0);
        EXPECT_EQ(FileText(File("given.pol")), FileText(File("same.pol")))
            << c.given[0] << " " << c.given[1];
    }
}

TEST_F(VexlinToolTest, SeedMakesRandomShapesRepeatable) {
    for (const char* name : {"a.pol", "b.pol"}) {
        ASSERT_EQ(
            Run({"shape", name, "--style", "random", "--points", "20", "--seed", "42"}).status, 0);
    }
    ASSERT_EQ(Run({"shape", "c.pol", "--style", "random", "--points", "20", "--seed", "43"}).status,
              0);
    // A run without a seed takes the clock's, not the seed of a run before it.
    ASSERT_EQ(Run({"shape", "d.pol", "--style", "random", "--points", "20"}).status, 0);
    EXPECT_EQ(FileText(File("a.pol")), FileText(File("b.pol")));
    EXPECT_NE(FileText(File("a.pol")), FileText(File("c.pol")));
    EXPECT_NE(FileText(File("c.pol")), FileText(File("d.pol")));
}

TEST_F(VexlinToolTest, ShapeRefusedIsAFailure) {
    Put("open.pol", "#declare Thing=polygon{\n2\n<0,0>\n<1,0>\n}\n");
    ToolRun run = Run({"shape", "out.pol", "--into", "open.pol", "--style", "polygon"});
    EXPECT_EQ(run.status, 65);
    EXPECT_NE(run.err.find("Shape not added"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(File("out.pol")));
}

TEST_F(VexlinToolTest, TransformAppliesInTheOrderGiven) {
    Put("square.pol", Square);
    Put("corner.pol", "#declare Thing=polygon{\n4\n<1,1>\n<2,1>\n<1,2>\n<1,1>\n}\n");
    Put("bezier.prm", BezierTriangle);
    struct Case {
        const char* input;
        std::vector<std::string> transforms;
        const char* firstPoints;
    } cases[] = {
        {"square.pol", {"--scale", "2"}, "<2,2>\r\n<-2,2>\r\n"},
        {"square.pol", {"--rotate", "90"}, "<-1,1>\r\n<-1,-1>\r\n"},
        {"corner.pol", {"--flip"}, "<1,-1>\r\n<2,-1>\r\n"},
        {"corner.pol", {"--center", "--scale", "3"}, "<-1,-1>\r\n<2,-1>\r\n"},
        {"corner.pol", {"--scale", "3", "--center"}, "<-1,-1>\r\n<2,-1>\r\n"},
        {"corner.pol", {"--rotate", "90", "--flip"}, "<-1,-1>\r\n<-1,-2>\r\n"},
        {"corner.pol", {"--flip", "--rotate", "90"}, "<1,1>\r\n<1,2>\r\n"},
        {"corner.pol", {"--mirror-x"}, "<-1,1>\r\n<-2,1>\r\n"},
        {"corner.pol", {"--rotate", "90", "--about", "1,1"}, "<1,1>\r\n<1,2>\r\n<0,1>\r\n"},
        {"corner.pol", {"--scale", "2", "--about", "1,1"}, "<1,1>\r\n<3,1>\r\n<1,3>\r\n"},
        {"corner.pol", {"--mirror-x", "--about", "1,1"}, "<1,1>\r\n<0,1>\r\n<1,2>\r\n"},
        {"corner.pol", {"--about", "0,1.5", "--flip"}, "<1,2>\r\n<2,2>\r\n<1,1>\r\n"},
        // Handles move with their points.
        {"bezier.prm",
         {"--mirror-x"},
         "<-1,1>\r\n<-1.5,0.5> //___control___\r\n<-2,0.5> //___control___\r\n<-2,1>\r\n"},
    };
    for (const Case& c : cases) {
        const std::string out = std::string("out") + std::strrchr(c.input, '.');
        std::vector<std::string> args = {"transform", c.input, out};
        args.insert(args.end(), c.transforms.begin(), c.transforms.end());
        ToolRun run = Run(args);
        EXPECT_EQ(run.status, 0) << run.err;
        std::string text = FileText(File(out));
        EXPECT_NE(text.find(c.firstPoints), std::string::npos) << c.transforms[0] << "\n" << text;
    }
}

// --keep-shape converts so that POV-Ray's curve stays, and says how closely; without it a new
// spline is noted when it changes the curve.
TEST_F(VexlinToolTest, ConvertKeepsTheShapeOrSaysItChanges) {
    Put("square.pol", Square);
    ASSERT_EQ(Run(Words("shape star.prm --style star --points 5 --function 0.5 --kind prism "
                        "--seed 1"))
                  .status,
              0);
    ASSERT_EQ(
        Run(Words("shape random.prm --style random --points 60 --kind prism --seed 1")).status, 0);
    const struct {
        const char* args;
        int status;
        const char* says;
    } cases[] = {
        {"star.prm b --spline bezier --keep-shape", 0,
         "b.prm: note: Converted to bezier exactly: POV-Ray draws the same curve.\n"},
        {"star.prm c --spline cubic --keep-shape --tolerance 0.01", 0,
         "c.prm: note: Converted to cubic: POV-Ray's curve moves by at most 0.00"},
        {"star.prm plain --spline cubic", 0,
         "plain.prm: note: the curve changes: the points are joined by a cubic spline now "
         "(--keep-shape keeps it)\n"},
        {"b.prm dropped --spline quadratic", 0,
         "dropped.prm: note: the bezier handles are dropped: the curve changes"},
        {"star.prm same --keep-shape", 0, ""},
        {"random.prm tight --spline quadratic --keep-shape --tolerance 1e-9", 68,
         "tight.prm: the shape cannot be kept: The converted drawing would need more than "},
        {"square.pol s.pol --spline cubic --keep-shape", 68,
         "s.pol: the shape cannot be kept: A polygon has no spline: it is always straight.\n"},
        {"star.prm x --tolerance 0", 64, "--tolerance 0: not a number above 0"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Run(Words(std::string("convert ") + c.args));
        EXPECT_EQ(run.status, c.status) << c.args << "\n" << run.err;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.args << "\n" << run.err;
    }
    // The converted cubic prism's own closing control is read back and written again, and
    // mirrored with its set.
    EXPECT_EQ(Run({"convert", "c.prm", "again.prm"}).status, 0);
    EXPECT_EQ(FileText(File("again.prm")), FileText(File("c.prm")));
    EXPECT_EQ(Run({"transform", "c.prm", "m.prm", "--mirror-x"}).status, 0);
    auto closing = [this](const char* name) {
        const std::string text = FileText(File(name));
        const size_t end = text.find("> //___2control___");
        const size_t start = text.rfind('<', end) + 1;
        return text.substr(start, end - start);
    };
    const std::string before = closing("c.prm");
    EXPECT_EQ(closing("m.prm"), before[0] == '-' ? before.substr(1) : "-" + before);
}

TEST_F(VexlinToolTest, TransformsOfHugeDrawingsNeverWriteInfinities) {
    const char* huge =
        "#declare Thing=polygon{\n4\n<2e306,1e306>\n<-2e306,2e306>\n<2.2e306,-2e306>\n"
        "<2e306,1e306>\n}\n";
    Put("huge.pol", huge);
    for (const char* transform : {"--center", "--rotate", "--scale"}) {
        std::vector<std::string> args = {"transform", "huge.pol", "out.pol", transform};
        if (transform != std::string("--center")) {
            args.push_back(transform == std::string("--scale") ? "3e38" : "45");
        }
        ToolRun run = Run(args);
        EXPECT_TRUE(run.status == 0 || run.status == 6) << transform << " " << run.status;
        std::string text = FileText(File("out.pol"));
        EXPECT_EQ(text.find("inf"), std::string::npos) << transform << "\n" << text;
        EXPECT_EQ(text.find("nan"), std::string::npos) << transform << "\n" << text;
        EXPECT_EQ(Run({"info", "out.pol"}).status, 0) << transform;
    }
}

TEST_F(VexlinToolTest, SceneNamesOnlyWhatItCanQuoteAndWarnsOfUnfinishedSets) {
    Put("open.pol", "#declare Thing=polygon{\n4\n<0,0>\n<1,0>\n<0,1>\n<0,0>\n<1,1>\n}\n");
    ToolRun run = Run({"scene", "open.pol"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Warning: the drawing has an unfinished set\n");
    run = Run({"scene", "open.pol", "./open.pol"});
    EXPECT_EQ(run.status, 64) << "the scene would replace the drawing";
    EXPECT_EQ(Run({"info", "open.pol"}).status, 0);
    for (const char* name : {"new\nline.pol", "quote\".pol"}) {
        Put(name, Square);
        run = Run({"scene", name});
        EXPECT_EQ(run.status, 64) << name;
        EXPECT_EQ(run.out, "") << name;
    }
    // A long path is written whole.
    std::string folder = std::string(200, 'f') + "/" + std::string(200, 'g');
    std::filesystem::create_directories(File(folder));
    Put(folder + "/square.pol", Square);
    run = Run({"scene", folder + "/square.pol", "view.pov"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(FileText(File("view.pov")).find(folder + "/square.pol face on"), std::string::npos);
}

// The scene holds the drawing as the editor writes it, never the file it was given: code that a
// received file hides beside the drawing never runs. Reading such a file says so; a name that
// is no regular file is never written, nor one made from it with an extension.
TEST_F(VexlinToolTest, HiddenSceneCodeIsToldAndNeverRun) {
    const std::string pwned = File("pwned");
    Put("evil.prm", "#fopen A \"" + pwned + "\" write #write(A,\"x\\n\") #fclose A //\n" +
                        "#declare Thing=prism{\n0,1,4\n<0,0>\n<1,0>\n<0,1>\n<0,0>\n}\n");
    ToolRun info = Run({"info", "evil.prm"});
    EXPECT_EQ(info.status, 0);
    EXPECT_EQ(info.err.rfind("evil.prm: note: line 1 holds scene text the drawing does not keep: "
                             "\"#fopen A ",
                             0),
              0u)
        << info.err;
    ASSERT_EQ(Run({"scene", "evil.prm", "evil.pov"}).status, 0);
    const std::string scene = FileText(File("evil.pov"));
    EXPECT_EQ(scene.find("#fopen"), std::string::npos) << scene;
    EXPECT_EQ(scene.find("#include"), std::string::npos) << scene;
    EXPECT_NE(scene.find("#declare Thing=prism{"), std::string::npos) << scene;
    const std::string command =
        "cd " + Quoted(dir) + " && povray -D -F +W16 +H16 +Ievil.pov > povray.log 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << FileText(File("povray.log"));
    EXPECT_FALSE(std::filesystem::exists(pwned));

    Put("tri.pol", "#declare Thing=polygon{\n4\n<0,0>\n<1,0>\n<0,1>\n<0,0>\n}\n");
    for (const char* special : {"/dev/null", "/dev/full"}) {
        ToolRun convert = Run({"convert", "tri.pol", special});
        EXPECT_EQ(convert.status, 6) << special;
        EXPECT_EQ(convert.err,
                  std::string(special) + ": Unable to save file: not a regular file\n");
        EXPECT_FALSE(std::filesystem::exists(std::string(special) + ".pol"));
    }
}

TEST_F(VexlinToolTest, SceneRendersTheDrawing) {
    Put("two.prm", QuadraticExample);
    ToolRun printed = Run({"scene", "two.prm"});
    EXPECT_EQ(printed.status, 0) << printed.err;
    EXPECT_NE(printed.out.find("#declare Thing=prism{"), std::string::npos) << printed.out;
    EXPECT_NE(printed.out.find("rotate -90 * x"), std::string::npos);

    std::filesystem::create_directory(File("scenes"));
    ToolRun written = Run({"scene", "two.prm", "scenes/view.pov"});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "scenes/view.pov\n");
    std::string scene = FileText(File("scenes/view.pov"));
    EXPECT_NE(scene.find("from " + std::filesystem::canonical(dir).string() + "/two.prm face on"),
              std::string::npos)
        << scene;

    std::string command =
        "cd " + Quoted(File("scenes")) + " && povray -D -F +W32 +H32 +Iview.pov > povray.log 2>&1";
    int status = std::system(command.c_str());
    std::string log = FileText(File("scenes/povray.log"));
    EXPECT_EQ(status, 0) << log;
    EXPECT_EQ(log.find("Warning:"), std::string::npos) << log;
    EXPECT_NE(log.find("Prism "), std::string::npos) << log;
}

}  // namespace

// Face on, every prism shows: POV-Ray's statistics count the rays that hit it. A ray exactly
// along a conic prism's axis finds nothing, so without the caps of a closed one nothing showed.
// A lathe or a surface of revolution is seen from the front.
TEST_F(VexlinToolTest, SceneShowsEveryPrismFaceOn) {
    Put("vase.sor", "#declare Thing=sor{\n5\n<0.5,-1>\n<1,-0.5>\n<0.4,0.5>\n<0.7,1>\n<1,2>\n}\n");
    const struct {
        const char* what;
        const char* name;
        std::vector<std::string> options;
        const char* object;  // its line of the statistics
    } cases[] = {
        {"a cubic lathe", "star.lat", {"--spline", "cubic"}, "Lathe "},
        {"a surface of revolution", "vase.sor", {}, "Surface of Revolution "},
        {"an open conic prism",
         "star.prm",
         {"--sweep", "conic", "--start", "0.2", "--end", "1", "--open", "1"},
         "Prism "},
        {"a closed conic prism",
         "star.prm",
         {"--sweep", "conic", "--start", "0.2", "--end", "1"},
         "Prism "},
        {"a linear prism", "star.prm", {}, "Prism "},
        {"a polygon", "star.pol", {}, "Polygon "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> shape = {"shape",    c.name, "--style",    "star",
                                          "--points", "5",    "--function", "0.5"};
        shape.insert(shape.end(), c.options.begin(), c.options.end());
        ASSERT_TRUE(std::strcmp(c.name, "vase.sor") == 0 || Run(shape).status == 0);
        ASSERT_EQ(Run({"scene", c.name, "star.pov"}).status, 0);
        const std::string command =
            "cd " + Quoted(dir) + " && povray -D +W64 +H64 +Istar.pov +Ostar.png > povray.log 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << FileText(File("povray.log"));
        const std::string log = FileText(File("povray.log"));
        const size_t line = log.find(std::string("\n") + c.object);
        ASSERT_NE(line, std::string::npos) << log;
        long tests = 0;
        long hits = 0;
        ASSERT_EQ(
            std::sscanf(log.c_str() + line + 1 + std::strlen(c.object), "%ld %ld", &tests, &hits),
            2);
        EXPECT_GT(hits, 64 * 64 / 10) << "rays that hit, of " << tests;
    }
}

// A lathe or a surface of revolution is written only when it keeps POV-Ray's rules: a polygon
// centred on the origin reaches left of the axis, and converting it says where; shapes for a
// lathe stand right of the axis.
TEST_F(VexlinToolTest, ProfilesAreWrittenOnlyWhenTheyKeepTheRules) {
    Put("square.pol", Square);
    ToolRun run = Run({"convert", "square.pol", "out", "--kind", "lathe"});
    EXPECT_EQ(run.status, 6);
    EXPECT_EQ(run.err,
              "out.lat: Unable to save file: Set 1, point 2 (-1, 1): a lathe must not have a "
              "radius x below 0. 1 more rule is broken.\n");
    EXPECT_FALSE(std::filesystem::exists(File("out.lat")));

    run = Run({"shape", "vase", "--style", "polygon", "--points", "6", "--kind", "lathe"});
    EXPECT_EQ(run.out, "vase.lat\n") << run.err;
    ToolRun info = Run({"info", "vase.lat", "--points"});
    EXPECT_EQ(info.out.rfind("kind: lathe\n", 0), 0u) << info.out;
    double leftmost = 1e9;
    for (size_t at = info.out.find("\n0 "); at != std::string::npos;
         at = info.out.find('\n', at + 1)) {
        int index = 0;
        double x = 0;
        if (std::sscanf(info.out.c_str() + at + 1, "%d %lf", &index, &x) == 2) {
            leftmost = std::min(leftmost, x);
        }
    }
    EXPECT_DOUBLE_EQ(leftmost, 7.5) << "a tenth of a file unit right of the axis";
    run = Run({"convert", "vase.lat", "flat.prm"});
    EXPECT_EQ(run.err,
              "flat.prm: note: saved as a prism: its profiles are no longer turned about "
              "the axis\n");
}
