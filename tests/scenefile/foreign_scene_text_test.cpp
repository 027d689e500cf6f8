#include <gtest/gtest.h>

#include <string>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "scenefile/ForeignSceneText.h"
#include "scenefile/SceneReadDetails.h"
#include "scenefile/SceneReadResult.h"
#include "support/CanvasSceneFiles.h"
#include "tests/scenefile/SceneFileTestSupport.h"

// Scene text that the drawing does not keep is found wherever the reader passes over it, and
// named in the note; the drawing read is the same as without it. Comments and blank lines, and
// everything the writer writes (the round trip checks that), are never taken for it.
TEST(ForeignSceneText, FoundWhereverTheReaderPassesOverIt) {
    const std::string polygon = "#declare Thing=polygon{\n4\n<0,0>\n<1,0>\n<0,1>\n<0,0>\n}\n";
    const char* const cubic =
        "//\n#declare Thing=prism{\ncubic_spline\n0,1,6\n<1,1> //___control___ \n<0,0>\n"
        "<1,0>\n<0,1>\n<0,0>\n%s\nsturm\n}\n";
    auto cubicWith = [&](const char* trailing) {
        std::string text = cubic;
        return text.replace(text.find("%s"), 2, trailing);
    };
    const struct {
        const char* what;
        std::string name;
        std::string text;
        int line;  // the first foreign line; 0 for none
    } cases[] = {
        {"the writer's layout", "a.pol", "// r\n" + polygon, 0},
        {"comments and blank lines anywhere", "a.pol", "//\n\n" + polygon + "\n// after\n  \n", 0},
        {"code before a remark's //", "a.prm",
         "#fopen A \"/tmp/pwn\" write #write(A,\"x\\n\") #fclose A //\n"
         "#declare Thing=prism{\n0,1,4\n<0,0>\n<1,0>\n<0,1>\n<0,0>\n}\n",
         1},
        {"a line between the remarks and the declaration", "a.pol",
         "//\n#include \"x.inc\"\n" + polygon, 2},
        {"text before the declaration's {", "a.pol",
         "#declare Y=1; #declare Thing=polygon{\n4\n<0,0>\n<1,0>\n<0,1>\n<0,0>\n}\n", 1},
        {"text after a point's numbers", "a.pol",
         "#declare Thing=polygon{\n4\n<0,0>\n<1,0> #debug \"x\"\n<0,1>\n<0,0>\n}\n", 4},
        {"text after the count", "a.pol",
         "#declare Thing=polygon{\n4 #debug \"x\"\n<0,0>\n<1,0>\n<0,1>\n<0,0>\n}\n", 2},
        {"a line after the }", "a.pol", polygon + "#fopen A \"/tmp/pwn\" write\n", 8},
        {"a cubic trailing control line that is code", "a.prm", cubicWith("#debug \"x\""), 10},
        {"the cubic's own trailing control line", "a.prm", cubicWith("<-1,-1> //___2control___"),
         0},
        {"a second } after the one that ends the drawing", "a.pol", polygon + "}\n", 8},
    };
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.File(c.name);
        PutFile(path, c.text);
        KCanvasPane canvas(nullptr);
        SceneReadDetails details;
        ASSERT_EQ(OpenSceneFile(canvas, path.c_str(), details), ReadOk);
        EXPECT_EQ(canvas.pointCount, 4);
        if (c.line == 0) {
            EXPECT_EQ(details.foreignText, "");
            continue;
        }
        const std::string expected =
            "line " + std::to_string(c.line) + " holds scene text the drawing does not keep: \"";
        EXPECT_EQ(details.foreignText.substr(0, expected.size()), expected) << details.foreignText;
        EXPECT_NE(details.foreignText.find("Save leaves it out."), std::string::npos);
    }
}
