#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "support/CanvasSceneFiles.h"
#include "tests/scenefile/SceneFileTestSupport.h"
#include "tests/tools/ToolRun.h"
#include "toolkit/platform/vHeadlessSession.h"
#include "toolkit/vMemoryDC.h"

// vexlin-tool render must save exactly what a canvas of the same size shows.
namespace {

class RenderCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir = ::testing::TempDir() + "vexlin-render-" + std::to_string(getpid());
        std::filesystem::create_directories(dir);
        input = dir + "/drawing.prm";
        // A star with bezier handles, made by the tool's own shape and convert commands.
        for (const char* made : {"shape star.pol --style star --points 5",
                                 "convert star.pol drawing.prm --kind prism --spline bezier"}) {
            ASSERT_EQ(ToolRun::InProcess(dir, Words(made)).status, 0) << made;
        }
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // The render command with the drawing, the picture and the options, in this process;
    // standard error in `err`.
    int Tool(const std::string& drawing, const std::string& picture,
             const std::string& options = "") {
        std::vector<std::string> arguments = Words(options);
        arguments.insert(arguments.begin(), {"render", drawing, picture});
        const ToolRun run = ToolRun::InProcess(dir, arguments);
        err = run.err;
        return run.status;
    }

    // The program, for what only the environment of a new process shows.
    int Program(const std::string& arguments, const std::string& before) {
        std::string command = before + VEXLIN_BINARY_DIR "/tools/vexlin-tool render " + arguments +
                              " > '" + dir + "/out' 2> '" + dir + "/err'";
        int status = std::system(command.c_str());
        err = FileText(dir + "/err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // The same picture drawn here on a canvas of that size.
    template <typename DrawFunction>
    QImage Expected(int width, int height, DrawFunction draw) {
        vHeadlessSession session;
        KCanvasPane canvas(nullptr);
        auto* dc = new vMemoryDC(width, height);
        canvas.AdoptDC(dc);
        canvas.SizeChanged(width, height);
        editMode = AddPoint;
        EXPECT_EQ(OpenSceneFile(canvas, input.c_str()), 0);
        draw(canvas);
        const PixelSurface& pixels = dc->Pixels();
        return QImage(reinterpret_cast<const uchar*>(pixels.Data()), width, height, width * 4,
                      QImage::Format_RGB32)
            .copy();
    }

    static QImage Saved(const std::string& path) {
        return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
    }

    std::string dir;
    std::string input;
    std::string err;
};

// Under a language whose numbers take a decimal comma the drawing reads and renders the same.
TEST_F(RenderCommand, ReadsAndRendersAlikeUnderADecimalCommaLocale) {
    const std::string locales = dir + "/locales";
    std::filesystem::create_directories(locales);
    if (std::system(("localedef -i de_DE -f UTF-8 '" + locales + "/de_DE.UTF-8' > /dev/null 2>&1")
                        .c_str()) != 0) {
        GTEST_SKIP() << "no German locale source to make a decimal comma locale from";
    }
    const std::string comma = "LOCPATH='" + locales + "' LC_ALL=de_DE.UTF-8 ";
    ASSERT_EQ(Program("'" + input + "' '" + dir + "/comma.png'", comma), 0) << err;
    ASSERT_EQ(Tool(input, dir + "/point.png"), 0);
    EXPECT_TRUE(Saved(dir + "/comma.png") == Saved(dir + "/point.png"));
}

}  // namespace

TEST_F(RenderCommand, SavesWhatTheCanvasShowsForEachPicture) {
    std::string out = dir + "/normal.png";
    ASSERT_EQ(Tool(input, out, "--size 240x180"), 0);
    QImage normal = Saved(out);
    EXPECT_EQ(normal.size(), QSize(240, 180));
    EXPECT_EQ(normal, Expected(240, 180, [](KCanvasPane& c) { c.OnRedraw(1, 1, 1, 1); }));

    out = dir + "/curves.png";
    ASSERT_EQ(Tool(input, out, "--picture curves"), 0);
    EXPECT_EQ(Saved(out), Expected(300, 300, [](KCanvasPane& c) { c.DrawAllCurves(); }));

    out = dir + "/set.png";
    ASSERT_EQ(Tool(input, out, "--picture set:1 --size 200x200"), 0);
    QImage set = Saved(out);
    EXPECT_EQ(set, Expected(200, 200, [](KCanvasPane& c) { c.OnRedraw(-1, 1, 1, 1); }));
    EXPECT_NE(set, normal.scaled(200, 200));

    out = dir + "/view.png";
    ASSERT_EQ(Tool(input, out, "--exact --zoom 4 --centre 0.5,-0.25 --grid 0.1"), 0);
    EXPECT_EQ(Saved(out), Expected(300, 300, [](KCanvasPane& c) {
                  CanvasOptions options;
                  options.exactCurves = options.snapToGrid = true;
                  options.gridSpacing = 0.1;
                  c.SetOptions(options);
                  c.SetView({4, {37.5, 18.75}});
                  c.RedrawOutline(true);
              }));

    out = dir + "/proportions.png";
    ASSERT_EQ(Tool(input, out, "--keep-proportions --size 400x200"), 0);
    EXPECT_EQ(Saved(out), Expected(400, 200, [](KCanvasPane& c) {
                  CanvasOptions options;
                  options.keepProportions = true;
                  c.SetOptions(options);
                  c.RedrawOutline(true);
              }));
}

// With --exact the curves are POV-Ray's: every pixel of each spline's curve picture lies next
// to the edge of POV-Ray's top view of the same file.
TEST_F(RenderCommand, ExactCurvesLieOnTheEdgeOfPovraysTopView) {
    if (std::system("command -v povray > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "povray is not installed";
    }
    for (const char* spline : {"quadratic", "cubic", "bezier"}) {
        SCOPED_TRACE(spline);
        const std::string drawing = dir + "/" + spline + ".prm";
        const std::string shape = std::string("shape ") + spline +
                                  ".prm --style star --points 5 --function 0.5 --kind prism "
                                  "--spline " +
                                  spline;
        ASSERT_EQ(ToolRun::InProcess(dir, Words(shape)).status, 0);
        ASSERT_EQ(Tool(drawing, dir + "/exact.png", "--picture curves --exact"), 0);
        ASSERT_EQ(Tool(drawing, dir + "/top.png", "--picture povray"), 0);
        const QImage exact = Saved(dir + "/exact.png");
        const QImage top = Saved(dir + "/top.png");
        auto filled = [&top](int x, int y) {
            const QColor colour = top.pixelColor(x, y);
            return top.rect().contains(x, y) && colour.red() > 200 && colour.green() < 150;
        };
        // A curve pixel has a filled and an empty pixel within two pixels of it.
        int curve = 0;
        for (int y = 0; y < exact.height(); ++y) {
            for (int x = 0; x < exact.width(); ++x) {
                if (exact.pixelColor(x, y) != QColor(Qt::black)) {
                    continue;
                }
                ++curve;
                bool inside = false;
                bool outside = false;
                for (int dy = -2; dy <= 2; ++dy) {
                    for (int dx = -2; dx <= 2; ++dx) {
                        (filled(x + dx, y + dy) ? inside : outside) = true;
                    }
                }
                EXPECT_TRUE(inside && outside) << x << "," << y;
            }
        }
        EXPECT_GT(curve, 300);
    }
}

TEST_F(RenderCommand, RefusesBadArgumentsAndReportsReadAndWriteFailures) {
    std::string out = dir + "/x.png";
    const char* const refused[] = {"--size 0x10",    "--size 10",       "--size 9000x10",
                                   "--picture set:", "--picture fancy", "--colour red",
                                   "--zoom 65",      "--zoom x",        "--centre 1",
                                   "--grid 0",       "--exact 1"};
    for (const char* options : refused) {
        EXPECT_EQ(Tool(input, out, options), 64) << options;
    }
    EXPECT_EQ(Tool(input, out, "--picture set:2"), 64) << "one set only";
    EXPECT_EQ(Tool(dir + "/missing.pol", out), 1);
    EXPECT_EQ(Tool(input, dir + "/no/such/dir.png"), 6);
    EXPECT_EQ(Tool(input, input), 64) << "the output is the input";
    EXPECT_EQ(Tool(input, dir + "/x.jpeg"), 64) << "a PNG is no JPEG";
}

// The platform's notes about the machine (no runtime folder on a machine without a desktop
// login) never reach the tool's standard error.
TEST_F(RenderCommand, SaysNothingOfThePlatform) {
    ASSERT_EQ(Program("'" + input + "' '" + dir + "/quiet.png'", "env -u XDG_RUNTIME_DIR "), 0);
    EXPECT_EQ(err, "");
}

TEST_F(RenderCommand, AFailedSaveKeepsTheOldPicture) {
    std::string out = dir + "/kept.png";
    ASSERT_EQ(Tool(input, out), 0);
    QImage old = Saved(out);
    {
        // Files may hold no more than 2 KB: the larger picture cannot be written.
        FileSizeLimit limit(2048);
        EXPECT_EQ(Tool(input, out, "--size 800x800"), 6);
    }
    EXPECT_EQ(Saved(out), old);
}

// POV-Ray's top view is framed as the canvas frames the drawing: a pixel is filled when its
// centre lies inside the outline, file x to the right and file y up.
TEST_F(RenderCommand, PovrayTopViewIsFramedAsTheCanvasOrSaysWhyThereIsNone) {
    std::string box = dir + "/box.prm";
    std::FILE* file = std::fopen(box.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    const char* const outline = "<0,0.49>\r\n<1.51,0.49>\r\n<1.51,1.8>\r\n<0,1.8>\r\n<0,0.49>\r\n";
    std::fprintf(file, "//\r\n//\r\n//\r\n#declare Thing=prism{\r\n0,0.5,5\r\n%s}\r\n", outline);
    std::fclose(file);
    // Seen along its axis an open conic prism, which has no caps, shows its walls: every
    // outline from the apex at the origin to the one at the upper height, half the size.
    std::string conic = dir + "/conic.prm";
    file = std::fopen(conic.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fprintf(file, "#declare Thing=prism{\r\nconic_sweep\r\n0,0.5,5\r\n%sopen\r\n}\r\n",
                 outline);
    std::fclose(file);
    std::string out = dir + "/top.png";
    QImage top;
    for (const auto& [drawing, expected] :
         {std::pair{box, QRect(QPoint(150, 15), QPoint(262, 112))},
          std::pair{conic, QRect(QPoint(150, 83), QPoint(206, 149))}}) {
        SCOPED_TRACE(drawing);
        ASSERT_EQ(Tool(drawing, out, "--picture povray"), 0);
        top = Saved(out);
        ASSERT_EQ(top.size(), QSize(300, 300));
        QRect filled;
        for (int y = 0; y < top.height(); ++y) {
            for (int x = 0; x < top.width(); ++x) {
                QColor colour = top.pixelColor(x, y);
                if (colour.red() > 200 && colour.green() < 150) {
                    filled |= QRect(x, y, 1, 1);
                }
            }
        }
        EXPECT_EQ(filled, expected);
    }
    // The canvas's grid line at file x = -1.
    EXPECT_LT(top.pixelColor(75, 200).red(), 250);
    EXPECT_EQ(top.pixelColor(74, 200), QColor(Qt::white));

    const std::string path = getenv("PATH");
    setenv("PATH", "/nonexistent", 1);
    EXPECT_EQ(Tool(box, out, "--picture povray"), 67);
    setenv("PATH", path.c_str(), 1);
    EXPECT_NE(err.find("Debian package povray"), std::string::npos) << err;
}
