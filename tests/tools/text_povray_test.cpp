#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/scenefile/SceneFileTestSupport.h"
#include "tests/tools/ToolRun.h"

// A text prism written by vexlin-tool text, seen from above, against POV-Ray's own text object
// of the same TrueType file and string seen face on: the two silhouettes, each cut to its box
// and laid over the other, share at least 97 % of what either covers.
namespace {

const char* const FontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const Lettering = "Bold 48 ring";

// Orthographic, 400 pixels to a unit, over x -0.5 .. 6.5 and the other axis -0.5 .. 1.5; white
// on black.
std::string Scene(const std::string& object, const char* location, const char* direction,
                  const char* up) {
    return std::string("camera { orthographic location ") + location + " direction " + direction +
           " right <7, 0, 0> up " + up +
           " }\n"
           "object { " +
           object + " pigment { rgb 1 } finish { ambient 1 diffuse 0 } }\n";
}

// The box around the lit pixels.
QRect LitBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) > 128) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// Each picture's box mapped onto the other's, sample by sample: covered by both over covered
// by either.
double BoxedIoU(const QImage& a, const QImage& b) {
    const QRect boxA = LitBox(a);
    const QRect boxB = LitBox(b);
    if (boxA.isEmpty() || boxB.isEmpty()) {
        return 0;
    }
    long both = 0;
    long either = 0;
    for (int y = 0; y < boxA.height(); ++y) {
        for (int x = 0; x < boxA.width(); ++x) {
            const int bx = boxB.left() + x * boxB.width() / boxA.width();
            const int by = boxB.top() + y * boxB.height() / boxA.height();
            const bool inA = qGray(a.pixel(boxA.left() + x, boxA.top() + y)) > 128;
            const bool inB = qGray(b.pixel(bx, by)) > 128;
            both += inA && inB;
            either += inA || inB;
        }
    }
    return static_cast<double>(both) / static_cast<double>(either);
}

TEST(TextPovray, PrismFromAboveMatchesPovraysTextFaceOn) {
    if (std::system("command -v povray > /dev/null") != 0) {
        GTEST_SKIP() << "povray is not installed";
    }
    ASSERT_TRUE(std::ifstream(FontFile).good()) << FontFile << " (fonts-dejavu-core) is missing";
    TempDir dir;
    const ToolRun run = ToolRun::InProcess(
        dir.Path(), {"text", Lettering, "lettering.pov", "--font", "DejaVu Sans", "--size", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    PutFile(dir.File("prism.pov"), "#include \"lettering.pov\"\n" +
                                       Scene("Thing", "<3, 10, 0.5>", "<0, -1, 0>", "<0, 0, 2>"));
    PutFile(dir.File("text.pov"),
            Scene(std::string("text { ttf \"") + FontFile + "\" \"" + Lettering + "\" 1, 0 }",
                  "<3, 0.5, -10>", "<0, 0, 1>", "<0, 2, 0>"));
    for (const char* name : {"prism", "text"}) {
        const std::string command = "cd '" + dir.Path() + "' && povray -D +FN +W2800 +H800 +I" +
                                    name + ".pov +O" + name + ".png > " + name + ".log 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0)
            << FileText(dir.File(name + std::string(".log")));
    }
    const QImage prism(QString::fromStdString(dir.File("prism.png")));
    const QImage text(QString::fromStdString(dir.File("text.png")));
    EXPECT_GE(BoxedIoU(prism, text), 0.97);
    EXPECT_GE(BoxedIoU(text, prism), 0.97);
}

}  // namespace
