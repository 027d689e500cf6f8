#include <QClipboard>
#include <QGuiApplication>

#include "AppFixture.h"
#include "dialogs/KryDialog.h"
#include "model/PointTable.h"
#include "preview/PreviewScene.h"
#include "scenefile/SceneKind.h"
#include "toolkit/platform/qt/QtClipboard.h"
#include "toolkit/platform/vPlatformOverride.h"

namespace {

constexpr int CtrlC = 3;
constexpr int CtrlZ = 26;

class PrismValuesAtOk : public AppFixture {
protected:
    // Shows the dialog, clicks the buttons with these labels and presses OK.
    void ChooseValues(KryCmdWindow& window, std::vector<const char*> labels) {
        Choose(window, Cmd::PrismValues);
        auto* host = dynamic_cast<QtControlHost*>(&window.prismDialog->Host());
        ASSERT_NE(host, nullptr);
        labels.push_back(" OK ");
        for (const char* label : labels) {
            ModalAnswers::ClickButton(host->Window(), label);
        }
        ASSERT_FALSE(window.prismDialog->IsDisplayed());
    }
    static std::string Written(const KCanvasPane& canvas, int kind) {
        std::string text;
        int written = kind;
        canvas.SceneFileText("", FilterOfKind(kind), text, written);
        return text;
    }
    static bool Holds(const std::string& text, const char* part) {
        return text.find(part) != std::string::npos;
    }

    QtClipboard clipboard;
    vPlatformOverride<vClipboardPlatform> clipboardInstalled{&vPlatform::clipboard, &clipboard};
};

}  // namespace

// OK makes the chosen values the drawing's at once, as one undo step that marks it changed:
// a lathe's canvas, what is copied and previewed, and the point table show them.
TEST_F(PrismValuesAtOk, EveryAddedViewFollowsAtOnce) {
    RunWithSettings([&](KryCmdWindow& window) {
        KCanvasPane& canvas = *window.canvas;
        Choose(window, Cmd::KindLathe);
        DrawTriangle(canvas, 60);
        canvas.SetChanged(false);
        const size_t steps = window.history.Steps().UndoSteps();
        ChooseValues(window, {"Cubic", "Open"});
        EXPECT_EQ(canvas.changed, 1);
        EXPECT_EQ(window.history.Steps().UndoSteps(), steps + 1);
        EXPECT_EQ(canvas.CurveSpline(), CubicSpline);
        const std::string text = Written(canvas, Lathe);
        EXPECT_TRUE(Holds(text, "cubic_spline") && Holds(text, "open")) << text;
        window.HandleKey(CtrlC, 0);
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), text);
        const PreviewScene scene =
            PreviewScene::Of(canvas, window.fileName, window.KindChoiceToWrite());
        EXPECT_TRUE(Holds(scene.text, "cubic_spline") && Holds(scene.text, "open")) << scene.text;
        EXPECT_FALSE(PointTable::Rows(canvas, Lathe)[0].cells[PointTable::Handle1X].empty());

        window.HandleKey(CtrlZ, 0);
        EXPECT_EQ(canvas.splineType, LinearSpline);
        EXPECT_TRUE(window.prismDialog->GetPrismValues() == canvas.GetPrismValues())
            << "saving must not hand the undone values over again";
        ChooseValues(window, {});
        EXPECT_EQ(window.history.Steps().UndoSteps(), steps) << "the same values are no step";
    });
}

// A prism's own curve construction keeps to the values handed over until Control (every
// specified pixel stays), while POV-Ray's curves and a paste follow the dialog at once.
TEST_F(PrismValuesAtOk, APrismsConstructionWaitsForControlWhilePasteFollows) {
    RunWithSettings([&](KryCmdWindow& window) {
        KCanvasPane& canvas = *window.canvas;
        Choose(window, Cmd::KindPrism);
        DrawTriangle(canvas);
        ChooseValues(window, {"Bezier"});
        EXPECT_EQ(canvas.splineType, BezierSpline);
        EXPECT_EQ(canvas.CurveSpline(), LinearSpline);
        Choose(window, Cmd::PovrayCurves);
        EXPECT_EQ(canvas.CurveSpline(), BezierSpline);
        Choose(window, Cmd::PovrayCurves);
        EXPECT_EQ(canvas.CurveSpline(), LinearSpline);

        QGuiApplication::clipboard()->setText(
            "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 100 100\">"
            "<path d=\"M10 10 C 30 0 60 0 80 10 L 40 80 Z\"/></svg>");
        {
            ModalAnswers answers;
            Choose(window, Cmd::Paste);
            for (const std::string& message : answers.Messages()) {
                EXPECT_FALSE(Holds(message, "straight segments")) << message;
            }
        }
        EXPECT_EQ(canvas.setCount, 2);
        Choose(window, Cmd::SetControl);
        EXPECT_EQ(canvas.CurveSpline(), BezierSpline);
    });
}

// Yes to the closing question saves the drawing with the values the dialog holds.
TEST_F(PrismValuesAtOk, ClosingWithYesSavesTheDialogsValues) {
    RunWithSettings([&](KryCmdWindow& window) {
        Choose(window, Cmd::KindPrism);
        DrawTriangle(*window.canvas);
        std::snprintf(window.fileName, sizeof window.fileName, "c.prm");
        window.prismDialog->SetPrismValues(0.0, 0.5, CubicSpline, LinearSweep, 0, 0);
        ModalAnswers answers({ModalAnswers::Click(" Yes ")});
        EXPECT_EQ(app.CloseAppWindow(&window), 1);
        EXPECT_TRUE(Holds(Read(work + "/c.prm"), "cubic_spline"));
    });
}
