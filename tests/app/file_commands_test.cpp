#include "AppFixture.h"
#include "dialogs/KryDialog.h"
#include "scenefile/SceneReadResult.h"
#include "toolkit/CommandIds.h"
#include "toolkit/util/TextWrapping.h"
#include "toolkit/vTextCmd.h"

namespace {

class FileCommands : public AppFixture {
protected:
    // The chooser picks `path`, or is cancelled when it is empty.
    void Pick(const std::string& path, int filter = PolygonFilter) {
        files.answer = !path.empty();
        files.path = path;
        files.filter = filter;
        files.calls = 0;
        files.seen = vFileRequest();
    }
};

}  // namespace

// A window that shows a file, or holds changes, opens another file in a new window "No prg".
TEST_F(FileCommands, OpenReadsIntoThisWindowOnlyWhenItIsEmpty) {
    const std::string other = root + "/other";
    std::filesystem::create_directories(other);
    SaveDrawing(other + "/a.prm", Prism, 1);
    const struct {
        bool titled, changed;
        int filter;
        std::string pick;
        int windows, filterAfter;
        std::string caption;
    } cases[] = {
        {false, false, AnyFileFilter, other + "/a.prm", 1, AnyFileFilter, other + "/a.prm"},
        {true, false, BothFilter, other + "/a.prm", 2, PolygonFilter, other + "/a.prm"},
        {false, true, BothFilter, "", 2, PolygonFilter, "No prg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        RunWithSettings([&](KryCmdWindow& window) {
            if (c.titled) {
                window.OpenFile((other + "/a.prm").c_str());
            }
            window.canvas->changed = c.changed;
            shapeKind = Polygon;
            fileFilterIndex = c.filter;
            Pick(c.pick, PrismFilter);
            Choose(window, Cmd::Open);
            EXPECT_EQ(files.seen.title, std::string("Open Pol/Prm File"));
            EXPECT_EQ(files.seen.filterIndex, c.filterAfter);
            EXPECT_EQ(app.WindowCount(), c.windows);
            EXPECT_EQ(Newest()->Name(), c.caption);
            EXPECT_EQ(Newest()->fileName, c.pick);
            EXPECT_EQ(std::string(lastDirectory), c.pick.empty() ? work : other);
            EXPECT_EQ(Field(*Newest(), Cmd::KindField), KindShown(!c.pick.empty()));
        });
    }
    ModalAnswers answers;
    RunWithSettings([&](KryCmdWindow& window) {
        Pick(other + "/a.prm");
        Choose(window, Cmd::Open);
        EXPECT_EQ(app.CloseAppWindow(&window), 1);
    });
    EXPECT_EQ(Read(program + "/Vexlin.ini").substr(0, other.size() + 1), other + "\n")
        << "the directory opened from is remembered at close";
}

TEST_F(FileCommands, FailedReadsShowThePointsReadAndTheNotice) {
    const struct {
        const char* name;
        const char* text;  // null: no such file
        Strings notices;
        int shown;  // "Tk= " tells how far the file got
        int kept;   // the points read, all the drawing keeps
    } cases[] = {
        {"missing.pol", nullptr, {"Unable to open file."}, 0, 0},
        {"nobrace.pol", "//\n", {"{ NOT found"}, 0, 0},
        {"header.prm", "//\n#declare Thing=prism{\n0.25,xx\n}\n", {"Prm Data BAD"}, 1, 0},
        {"body.pol",
         "//\n#declare Thing=polygon{\n4\n<0,0>\nxx\n}\n",
         {"Error in body of data"},
         1,
         1},
        {"control.prm",
         "//\n#declare Thing=prism{\ncubic_spline\n0,0.5,5\nxx\n}\n",
         {"Spline/Sweep Not right"},
         5,
         0},
        // A scene in another layout gets the specified notice, then where to turn.
        {"tri.pol",
         "polygon { 4, <0,0>, <1,0>, <0.5,1>, <0,0> }\n",
         {"Prm Data BAD", AsShown(SceneLayoutHint)},
         0,
         0},
    };
    RunWithSettings([&](KryCmdWindow& window) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            if (c.text != nullptr) {
                Write(work + "/" + c.name, c.text);
            }
            Pick(work + "/" + c.name);
            ModalAnswers answers;
            Choose(window, Cmd::Open);
            EXPECT_EQ(answers.Messages(), c.notices);
            EXPECT_EQ(Field(window, Cmd::ModeField), "Tk= " + std::to_string(c.shown));
            EXPECT_EQ(window.canvas->pointCount, c.kept);
            EXPECT_EQ(Field(window, Cmd::KindField).find("PRISM") != std::string::npos,
                      shapeKind == Prism)
                << "the kind shown is the kind the next save writes";
            EXPECT_STREQ(window.Name(), "Untitled");
            EXPECT_STREQ(window.fileName, "");
        }
        ModalAnswers answers;
        Pick(work + "/" + std::string(120, 'x') + ".pol");
        Choose(window, Cmd::Open);
        EXPECT_EQ(answers.Messages(),
                  Strings{"The file name is too long: a drawing's name may have at most 99 "
                          "characters."});
        EXPECT_STREQ(window.fileName, "");
    });
}

// Save hands the prism values to the canvas and asks for a name only for an untitled window;
// "*" stays chosen, any other filter starts from the drawing's kind.
TEST_F(FileCommands, SaveAndSaveAs) {
    const std::string missing = root + "/missing/x.pol";
    const struct {
        int command;
        bool titled;
        int kind, filter;
        std::string pick;
        int pickedFilter;
        std::string asked, caption, written;
        Strings notices;
        int filterAfter;
    } cases[] = {
        {Cmd::Save,
         false,
         Polygon,
         AnyFileFilter,
         "one",
         AnyFileFilter,
         "Save As",
         "one.pol",
         "one.pol",
         {},
         AnyFileFilter},
        {Cmd::Save,
         false,
         Prism,
         BothFilter,
         "two",
         PrismFilter,
         "Save As",
         "two.prm",
         "two.prm",
         {},
         PrismFilter},
        {Cmd::Save,
         true,
         Prism,
         BothFilter,
         "",
         0,
         "",
         "Changed to Prism",
         "t.prm",
         {},
         BothFilter},
        {Cmd::SaveAs,
         true,
         Prism,
         PolygonFilter,
         "",
         0,
         "Save As",
         "Changed to Prism",
         "",
         {},
         Prism},
        {Cmd::SaveAs,
         false,
         Polygon,
         PolygonFilter,
         "three",
         PrismFilter,
         "Save As",
         "three.prm",
         "three.prm",
         {},
         PrismFilter},
        {Cmd::SaveAs,
         false,
         Polygon,
         PolygonFilter,
         missing,
         0,
         "Save As",
         missing,
         "",
         {UnableToSave(missing + ": No such file or directory")},
         PolygonFilter},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        RunWithSettings([&](KryCmdWindow& window) {
            DrawTriangle(*window.canvas);
            if (c.titled) {
                std::snprintf(window.fileName, sizeof window.fileName, "t.prm");
            }
            shapeKind = c.kind;
            window.UpdateModeDisplay();
            window.SetWindowTitle(c.kind == Prism ? "Changed to Prism" : "Untitled");
            window.prismDialog->SetPrismValues(0.0, 0.5, CubicSpline, LinearSweep, 0, 0);
            fileFilterIndex = c.filter;
            Pick(c.pick, c.pickedFilter);
            ModalAnswers answers;
            Choose(window, c.command);
            EXPECT_EQ(files.seen.title, c.asked);
            EXPECT_EQ(answers.Messages(), c.notices);
            EXPECT_STREQ(window.Name(), c.caption.c_str());
            EXPECT_EQ(fileFilterIndex, c.filterAfter);
            const bool prism = c.written.find(".prm") != std::string::npos;
            if (!c.written.empty()) {
                EXPECT_STREQ(window.fileName, c.written.c_str());
                EXPECT_EQ(window.canvas->changed, 0);
                EXPECT_EQ(Read(c.written).find("cubic_spline") != std::string::npos, prism);
                EXPECT_EQ(Field(window, Cmd::KindField), KindShown(prism));
            }
            if (c.command == Cmd::SaveAs && c.pick.empty()) {
                EXPECT_STREQ(window.fileName, "t.prm") << "a cancelled Save as keeps the name";
            }
        });
    }
}

// A name typed without an extension is saved with one; a file already under that name is only
// replaced when the user says so, on Save as and on closing alike.
TEST_F(FileCommands, AsksBeforeReplacingTheFileTheExtensionNames) {
    const std::string question = "old.pol already exists.\n\nReplace it?";
    const struct {
        bool closing;
        int filter;
        Strings answers;
        Strings messages;
        bool replaced;
        const char* fileName;
    } cases[] = {
        {false, PolygonFilter, {" No "}, {question}, false, ""},
        {false, PolygonFilter, {" Yes "}, {question}, true, "old.pol"},
        {false, PrismFilter, {}, {}, false, "old.prm"},
        {true, PolygonFilter, {" Yes ", " Cancel "}, {SaveQuestion, question}, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(&c - cases));
        RunWithSettings([&](KryCmdWindow& window) {
            Write("old.pol", "keep");
            std::filesystem::remove("old.prm");
            DrawTriangle(*window.canvas);
            Pick("old", c.filter);
            std::vector<ModalAnswers::Answer> answers;
            for (const std::string& label : c.answers) {
                answers.push_back(ModalAnswers::Click(label.c_str()));
            }
            ModalAnswers modal(answers);
            if (c.closing) {
                EXPECT_EQ(app.CloseAppWindow(&window), 0) << "the window stays";
            } else {
                Choose(window, Cmd::SaveAs);
            }
            EXPECT_EQ(modal.Messages(), c.messages);
            EXPECT_EQ(Read("old.pol") != "keep", c.replaced);
            EXPECT_STREQ(window.fileName, c.fileName);
        });
    }
}

// Closing writes the settings first, then asks about unsaved changes: No lets them go, Cancel
// keeps the window, Yes saves and keeps the window when saving does not happen.
TEST_F(FileCommands, ClosingAsksAboutUnsavedChanges) {
    const std::string missing = root + "/missing/x.pol";
    const struct {
        bool changed;
        std::string fileName;
        const char* answer;
        std::string pick;
        int closed;
        std::string written;
        Strings messages;
    } cases[] = {
        {false, "", nullptr, "", 1, "", {}},
        {true, "", " No ", "", 1, "", {SaveQuestion}},
        {true, "", " Cancel ", "", 0, "", {SaveQuestion}},
        {true, "kept.pol", " Yes ", "", 1, "kept.pol", {SaveQuestion}},
        {true, "", " Yes ", "", 0, "", {SaveQuestion}},
        {true, "", " Yes ", "new", 1, "new.pol", {SaveQuestion}},
        {true,
         missing,
         " Yes ",
         "",
         0,
         "",
         {SaveQuestion, UnableToSave(missing + ": No such file or directory")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileName + "/" + (c.answer ? c.answer : "-") + "/" + c.pick);
        RunWithSettings([&](KryCmdWindow& window) {
            std::filesystem::remove(program + "/Vexlin.ini");
            DrawTriangle(*window.canvas);
            window.canvas->changed = c.changed;
            std::snprintf(window.fileName, sizeof window.fileName, "%s", c.fileName.c_str());
            fileFilterIndex = BothFilter;
            Pick(c.pick);
            ModalAnswers answers(
                {c.answer ? ModalAnswers::Click(c.answer) : ModalAnswers::Click(" OK ")});
            EXPECT_EQ(app.CloseAppWindow(&window), c.closed);
            EXPECT_EQ(answers.Messages(), c.messages);
            EXPECT_EQ(app.WindowCount(), 1 - c.closed);
            EXPECT_TRUE(std::filesystem::exists(program + "/Vexlin.ini")) << "settings first";
            if (!c.written.empty()) {
                EXPECT_TRUE(std::filesystem::exists(c.written));
            }
            if (files.calls > 0) {
                EXPECT_EQ(files.seen.title, std::string("Save Vexlin File As"));
                EXPECT_EQ(files.seen.filterIndex, BothFilter) << "not reset to the kind";
            }
        });
    }
}

// A prism saved under a ".pol" name is written as a polygon: Save, Save as and the Yes of the
// closing question ask first when prism values would be lost, and No writes nothing.
TEST_F(FileCommands, SavingAPrismAsAPolygonAsksFirst) {
    const std::string lost = " will be saved as a polygon: its prism values are lost. Save?";
    const struct {
        const char* what;
        int command;  // 0: closing the window
        std::string titled, pick;
        int spline;
        const char* answer;
        std::string written;
        Strings messages;
    } cases[] = {
        {"Save, Yes", Cmd::Save, "p.pol", "", CubicSpline, " Yes ", "p.pol", {"p.pol" + lost}},
        {"Save, No", Cmd::Save, "p.pol", "", CubicSpline, " No ", "", {"p.pol" + lost}},
        {"Save as, No", Cmd::SaveAs, "", "q.pol", BezierSpline, " No ", "", {"q.pol" + lost}},
        {"plain prism values", Cmd::SaveAs, "", "q.pol", LinearSpline, nullptr, "q.pol", {}},
        {"closing, No", 0, "p.pol", "", CubicSpline, " No ", "", {SaveQuestion, "p.pol" + lost}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(work + "/p.pol");
        std::filesystem::remove(work + "/q.pol");
        RunWithSettings([&](KryCmdWindow& window) {
            DrawTriangle(*window.canvas);
            std::snprintf(window.fileName, sizeof window.fileName, "%s", c.titled.c_str());
            shapeKind = Prism;
            fileFilterIndex = AnyFileFilter;
            window.prismDialog->SetPrismValues(0.0, 0.5, c.spline, LinearSweep, 0, 0);
            window.canvas->SetPrismValues(0.0, 0.5, c.spline, LinearSweep, 0, 0);
            Pick(c.pick);
            std::vector<ModalAnswers::Answer> answers;
            if (c.command == 0) {
                answers.push_back(ModalAnswers::Click(" Yes "));
            }
            if (c.answer != nullptr) {
                answers.push_back(ModalAnswers::Click(c.answer));
            }
            ModalAnswers seen(answers);
            if (c.command == 0) {
                EXPECT_EQ(app.CloseAppWindow(&window), 0) << "the window stays";
            } else {
                Choose(window, c.command);
            }
            EXPECT_EQ(seen.Messages(), c.messages);
            const bool written = std::filesystem::exists(work + "/p.pol") ||
                                 std::filesystem::exists(work + "/q.pol");
            EXPECT_EQ(written, !c.written.empty());
            if (written) {
                EXPECT_NE(Read(work + "/" + c.written).find("=polygon{"), std::string::npos);
            }
            EXPECT_EQ(window.canvas->changed, c.written.empty() ? 1 : 0);
            window.canvas->changed = 0;
        });
    }
}

// A drawing opens whole from a file that holds scene text it does not keep, and one notice
// names the first such line, since Save leaves it out.
TEST_F(FileCommands, OpeningNamesSceneTextTheDrawingDoesNotKeep) {
    Write(work + "/evil.pol",
          "#debug \"x\" //\n#declare Thing=polygon{\n4\n<0,0>\n<1,0>\n<0,1>\n<0,0>\n}\n");
    RunWithSettings([&](KryCmdWindow& window) {
        Pick(work + "/evil.pol");
        ModalAnswers answers;
        Choose(window, Cmd::Open);
        EXPECT_EQ(answers.Messages(),
                  Strings{WrappedText("line 1 holds scene text the drawing does not keep: "
                                      "\"#debug \"x\" //\"; Save leaves it out.",
                                      vTextCmd::MessageColumns)});
        EXPECT_EQ(window.canvas->pointCount, 4);
        EXPECT_EQ(std::string(window.fileName), work + "/evil.pol");
    });
}
