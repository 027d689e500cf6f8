#include <QComboBox>
#include <QLabel>

#include "AppFixture.h"
#include "dialogs/KryDialog.h"
#include "scenefile/SceneReadResult.h"
#include "toolkit/util/TextWrapping.h"
#include "toolkit/vTextCmd.h"

namespace {

// A notice as the dialog shows it: its message wrapped to the notice's width.
std::string Shown(const std::string& notice) {
    const std::string title = "Notice: ";
    return title + WrappedText(notice.substr(title.size()), vTextCmd::MessageColumns);
}

constexpr int CtrlZ = 26;

// A scene as POV-Ray's own examples are written: a header and includes, an object placed in
// the scene (line 14) and two declared for later use.
std::string Scene() {
    std::string scene = "// vase.pov: a vase and a tile\n#version 3.7;\n";
    for (const char* include :
         {"colors", "textures", "shapes", "glass", "metals", "woods", "stones", "skies"}) {
        scene += std::string("#include \"") + include + ".inc\"\n";
    }
    return scene +
           "\ncamera { location <0, 2, -6> look_at <0, 1, 0> }\nlight_source { 10 }\n"
           "prism { linear_sweep linear_spline 0, 0.5, 5,\n"
           "  <0,0>, <1,0>, <1,1>, <0,1>, <0,0> pigment { Red } }\n"
           "#declare Vase = lathe { quadratic_spline 5, <0,0>, <1,0>, <1.5,1>, <1,2>, <1.2,3> }\n"
           "#declare Tile = polygon { 4, <0,0>, <2,0>, <0,2>, <0,0> }\n";
}

class ImportInEditor : public AppFixture {
protected:
    // Notes the chooser's question and entries, picks one and presses Import.
    static ModalAnswers::Answer Pick(int entry, Strings& shown) {
        return [entry, &shown](QWidget* dialog) {
            shown.push_back(dialog->findChild<QLabel*>()->text().toStdString());
            auto* list = dialog->findChild<QComboBox*>();
            for (int k = 0; k < list->count(); ++k) {
                shown.push_back(list->itemText(k).toStdString());
            }
            list->setCurrentIndex(entry);
            emit list->activated(entry);
            ModalAnswers::ClickButton(dialog, " Import ");
        };
    }
};

// Edit > Import... lets the user choose among the file's objects and reads the one chosen into
// a new untitled window, with its kind and spline, as one change to undo; the file is left
// alone. Opening the file instead tells the reader's notice, then that the import reads it.
TEST_F(ImportInEditor, ChoosesOneOfSeveralObjectsIntoANewUntitledWindow) {
    RunWithSettings([&](KryCmdWindow& window) {
        Write(work + "/vase.pov", Scene());
        files.path = work + "/vase.pov";
        Strings shown;
        const int windows = app.WindowCount();
        ModalAnswers answers({Pick(1, shown)});
        Choose(window, Cmd::Import);
        EXPECT_STREQ(files.seen.title, "Import POV-Ray or SVG File");
        EXPECT_EQ(shown, (Strings{"vase.pov holds several objects: which one?",
                                  "prism on line 14, 4 points", "lathe Vase, 4 points",
                                  "polygon Tile, 3 points"}));
        ASSERT_EQ(app.WindowCount(), windows + 1);
        KryCmdWindow& imported = *Newest();
        EXPECT_STREQ(imported.Name(), "vase.pov (imported)");
        EXPECT_STREQ(imported.fileName, "");
        EXPECT_EQ(shapeKind, Lathe);
        EXPECT_EQ(imported.prismDialog->GetPrismValues().spline, QuadraticSpline);
        EXPECT_TRUE(imported.canvas->IsChanged());
        EXPECT_EQ(Read(work + "/vase.pov"), Scene());
        imported.HandleKey(CtrlZ, 0);
        EXPECT_EQ(imported.canvas->pointCount, 0);

        window.OpenFile((work + "/vase.pov").c_str());
        EXPECT_EQ(answers.seen, (Strings{"Import", "Notice: { NOT found",
                                         Shown(std::string("Notice: ") + SceneImportHint)}));
    });
}

// An object written inside a macro the scene never invokes is listed with the others; chosen,
// it is refused by the notice that names the macro, and no window is left.
TEST_F(ImportInEditor, AnObjectInAMacroNeverInvokedIsListedAndRefused) {
    RunWithSettings([&](KryCmdWindow& window) {
        Write(work + "/tiles.pov",
              "polygon { 4, <0,0>, <2,0>, <0,2>, <0,0> }\n"
              "#macro Tile(S) polygon { 4, <0,0>, <S,0>, <0,S>, <0,0> } #end\n");
        files.path = work + "/tiles.pov";
        Strings shown;
        const int windows = app.WindowCount();
        ModalAnswers answers({Pick(1, shown)});
        Choose(window, Cmd::Import);
        EXPECT_EQ(shown, (Strings{"tiles.pov holds several objects: which one?",
                                  "polygon on line 1, 3 points",
                                  "polygon on line 2, in the macro Tile (never invoked)"}));
        ASSERT_EQ(answers.seen.size(), 2u);
        EXPECT_NE(answers.seen[1].find("inside the macro Tile"), std::string::npos);
        EXPECT_NE(answers.seen[1].find("parameters S"), std::string::npos);
        EXPECT_EQ(app.WindowCount(), windows);
    });
}

// A cancelled choice and a file that cannot be imported leave no window; the notice says why.
TEST_F(ImportInEditor, ACancelOrABadFileChangesNothing) {
    RunWithSettings([&](KryCmdWindow& window) {
        Write(work + "/vase.pov", Scene());
        Write(work + "/sum.pov", "prism { 0, 1, 3, <0,0>, <1+Q,0>, <0,1> }\n");
        Write(work + "/sphere.inc", "sphere { 0, 1 }\n");
        std::filesystem::create_directory(work + "/folder.pov");
        const struct {
            const char* file;
            const char* answer;
            std::string said;
        } cases[] = {
            {"vase.pov", " Cancel ", "Import"},
            {"sum.pov", " OK ", ": line 1: Q is not declared"},
            {"sphere.inc", " OK ", ": No prism, polygon, lathe or sor object found"},
            {"gone.pov", " OK ", ": the file cannot be read (No such file or directory)."},
            {"folder.pov", " OK ", ": the file cannot be read (not a regular file)."},
        };
        const int windows = app.WindowCount();
        for (const auto& c : cases) {
            files.path = work + "/" + c.file;
            ModalAnswers answers({ModalAnswers::Click(c.answer)});
            Choose(window, Cmd::Import);
            const std::string said =
                c.said[0] == ':' ? "Notice: Unable to import " + files.path + c.said : c.said;
            ASSERT_EQ(answers.seen.size(), 1u) << c.file;
            const std::string shown = c.said[0] == ':' ? Shown(said) : said;
            EXPECT_EQ(answers.seen[0].substr(0, shown.size()), shown);
            EXPECT_EQ(app.WindowCount(), windows) << c.file;
            EXPECT_EQ(shapeKind, Polygon) << c.file;
        }
    });
}

// A scene or include file dropped on a window or on the frame is imported into a window of its
// own, the importer's notes in one notice.
TEST_F(ImportInEditor, DroppedScenesAreImported) {
    RunWithSettings([&](KryCmdWindow& window) {
        Write(work + "/tile.pov", "polygon { 4, <0,0>, <2,0>, <0,2>, <0,0>\n pigment { Red } }");
        std::filesystem::copy(work + "/tile.pov", work + "/TILE.INC");
        for (const std::string file : {"tile.pov", "TILE.INC"}) {
            for (bool onWindow : {true, false}) {
                const std::string path = work + "/" + file;
                const int windows = app.WindowCount();
                ModalAnswers answers;
                onWindow ? window.OnWindowFileDropped(path.c_str())
                         : app.OnFileDropped(path.c_str());
                EXPECT_EQ(answers.seen,
                          Strings{"Notice: Imported, with changes to fit the drawing:\n- line 2: "
                                  "the object's modifiers (pigment ...) are not imported"});
                ASSERT_EQ(app.WindowCount(), windows + 1) << file;
                EXPECT_EQ(Newest()->Name(), file + " (imported)");
                EXPECT_EQ(Newest()->canvas->pointCount, 4);
            }
        }
    });
}

}  // namespace
