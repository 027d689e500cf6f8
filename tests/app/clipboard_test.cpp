#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "AppFixture.h"
#include "dialogs/KryDialog.h"
#include "scenefile/SceneKind.h"
#include "toolkit/platform/qt/QtClipboard.h"
#include "toolkit/platform/vPlatformOverride.h"

namespace {

constexpr int CtrlC = 3;
constexpr int CtrlV = 22;
constexpr int CtrlZ = 26;
constexpr int CtrlY = 25;

class ClipboardInEditor : public AppFixture {
protected:
    static std::string Written(const KCanvasPane& canvas, int kind) {
        std::string text;
        int written = kind;
        canvas.SceneFileText("", FilterOfKind(kind), text, written);
        return text;
    }
    static void Clip(const char* text) { QGuiApplication::clipboard()->setText(text); }

    QtClipboard clipboard;
    vPlatformOverride<vClipboardPlatform> clipboardInstalled{&vPlatform::clipboard, &clipboard};
};

// Copy gives the text Save would write and the SVG export; pasted into an empty polygon window
// it gives the same drawing with the prism's kind and values, which undo takes back and redo
// brings again. What the writer refuses is not copied.
TEST_F(ClipboardInEditor, CopiesAndPastesTheDrawingWithItsKind) {
    RunWithSettings([&](KryCmdWindow&) {
        KryCmdWindow& prism = *KryApp::OpenDrawingWindow("Prm");
        DrawTriangle(*prism.canvas);
        const PrismValues values{-0.5, 2, CubicSpline, ConicSweep, 1, 1};
        prism.canvas->SetPrismValues(values);
        prism.HandleKey(CtrlC, 0);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        EXPECT_EQ(data->text().toStdString(), Written(*prism.canvas, Prism));
        EXPECT_NE(data->data("image/svg+xml").indexOf("<svg"), -1);

        KryCmdWindow& polygon = *KryApp::OpenDrawingWindow("Pol");
        polygon.HandleKey(CtrlV, 0);
        EXPECT_EQ(shapeKind, Prism);
        EXPECT_EQ(Written(*polygon.canvas, Prism), Written(*prism.canvas, Prism));
        EXPECT_TRUE(polygon.prismDialog->GetPrismValues() == values);
        EXPECT_EQ(Field(polygon, Cmd::KindField), KindShown(true));
        polygon.HandleKey(CtrlZ, 0);
        EXPECT_EQ(polygon.canvas->pointCount, 0);
        EXPECT_EQ(shapeKind, Polygon);
        EXPECT_TRUE(polygon.prismDialog->GetPrismValues() == PrismValues{});
        EXPECT_EQ(Field(polygon, Cmd::KindField), KindShown(false));
        polygon.HandleKey(CtrlY, 0);
        EXPECT_EQ(shapeKind, Prism);
        EXPECT_EQ(polygon.canvas->pointCount, 4);

        // Into a drawing with sets the outlines are added and nothing else changes.
        Choose(polygon, Cmd::Paste);
        EXPECT_EQ(polygon.canvas->setCount, 2);
        EXPECT_TRUE(polygon.canvas->GetPrismValues() == values);

        // A lathe the writer would refuse is not copied; the notice says which rule it breaks.
        KryCmdWindow& lathe = *KryApp::OpenDrawingWindow("Lat");
        Choose(lathe, Cmd::KindLathe);
        DrawTriangle(*lathe.canvas);
        ModalAnswers answers;
        lathe.HandleKey(CtrlC, 0);
        ASSERT_EQ(answers.seen.size(), 1u);
        EXPECT_EQ(answers.seen[0].rfind("Notice: The drawing cannot be copied: ", 0), 0u);
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
                  Written(*prism.canvas, Prism));
    });
}

// What cannot be pasted says why in a notice and changes nothing; the importer's notes show
// in one notice after a paste.
TEST_F(ClipboardInEditor, TellsWhyAPasteIsRefusedOrChanged) {
    RunWithSettings([&](KryCmdWindow& window) {
        KCanvasPane& canvas = *window.canvas;
        const struct {
            const char* clipped;
            bool open;
            const char* notice;
        } cases[] = {
            {"no outline here", false, "Notice: Nothing to paste: "},
            {"M 0 0 L 75 0 L 0 75 Z", true, "Notice: The drawing has a set left open"},
            {"M 0 0 C 20 -40 55 -40 75 0 L 0 75 Z", false,
             "Notice: Pasted, with changes to fit the drawing:\n- Curves were made"},
        };
        for (const auto& c : cases) {
            canvas.EmptyDrawing();
            if (c.open) {
                canvas.OnMouseDown(10, 10, 1);
                canvas.OnMouseUp(10, 10, 1);
            }
            Clip(c.clipped);
            const int points = canvas.pointCount;
            ModalAnswers answers;
            window.HandleKey(CtrlV, 0);
            ASSERT_EQ(answers.seen.size(), 1u) << c.clipped;
            EXPECT_EQ(answers.seen[0].rfind(c.notice, 0), 0u) << answers.seen[0];
            EXPECT_EQ(canvas.pointCount > points, c.notice[8] == 'P') << c.clipped;
        }
    });
}

}  // namespace
