#include <QComboBox>
#include <QLabel>

#include "AppFixture.h"
#include "dialogs/KryDialog.h"
#include "scenefile/SceneReadResult.h"

namespace {

constexpr int CtrlZ = 26;

// A scene written as POV-Ray's own examples are: a header, the version and the includes, a
// camera, a light, an object placed in the scene and two declared for later use.
const char* const Scene = R"(// Persistence of Vision Ray Tracer Scene Description File
// File: vase.pov
// Desc: a vase and a tile

#version 3.7;

#include "colors.inc"
#include "textures.inc"
#include "shapes.inc"
#include "glass.inc"
#include "metals.inc"
#include "woods.inc"

camera { location <0, 2, -6> look_at <0, 1, 0> }
light_source { <10, 20, -10> color White }
prism {
  linear_sweep linear_spline
  0, 0.5, 5,
  <0,0>, <1,0>, <1,1>, <0,1>, <0,0>
  pigment { Red }
}
#declare Vase = lathe {
  quadratic_spline
  5, <0,0>, <1,0>, <1.5,1>, <1,2>, <1.2,3>
}
#declare Tile = polygon { 4, <0,0>, <2,0>, <0,2>, <0,0> }
object { Vase pigment { Blue } }
)";

class ImportInEditor : public AppFixture {
protected:
    // Notes the chooser's question and entries, picks one and presses Import.
    static ModalAnswers::Answer Pick(int entry, Strings& listed) {
        return [entry, &listed](QWidget* dialog) {
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                if (!label->text().isEmpty()) {
                    listed.push_back(label->text().toStdString());
                }
            }
            auto* list = dialog->findChild<QComboBox*>();
            for (int k = 0; k < list->count(); ++k) {
                listed.push_back(list->itemText(k).toStdString());
            }
            list->setCurrentIndex(entry);
            emit list->activated(entry);
            ModalAnswers::ClickButton(dialog, " Import ");
        };
    }
    static bool Begins(const std::string& text, const std::string& start) {
        return text.rfind(start, 0) == 0;
    }
};

// Edit > Import... asks for the file, lets the user choose among its objects and reads the one
// chosen into a new untitled window, with its kind and prism values, as one change to undo;
// the file itself is left alone.
TEST_F(ImportInEditor, ChoosesOneOfSeveralObjectsIntoANewUntitledWindow) {
    RunWithSettings([&](KryCmdWindow& window) {
        Write(work + "/scene.pov", Scene);
        files.path = work + "/scene.pov";
        Strings listed;
        const int windows = app.WindowCount();
        {
            ModalAnswers answers({Pick(1, listed)});
            Choose(window, Cmd::Import);
            EXPECT_EQ(answers.seen, Strings{"Import"});
        }
        EXPECT_STREQ(files.seen.title, "Import POV-Ray or SVG File");
        EXPECT_EQ(listed, (Strings{"scene.pov holds several objects: which one?",
                                   "prism on line 16, 4 points", "lathe Vase, 4 points",
                                   "polygon Tile, 3 points"}));
        ASSERT_EQ(app.WindowCount(), windows + 1);
        KryCmdWindow& imported = *Newest();
        EXPECT_STREQ(imported.Name(), "scene.pov (imported)");
        EXPECT_STREQ(imported.fileName, "");
        EXPECT_EQ(shapeKind, Lathe);
        EXPECT_EQ(imported.canvas->splineType, QuadraticSpline);
        EXPECT_EQ(imported.prismDialog->GetPrismValues().spline, QuadraticSpline);
        EXPECT_EQ(imported.canvas->setCount, 1);
        EXPECT_TRUE(imported.canvas->IsChanged());
        EXPECT_EQ(Read(work + "/scene.pov"), Scene);
        imported.HandleKey(CtrlZ, 0);
        EXPECT_EQ(imported.canvas->pointCount, 0);
    });
}

// A cancelled choice and a file that cannot be imported leave no window; the notice says why.
TEST_F(ImportInEditor, ACancelOrABadFileChangesNothing) {
    RunWithSettings([&](KryCmdWindow& window) {
        Write(work + "/scene.pov", Scene);
        Write(work + "/sum.pov", "prism { 0, 1, 3, <0,0>, <1+1,0>, <0,1> }\n");
        Write(work + "/sphere.inc", "sphere { 0, 1 }\n");
        struct Case {
            const char* file;
            ModalAnswers::Answer answer;
            std::string said;
        } cases[] = {
            {"scene.pov", ModalAnswers::Click(" Cancel "), "Import"},
            {"sum.pov", ModalAnswers::Click(" OK "),
             "Notice: Unable to import " + work + "/sum.pov: line 1: '+' is not supported"},
            {"sphere.inc", ModalAnswers::Click(" OK "),
             "Notice: Unable to import " + work +
                 "/sphere.inc: No prism, polygon, lathe or sor object found"},
            {"gone.pov", ModalAnswers::Click(" OK "),
             "Notice: Unable to import " + work + "/gone.pov: the file cannot be read."},
        };
        const int windows = app.WindowCount();
        const int kind = shapeKind;
        for (const Case& c : cases) {
            files.path = work + "/" + c.file;
            ModalAnswers answers({c.answer});
            Choose(window, Cmd::Import);
            ASSERT_EQ(answers.seen.size(), 1u) << c.file;
            EXPECT_TRUE(Begins(answers.seen[0], c.said)) << answers.seen[0];
            EXPECT_EQ(app.WindowCount(), windows) << c.file;
            EXPECT_EQ(shapeKind, kind) << c.file;
        }
    });
}

// Opening a scene keeps the reader's notice and then says that the import reads it.
TEST_F(ImportInEditor, OpeningASceneSaysThatImportReadsIt) {
    RunWithSettings([&](KryCmdWindow& window) {
        Write(work + "/scene.pov", Scene);
        ModalAnswers answers;
        window.OpenFile((work + "/scene.pov").c_str());
        EXPECT_EQ(answers.seen,
                  (Strings{"Notice: { NOT found", std::string("Notice: ") + SceneImportHint}));
        EXPECT_STREQ(window.fileName, "");
    });
}

// A scene or include file dropped on a window or on the frame is imported into a window of its
// own, the importer's notes in one notice.
TEST_F(ImportInEditor, DroppedScenesAreImported) {
    RunWithSettings([&](KryCmdWindow& window) {
        Write(work + "/tile.pov",
              "// a tile\npolygon { 4, <0,0>, <2,0>, <0,2>, <0,0>\n"
              "  pigment { color rgb 1 } }\n");
        std::filesystem::copy(work + "/tile.pov", work + "/TILE.INC");
        const std::function<void(const std::string&)> drops[] = {
            [&](const std::string& path) { window.OnWindowFileDropped(path.c_str()); },
            [&](const std::string& path) { app.OnFileDropped(path.c_str()); },
        };
        for (const std::string file : {"tile.pov", "TILE.INC"}) {
            for (const auto& drop : drops) {
                const int windows = app.WindowCount();
                ModalAnswers answers;
                drop(work + "/" + file);
                EXPECT_EQ(answers.seen,
                          Strings{"Notice: Imported, with changes to fit the drawing:\n- line 3: "
                                  "the object's modifiers (pigment ...) are not imported"});
                ASSERT_EQ(app.WindowCount(), windows + 1) << file;
                EXPECT_EQ(Newest()->Name(), file + " (imported)");
                EXPECT_EQ(Newest()->canvas->pointCount, 4);
                EXPECT_EQ(shapeKind, Polygon);
            }
        }
    });
}

}  // namespace
