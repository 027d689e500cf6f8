#include "AppFixture.h"
#include "model/DrawingSnapshot.h"
#include "support/qt/EventWait.h"

namespace {

const std::string kChangedQuestion = "The file was changed by another program since it was opened";
const std::string kReloadOffer =
    "The file was changed by another program since it was opened.\n\nRead it again? The "
    "drawing shown now stays one undo step away.";

class ChangedFile : public AppFixture {
protected:
    ChangedFile() {
        WatchFiles();
        SaveDrawing(Shared(), Polygon, 1);
    }
    std::string Shared() const { return work + "/shared.pol"; }
    static DrawingSnapshot Shown(const KryCmdWindow& window) {
        return DrawingSnapshot::Of(*window.canvas);
    }
};

}  // namespace

// Two windows on one file: the second save asks, and only Overwrite replaces the first's.
TEST_F(ChangedFile, ASaveAsksBeforeReplacingAnotherSave) {
    const struct {
        const char* answer;
        bool secondInShared;
        bool secondInOther;
    } cases[] = {
        {" Overwrite ", true, false},
        {" Save as... ", false, true},
        {" Cancel ", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        std::filesystem::remove(work + "/other.pol");
        SaveDrawing(Shared(), Polygon, 1);
        RunWithSettings([&](KryCmdWindow& first) {
            first.OpenFile(Shared().c_str());
            KryCmdWindow* second = KryApp::OpenDrawingWindow("No prg");
            second->OpenFile(Shared().c_str());
            DrawTriangle(*first.canvas, 40);
            DrawTriangle(*second->canvas, 80);
            files.path = work + "/other.pol";
            ModalAnswers answers({ModalAnswers::Click(c.answer)});
            // Straight to the windows: neither is activated, which would offer to read again.
            first.OnWindowCommand(Cmd::Save, Cmd::Save, CtlMenuItem);
            second->OnWindowCommand(Cmd::Save, Cmd::Save, CtlMenuItem);
            EXPECT_EQ(answers.Messages(), Strings{kChangedQuestion});
            // The file keeps six digits: the first corner of the triangle added tells whose
            // drawing it holds.
            const KryCmdWindow& saved = c.secondInShared ? *second : first;
            EXPECT_NEAR(DrawingIn(Shared()).points[4].x, saved.canvas->points[4].x, 0.01);
            EXPECT_EQ(std::filesystem::exists(work + "/other.pol"), c.secondInOther);
            EXPECT_EQ(second->canvas->IsChanged(), !c.secondInShared && !c.secondInOther);
        });
    }
}

// Another program rewrites the file: the window offers to read it again when next activated,
// once, and the drawing read comes in as one undo step.
TEST_F(ChangedFile, AnOutsideChangeIsOfferedOnActivationAsOneUndoStep) {
    for (const char* answer : {" Read again ", " Keep "}) {
        SCOPED_TRACE(answer);
        SaveDrawing(Shared(), Polygon, 1);
        RunWithSettings([&](KryCmdWindow& window) {
            window.OpenFile(Shared().c_str());
            const DrawingSnapshot before = Shown(window);
            KryCmdWindow* other = KryApp::OpenDrawingWindow("No prg");
            EventWait wait;
            bool told = false;
            const int watch = fileWatcher.Watch(Shared(), [&] {
                told = true;
                wait.Wake();
            });
            SaveDrawing(Shared(), Polygon, 2);
            ASSERT_TRUE(wait.Until([&] { return told; }));
            fileWatcher.Unwatch(watch);
            ModalAnswers answers({ModalAnswers::Click(answer)});
            window.BringToFront();
            other->BringToFront();
            window.BringToFront();
            EXPECT_EQ(answers.Messages(), Strings{kReloadOffer});
            const bool reloaded = std::string(answer) == " Read again ";
            EXPECT_EQ(Shown(window), reloaded ? DrawingIn(Shared()) : before);
            EXPECT_FALSE(window.canvas->IsChanged());
            Choose(window, Cmd::Undo);
            EXPECT_EQ(Shown(window), before);
            EXPECT_EQ(window.canvas->IsChanged(), reloaded);
        });
    }
}
