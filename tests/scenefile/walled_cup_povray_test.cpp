#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/ProfileWall.h"
#include "scenefile/KindValues.h"
#include "scenefile/SceneWriting.h"
#include "support/OutlineDrawings.h"
#include "tests/scenefile/SceneFileTestSupport.h"

namespace {

// The lit pixels of the picture's middle row (a binary PPM POV-Ray wrote, its header with
// comment lines), 0 when unreadable.
int LitInMiddleRow(const std::string& path) {
    const std::string ppm = FileText(path);
    std::vector<long> header;
    size_t at = 2;
    while (ppm.rfind("P6", 0) == 0 && header.size() < 3 && at < ppm.size()) {
        if (ppm[at] == '#') {
            at = ppm.find('\n', at);
        } else if (std::isdigit(static_cast<unsigned char>(ppm[at]))) {
            header.push_back(std::strtol(ppm.c_str() + at, nullptr, 10));
            at = ppm.find_first_not_of("0123456789", at);
            continue;
        }
        at = at == std::string::npos ? at : at + 1;
    }
    if (header.size() < 3 || at == std::string::npos) {
        return 0;
    }
    const long width = header[0];
    const size_t row = at + 1 + static_cast<size_t>(header[1] / 2 * width * 3);
    int lit = 0;
    for (long x = 0; row + 3 * x < ppm.size() && x < width; ++x) {
        lit += static_cast<unsigned char>(ppm[row + 3 * x]) > 128 ? 1 : 0;
    }
    return lit;
}

// A cup walled 0.1 thick inside, rendered by POV-Ray cut open along its axis and seen face on:
// the cut face (white; the surfaces behind it black), 2,000 pixels to a file unit, is 200
// pixels wide within 1 % halfway up the side.
TEST(WalledCupPovray, RendersWithItsThickness) {
    ASSERT_EQ(std::system("command -v povray > /dev/null"), 0) << "povray is not installed";
    Drawing cup;
    cup.kind = Lathe;
    cup.isOpen = 1;
    AddSet(cup, {{0, 0}, {1, 0}, {1, 1.5}});
    const SetsResult walled = WallProfiles(cup, Lathe, {}, {0.1, WallSide::Inside});
    ASSERT_TRUE(walled.ok) << walled.message;
    TempDir dir;
    ASSERT_TRUE(WriteScene(walled.drawing, dir.File("cup.lat"), KindChoice::Of(Lathe)).ok);
    PutFile(dir.File("cup.pov"),
            "#include \"cup.lat\"\n"
            "camera { orthographic location <0.95, 0.75, -50> direction <0, 0, 1>\n"
            "         right <0.2, 0, 0> up <0, 0.2, 0> }\n"
            "intersection { object { Thing pigment { rgb 0 } }\n"
            "  box { <-5, -5, 0>, <5, 5, 5>\n"
            "        pigment { rgb 1 } finish { ambient 1 diffuse 0 } } }\n");
    const std::string command =
        "cd '" + dir.Path() + "' && povray -D +FP +W400 +H400 +Icup.pov +Ocup.ppm > log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << FileText(dir.File("log"));
    EXPECT_NEAR(LitInMiddleRow(dir.File("cup.ppm")), 200, 2);
}

}  // namespace
