#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "scenefile/KindValues.h"
#include "scenefile/SceneReading.h"
#include "scenefile/SceneWriting.h"
#include "support/OutlineDrawings.h"
#include "tests/tools/ToolRun.h"

// vexlin-tool combine, offset and wall: their options, results and refusals.
namespace {

class SetsCommands : public ::testing::Test {
protected:
    void SetUp() override {
        dir = ::testing::TempDir() + "vexlin-sets-" + std::to_string(getpid());
        std::filesystem::create_directories(dir);
        Write("squares.svg",
              R"(<svg xmlns="http://www.w3.org/2000/svg"><rect x="-75" y="-75" width="100" )"
              R"(height="100"/><rect x="-25" y="-25" width="100" height="100"/></svg>)");
        Write("cup.lat",
              "// cup\n//\n//\n#declare Thing=lathe{\n//___open___\nlinear_spline\n3\n<0,0>\n"
              "<1,0>\n<1,1.5>\n}\n");
        Write("vase.lat",
              "// vase\n//\n//\n#declare Thing=lathe{\n//___open___\nlinear_spline\n4\n"
              "<0.5,0>\n<1,0.5>\n<1,1>\n<0.8,1.5>\n}\n");
        for (const char* made : {"import squares.svg squares.prm", "convert vase.lat vase.sor"}) {
            ASSERT_EQ(ToolRun::InProcess(dir, Words(made)).status, 0) << made;
        }
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir + "/" + name) << text;
    }

    std::string dir;
};

TEST_F(SetsCommands, RemakeTheSetsOrRefuse) {
    const struct {
        const char* command;
        int status;
        // In standard error, or in the info of the file written.
        const char* said;
    } rows[] = {
        {"combine squares.prm out.prm --union", 0, "points: 9"},
        {"combine squares.prm out.prm --difference --sets 2,1", 0, "points: 7"},
        {"combine squares.prm out.prm --xor", 0, "sets: 2"},
        {"offset squares.prm out.prm --by 0.1 --join miter", 0, "sets: 2"},
        {"wall cup.lat out.lat --thickness 0.1 --outside --lip flat", 0, "open: 0"},
        {"combine squares.prm out.prm", 68, "name one operation"},
        {"combine squares.prm out.prm --union --xor", 68, "name one operation"},
        {"combine squares.prm out.prm --union --sets 1,x", 64, "--sets"},
        {"combine squares.prm out.prm --union --sets 3", 68, "There is no set 3"},
        {"offset squares.prm out.prm", 68, "--by"},
        {"offset squares.prm out.prm --by 1 --join bevel", 64, "not one of"},
        {"wall cup.lat out.lat", 68, "--thickness"},
        {"wall vase.sor out.sor --thickness 0.1", 68, "heights must rise"},
        {"wall squares.prm out.prm --thickness 0.1", 68, "for a lathe"},
    };
    for (const auto& row : rows) {
        std::filesystem::remove(dir + "/out.prm");
        const ToolRun run = ToolRun::InProcess(dir, Words(row.command));
        EXPECT_EQ(run.status, row.status) << row.command << "\n" << run.err;
        std::string said = run.err;
        if (row.status == 0) {
            const std::string out =
                std::string(row.command).find(".lat") != std::string::npos ? "out.lat" : "out.prm";
            said = ToolRun::InProcess(dir, {"info", out}).out;
        }
        EXPECT_NE(said.find(row.said), std::string::npos) << row.command << "\n" << said;
    }
}

}  // namespace

namespace {

// A bezier bowl walled 0.08 thick by the tool: along its side, the written wall's inner curve,
// which POV-Ray turns as written, lies the thickness from the written bowl within 1 %.
TEST_F(SetsCommands, WrittenWallKeepsItsThickness) {
    ASSERT_TRUE(WriteScene(BezierBowl(), dir + "/bowl.lat", KindChoice::Of(Lathe)).ok);
    const ToolRun run = ToolRun::InProcess(dir, Words("wall bowl.lat walled.lat --thickness 0.08"));
    ASSERT_EQ(run.status, 0) << run.err;
    const SceneRead bowl = ReadScene((dir + "/bowl.lat").c_str(), Drawing());
    const SceneRead walled = ReadScene((dir + "/walled.lat").c_str(), Drawing());
    ASSERT_TRUE(bowl.Ok() && walled.Ok());
    const WallDistances distances = MeasureWall(bowl.drawing, walled.drawing, 0.08, 0.3, 1.4);
    EXPECT_LE(distances.largest, 0.08 * 1.01);
    EXPECT_LE(distances.Stray(0.08), 0.08 * 0.01);
    EXPECT_GT(distances.farSide.size(), 10u);
}

}  // namespace
