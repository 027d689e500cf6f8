#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "model/EditState.h"
#include "model/KCanvasPane.h"
#include "preview/PovrayMessages.h"
#include "preview/PreviewFolder.h"
#include "preview/PreviewRenderer.h"
#include "preview/PreviewWindow.h"
#include "scenefile/SceneKind.h"
#include "support/CanvasSceneFiles.h"
#include "tests/preview/FakeProcessRunner.h"
#include "tests/preview/PreviewFakes.h"
#include "tests/scenefile/SceneFileTestSupport.h"
#include "tests/toolkit/FakeWindowPlatform.h"

namespace {

namespace fs = std::filesystem;

// Any program on the search path stands in for POV-Ray while the runner is a fake.
const char* const PresentProgram = "sh";

std::string ImageOf(const FakeProcessRunner::Run& run) {
    for (const std::string& argument : run.arguments) {
        if (argument.compare(0, 2, "+O") == 0) {
            return run.folder + "/" + argument.substr(2);
        }
    }
    return "";
}

// Finishes a run as POV-Ray does when it made its picture.
void FinishWithPicture(FakeProcessRunner& runner, int id, const std::string& output = "") {
    PutFile(ImageOf(runner.runs.at(id - 1)), "picture");
    vProcessResult result;
    result.outcome = vProcessResult::Exited;
    result.exitStatus = 0;
    result.output = output;
    runner.Finish(id, result);
}

// A renderer with a fake runner, a folder of its own and a display that records.
struct Rig {
    explicit Rig(const std::string& program = PresentProgram)
        : renderer(display, folder, program) {}
    FakeProcessRunner runner;
    PreviewFolder folder;
    RecordingDisplay display;
    PreviewRenderer renderer;
};

// A PNG file from its signature to its image-end chunk, or cut short as while POV-Ray writes it.
std::string Png(bool whole) {
    const std::string png = std::string("\x89PNG\r\n\x1a\n", 8) + std::string(40, 'x') +
                            std::string("IEND\xae\x42\x60\x82", 8);
    return whole ? png : png.substr(0, 30);
}

TEST(PreviewRenderer, SketchesEveryChangeAtOnceAndRendersItOnceSettledStoppingTheOvertakenRender) {
    Rig rig;
    auto& [runner, folder, display, renderer] = rig;
    renderer.Update(SceneOf("A"), 0);
    EXPECT_EQ(runner.Live(), (std::vector<int>{1, 2}));
    EXPECT_EQ(display.sketches, 2);
    EXPECT_TRUE(display.busy);
    struct Step {
        const char* scene;
        long time;
        std::vector<int> live;
        int sketches;
    } steps[] = {
        {"B", 100, {}, 4},  // a change stops the render it overtakes and is sketched at once
        {"C", 200, {}, 6},  // a further change starts the wait again
        {"C", 349, {}, 6},
        {"C", 350, {3, 4}, 6},   // settled
        {"C", 5000, {3, 4}, 6},  // nothing new, nothing started
        {"B", 5100, {}, 8},
        {"C", 5150, {}, 8},  // back to a scene whose render was stopped: rendered again; the
                             // sketch waits for the last one to be old enough
        {"C", 5300, {5, 6}, 10},
    };
    for (const Step& step : steps) {
        renderer.Update(SceneOf(step.scene), step.time);
        EXPECT_EQ(runner.Live(), step.live) << step.time;
        EXPECT_EQ(display.sketches, step.sketches) << step.time;
        EXPECT_TRUE(display.busy) << step.time;
    }
    EXPECT_TRUE(runner.runs[0].cancelled && runner.runs[1].cancelled);
    // A late word from a cancelled run changes nothing.
    FinishWithPicture(runner, 1);
    EXPECT_EQ(display.pictures, (std::vector<std::string>{"-", "-"}));
    // A picture is shown once POV-Ray has written it whole, before the program has ended.
    for (bool whole : {false, true}) {
        PutFile(ImageOf(runner.runs[4]), Png(whole));
        renderer.Update(SceneOf("C"), 5400);
        EXPECT_EQ(display.pictures[0], whole ? ImageOf(runner.runs[4]) : "-");
    }
    FinishWithPicture(runner, 5);
    EXPECT_TRUE(display.busy);
    FinishWithPicture(runner, 6, "Parse Warning: Polygon not closed. Closing it.\n");
    EXPECT_FALSE(display.busy);
    EXPECT_EQ(display.pictures,
              (std::vector<std::string>{ImageOf(runner.runs[4]), ImageOf(runner.runs[5])}));
    EXPECT_EQ(display.messages, "Warning: Polygon not closed. Closing it.\n");
    for (const FakeProcessRunner::Run& run : runner.runs) {
        EXPECT_EQ(run.folder, folder.Path());
        EXPECT_EQ(run.program, PresentProgram);
    }
}

TEST(PreviewRenderer, WithoutPovraySaysSoNamesThePackageAndRendersOnceItIsThere) {
    for (bool withRunner : {false, true}) {
        auto runner = withRunner ? std::make_unique<FakeProcessRunner>() : nullptr;
        PreviewFolder folder;
        RecordingDisplay display;
        PreviewRenderer renderer(display, folder, "vexlin-fake-povray");
        renderer.Update(SceneOf("A"), 0);
        EXPECT_NE(display.messages.find("POV-Ray is not installed"), std::string::npos);
        EXPECT_NE(display.messages.find("Debian package povray"), std::string::npos);
        EXPECT_EQ(display.pictures, (std::vector<std::string>{"", ""}));
        EXPECT_FALSE(display.busy);
        if (runner != nullptr) {
            EXPECT_TRUE(runner->runs.empty());
            TempDir bin;
            PutFile(bin.File("vexlin-fake-povray"), "#!/bin/sh\n");
            chmod(bin.File("vexlin-fake-povray").c_str(), 0755);
            const std::string path = std::getenv("PATH");
            setenv("PATH", (bin.Path() + ":" + path).c_str(), 1);
            renderer.Update(SceneOf("A"), 100);
            setenv("PATH", path.c_str(), 1);
            EXPECT_EQ(runner->Live(), (std::vector<int>{1, 2}));
        }
    }
}

// What POV-Ray is handed is what a save writes, and looking changes nothing in the editor.
TEST(PreviewRenderer, HandsPovrayExactlyWhatSaveWrites) {
    struct Row {
        const char* name;
        int kindChoice;
        int kindBefore;
        const char* extension;
    } rows[] = {
        {"Untitled", Prism, Polygon, ".prm"},
        {"Untitled", 3, Prism, ".prm"},
        {"star.pol", Prism, Prism, ".pol"},
        {"star", Polygon, Prism, ".pol"},
    };
    KCanvasPane canvas(nullptr);
    canvas.GenerateShape(5, 1.0, 0, 0.5, ShapeStar);
    canvas.SetPrismValues(0.1, 0.7, CubicSpline, ConicSweep, 1, 0);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        shapeKind = row.kindBefore;
        canvas.changed = 1;
        Rig rig;
        auto& [runner, folder, display, renderer] = rig;
        renderer.Update(PreviewScene::Of(canvas, row.name, row.kindChoice), 0);
        EXPECT_EQ(shapeKind, row.kindBefore);
        EXPECT_EQ(canvas.changed, 1);
        std::vector<fs::path> drawings;
        for (const auto& entry : fs::directory_iterator(folder.Path())) {
            if (entry.path().stem().string().rfind("drawing", 0) == 0) {
                drawings.push_back(entry.path());
            }
        }
        ASSERT_EQ(drawings.size(), 1u);
        EXPECT_EQ(drawings[0].extension(), row.extension);
        TempDir saved;
        char fileName[100];
        std::snprintf(fileName, sizeof fileName, "%s", saved.File(row.name).c_str());
        ASSERT_TRUE(SaveSceneFile(canvas, fileName, row.kindChoice));
        EXPECT_EQ(FileText(drawings[0].string()), FileText(fileName));
    }
    shapeKind = Polygon;
    // What the writer refuses is not handed to POV-Ray either.
    canvas.points[3].x = HUGE_VAL;
    Rig refused;
    refused.renderer.Update(PreviewScene::Of(canvas, "star", Prism), 0);
    EXPECT_TRUE(refused.runner.runs.empty());
    EXPECT_EQ(refused.display.messages, NotFiniteMessage);
}

// A lathe is sketched and seen from the front and written with sturm, which face on it needs; one
// that breaks rules is neither sketched nor rendered, and the messages list every rule it breaks.
TEST(PreviewRenderer, LathesFromTheFrontAndTheRulesTheyBreak) {
    KCanvasPane canvas(nullptr);
    AddSet(canvas, {{0.5, -1}, {1, 0}, {0.4, 1}});
    canvas.splineType = QuadraticSpline;
    PreviewScene scene = PreviewScene::Of(canvas, "vase", FilterOfKind(Lathe));
    EXPECT_TRUE(scene.Writable());
    EXPECT_EQ(scene.kind, Lathe);
    EXPECT_NE(scene.text.find("\r\nsturm\r\n}"), std::string::npos) << scene.text;
    const std::string front = PovrayViews::Scene(PovrayViews::TopView, "d.lat", Lathe, 300, 300);
    EXPECT_NE(front.find("direction <0, 0, 1>"), std::string::npos) << front;
    EXPECT_EQ(front.find("rotate 90 * x"), std::string::npos) << "a lathe stands as it is";
    Rig turned;
    turned.renderer.Update(scene, 0);
    EXPECT_EQ(turned.display.sketches, 2);
    EXPECT_EQ(turned.display.captions[0], "Front view");

    canvas.points[1].x = -75;
    canvas.points[2].x = -30;
    Rig refused;
    refused.renderer.Update(PreviewScene::Of(canvas, "vase.lat", 0), 0);
    EXPECT_TRUE(refused.runner.runs.empty());
    EXPECT_EQ(refused.display.sketches, 0);
    EXPECT_EQ(refused.display.captions, (std::vector<std::string>{"Front view", "-"}));
    refused.renderer.Update(SceneOf("a prism"), 1000);
    refused.renderer.Update(SceneOf("a prism"), 1000 + PreviewRenderer::SettleMilliseconds);
    EXPECT_EQ(refused.display.captions[0], "Top view");
    refused.renderer.Update(PreviewScene::Of(canvas, "vase.lat", 0), 2000);
    refused.renderer.Update(PreviewScene::Of(canvas, "vase.lat", 0),
                            2000 + PreviewRenderer::SettleMilliseconds);
    EXPECT_EQ(refused.display.messages,
              std::string(BrokenRulesMessage) +
                  "Set 1, point 2 (-1, 0): a lathe must not have a radius x below 0.\n"
                  "Set 1, point 3 (-0.4, 1): a lathe must not have a radius x below 0.\n");
}

TEST(PovrayMessages, ErrorsAndWarningsInPlainWords) {
    struct Row {
        const char* output;
        const char* plain;
    } rows[] = {
        {"File 'drawing-1.prm' line 9: Parse Warning: Prism not closed. Ignoring it.\n"
         "File 'drawing-1.prm' line 9: Possible Parse Error: Too few points in prism.\n"
         "Fatal error in parser: Uncategorized error.\nRender failed\n",
         "Warning in line 9: Prism not closed. Ignoring it.\n"
         "Error in line 9: Too few points in prism.\n"},
        // Long messages go on in lines that start with a blank.
        {"File 'drawing-1.prm' line 3: Parse Error: Prism with linear splines must have at "
         "least\n three points.\r\n",
         "Error in line 3: Prism with linear splines must have at least three points.\n"},
        // A message about another file names no line; both views say the same once.
        {"File 'top-1.pov' line 4: Parse Warning: No objects in scene.\n"
         "File 'top-1.pov' line 4: Parse Warning: No objects in scene.\n",
         "Warning: No objects in scene.\n"},
        {"povray: cannot open the user configuration file /root/.povray/3.7/povray.conf\n"
         "Persistence of Vision(tm) Ray Tracer Version 3.7\n==== [Parsing...] ====\n"
         "POV-Ray finished\n",
         ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(PlainPovrayMessages(row.output, "drawing-1.prm"), row.plain) << row.output;
    }
}

// The real POV-Ray renders both views of what the writer writes, or says in words why not.
TEST(PreviewRenderer, PovrayRendersBothViewsOrSaysWhyNot) {
    struct Row {
        const char* description;
        int kind;
        int spline;
        bool closed;
        bool pictures;
        const char* message;
    } rows[] = {
        {"cubic star prism", Prism, CubicSpline, true, true, "no error and no warning"},
        {"bezier star polygon", Polygon, BezierSpline, true, true, "no error and no warning"},
        {"unfinished quadratic prism", Prism, QuadraticSpline, false, false,
         "Error in line 12: Too few points in prism."},
        {"unfinished polygon", Polygon, LinearSpline, false, true,
         "Warning in line 11: Polygon not closed. Closing it."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.description);
        KCanvasPane canvas(nullptr);
        canvas.GenerateShape(5, 1.0, 0, 0.5, ShapeStar);
        canvas.splineType = row.spline;
        if (!row.closed) {
            canvas.setCount = 0;
            canvas.pointCount = 5;
        }
        Rig rig("povray");
        auto& [runner, folder, display, renderer] = rig;
        renderer.Update(PreviewScene::Of(canvas, "Untitled", row.kind), 0);
        ASSERT_EQ(runner.Live(), (std::vector<int>{1, 2}));
        runner.RunForReal(1);
        runner.RunForReal(2);
        EXPECT_EQ(!display.pictures[0].empty() && !display.pictures[1].empty(), row.pictures);
        EXPECT_NE(display.messages.find(row.message), std::string::npos) << display.messages;
    }
}

TEST(PreviewWindow, OpensOnceAndRemovesItsFolderWhenClosedOrGone) {
    FakeWindowPlatform timers;
    FakeImageWindows windows;
    FakeProcessRunner runner;
    std::string folder;
    {
        auto source = [] { return SceneOf("A"); };
        PreviewWindow preview(PresentProgram);
        ASSERT_TRUE(preview.Open("POV-Ray preview", source));
        folder = preview.FolderPath();
        EXPECT_TRUE(fs::is_directory(folder));
        EXPECT_EQ(runner.Live().size(), 2u);
        EXPECT_TRUE(preview.Open("POV-Ray preview", source));
        EXPECT_EQ(windows.created, 1);
        EXPECT_EQ(windows.raised, 1);
        windows.events->ImageWindowClosed();
        EXPECT_FALSE(preview.IsOpen());
        EXPECT_FALSE(fs::exists(folder));
        EXPECT_TRUE(runner.Live().empty());
        EXPECT_EQ(windows.destroyed, 1);
        ASSERT_TRUE(preview.Open("POV-Ray preview", source));
        folder = preview.FolderPath();
        EXPECT_TRUE(fs::is_directory(folder));
    }
    // The program ends with the window open.
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_EQ(windows.destroyed, 2);
}

// A preview folder left by a killed editor goes with the next preview; nothing else does.
TEST(PreviewFolder, RemovesOnlyTheFoldersOfEditorsThatHaveGone) {
    const pid_t gone = fork();
    if (gone == 0) {
        _exit(0);
    }
    ASSERT_GT(gone, 0);
    ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
    const std::string root = fs::temp_directory_path() / "vexlin-left-folders-XXXXXX";
    std::string made = root;
    ASSERT_NE(mkdtemp(made.data()), nullptr);
    const std::string previous = getenv("TMPDIR") ? getenv("TMPDIR") : "";
    setenv("TMPDIR", made.c_str(), 1);
    const std::string dead = std::to_string(gone), alive = std::to_string(getpid());
    const struct {
        std::string name;
        bool folder;
        bool kept;
    } rows[] = {
        {"vexlin-preview-" + dead + "-a1b2c3", true, false},
        {"vexlin-preview-" + alive + "-a1b2c3", true, true},
        {"vexlin-preview-" + dead + "-file", false, true},
        {"vexlin-preview-a1b2c3", true, true},
        {"vexlin-preview--" + dead + "-a1b2c3", true, true},
        {"other-" + dead + "-a1b2c3", true, true},
    };
    for (const auto& row : rows) {
        const fs::path path = fs::path(made) / row.name;
        if (row.folder) {
            fs::create_directory(path);
            PutFile((path / "picture.png").string(), "picture");
        } else {
            PutFile(path.string(), "file");
        }
    }
    {
        PreviewFolder folder;
        ASSERT_TRUE(folder.Ready());
        EXPECT_EQ(fs::path(folder.Path()).parent_path(), fs::path(made));
        EXPECT_EQ(
            fs::path(folder.Path()).filename().string().rfind("vexlin-preview-" + alive + "-", 0),
            0u);
        for (const auto& row : rows) {
            EXPECT_EQ(fs::exists(fs::path(made) / row.name), row.kept) << row.name;
        }
    }
    previous.empty() ? unsetenv("TMPDIR") : setenv("TMPDIR", previous.c_str(), 1);
    fs::remove_all(made);
}

}  // namespace
