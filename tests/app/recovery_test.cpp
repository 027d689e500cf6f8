#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCheckBox>
#include <algorithm>
#include <chrono>
#include <thread>

#include "AppFixture.h"
#include "dialogs/KryDialog.h"
#include "dialogs/RecoveryDialog.h"
#include "io/BoundedFile.h"
#include "io/RecoveryFolder.h"
#include "io/RewriteJournal.h"
#include "scenefile/RecoveryCopy.h"

// Unsaved drawings survive the editor's end: each changed window keeps a recovery copy, and the
// next start offers the copies of editors that have gone.
namespace {

using Clock = std::chrono::steady_clock;

class Recovery : public AppFixture {
protected:
    std::string Folder() const { return root + "/state/vexlin/recovery"; }
    std::vector<std::string> Copies() const {
        std::vector<std::string> copies;
        std::error_code none;
        for (const auto& entry : std::filesystem::directory_iterator(Folder(), none)) {
            if (entry.path().extension() == ".vxr") {
                copies.push_back(entry.path().string());
            }
        }
        return copies;
    }
    static RecoveryCopy CopyIn(const std::string& path) {
        std::string text;
        std::string why;
        RecoveryCopy copy;
        EXPECT_TRUE(BoundedFile::Read(path.c_str(), BoundedFile::DocumentLimit, text, why) &&
                    RecoveryCopy::Parse(text, copy));
        return copy;
    }
    // Waits up to the time given for the check to hold.
    static bool Within(double seconds, const std::function<bool()>& check) {
        const auto end = Clock::now() + std::chrono::duration<double>(seconds);
        while (!check()) {
            if (Clock::now() > end) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return true;
    }
    // This test again, as the editor that ends; on the display given, else offscreen.
    pid_t StartChild(const std::string& display) const {
        const std::string state = root + "/state";
        const pid_t child = fork();
        if (child == 0) {
            setenv("VEXLIN_RECOVERY_STATE", state.c_str(), 1);
            if (!display.empty()) {
                setenv("QT_QPA_PLATFORM", "xcb", 1);
                setenv("DISPLAY", display.c_str(), 1);
            }
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, 1);
            dup2(quiet, 2);
            execl("/proc/self/exe", "test_app",
                  "--gtest_filter=Recovery.AnEditorThatEndsUnaskedLeavesItsDrawingToTheNextStart",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        return child;
    }
    // An X server of the test's own, on a display it chose itself; false without one.
    static bool StartXServer(pid_t& server, std::string& display) {
        int ends[2];
        if (access("/usr/bin/Xvfb", X_OK) != 0 || pipe(ends) != 0) {
            return false;
        }
        server = fork();
        if (server == 0) {
            dup2(ends[1], 3);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, 2);
            execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", "3", "-nolisten", "tcp",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ends[1]);
        char number[16] = "";
        const ssize_t got = read(ends[0], number, sizeof number - 1);
        close(ends[0]);
        display = got > 0 ? ":" + std::to_string(std::atoi(number)) : "";
        return !display.empty();
    }
    // Ticks boxes of the recovery question as given, then clicks the button.
    static ModalAnswers::Answer Tick(std::vector<bool> ticks, const char* button) {
        return [ticks, button](QWidget* dialog) {
            const QList<QCheckBox*> boxes = dialog->findChildren<QCheckBox*>();
            for (int i = 0; i < boxes.size() && i < static_cast<int>(ticks.size()); ++i) {
                if (boxes[i]->isChecked() != ticks[static_cast<size_t>(i)]) {
                    boxes[i]->click();
                }
            }
            ModalAnswers::ClickButton(dialog, button);
        };
    }
};

TEST_F(Recovery, AChangedWindowKeepsACopyUntilSavedOrLetGo) {
    files.path = work + "/kept.pol";
    ModalAnswers answers({ModalAnswers::Click(" No ")});
    RunWithSettings([&](KryCmdWindow& window) {
        EXPECT_TRUE(Copies().empty());
        DrawTriangle(*window.canvas);
        window.recovery.OnTimerTick();
        ASSERT_EQ(Copies().size(), 1u);
        const std::string path = Copies()[0];
        const RecoveryCopy copy = CopyIn(path);
        EXPECT_EQ(copy.title, "Untitled");
        EXPECT_EQ(copy.kind, Polygon);
        EXPECT_NE(copy.scene.find("#declare Thing=polygon{\r\n4\r\n"), std::string::npos);
        // Never in the middle of a gesture.
        window.canvas->OnMouseDown(20, 20, 1);
        window.recovery.OnTimerTick();
        EXPECT_EQ(CopyIn(path).scene, copy.scene);
        window.canvas->OnMouseUp(20, 20, 1);
        window.recovery.OnTimerTick();
        EXPECT_NE(CopyIn(path).scene, copy.scene);
        Choose(window, Cmd::SaveAs);
        EXPECT_TRUE(Copies().empty()) << "saved";
        DrawTriangle(*window.canvas, 30);
        window.recovery.OnTimerTick();
        EXPECT_EQ(CopyIn(Copies()[0]).fileName, work + "/kept.pol");
        EXPECT_EQ(app.CloseAppWindow(&window), 1);
        EXPECT_TRUE(Copies().empty()) << "let go";
    });
    EXPECT_EQ(answers.Messages(), Strings{SaveQuestion});
}

// The editor killed after a change, asked to end, or losing its display: the next start
// offers the drawing back. Each run is this test again in a process of its own.
TEST_F(Recovery, AnEditorThatEndsUnaskedLeavesItsDrawingToTheNextStart) {
    if (const char* state = std::getenv("VEXLIN_RECOVERY_STATE")) {
        setenv("XDG_STATE_HOME", state, 1);
        Write(program + "/Vexlin.ini", work + "\npol\n");
        watchdogMilliseconds = 15000;
        RunWithSteps(app,
                     [&] {
                         DrawTriangle(*First()->canvas);
                         // The parent removes the folders of an editor that could not.
                         Write(std::string(state) + "/ready", root);
                     },
                     OnAppStart, {"Vexlin"});
        return;
    }
    const struct {
        const char* what;
        int signal;  // 0: the display goes
        bool waitForTheCopy;
    } cases[] = {
        {"kill -9 once the copy is kept", SIGKILL, true},
        {"SIGTERM", SIGTERM, false},
        {"SIGHUP", SIGHUP, false},
        {"the X server's end", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(root + "/state");
        std::filesystem::create_directories(root + "/state");
        pid_t display = 0;
        std::string displayName;
        if (c.signal == 0 && !StartXServer(display, displayName)) {
            continue;
        }
        const auto started = Clock::now();
        const pid_t editor = StartChild(displayName);
        ASSERT_TRUE(Within(10, [&] { return access((root + "/state/ready").c_str(), F_OK) == 0; }));
        if (c.waitForTheCopy) {
            EXPECT_TRUE(Within(5, [&] { return !Copies().empty(); })) << "at most 5 s after";
        }
        kill(c.signal != 0 ? editor : display, c.signal != 0 ? c.signal : SIGKILL);
        int status = 0;
        ASSERT_TRUE(Within(10, [&] { return waitpid(editor, &status, WNOHANG) == editor; }));
        if (display != 0) {
            waitpid(display, nullptr, 0);
        }
        std::error_code none;
        std::filesystem::remove_all(Read(root + "/state/ready"), none);
        EXPECT_EQ(WIFSIGNALED(status) != 0, c.signal == SIGKILL) << status;
        ASSERT_EQ(Copies().size(), 1u);
        EXPECT_LT(std::chrono::duration<double>(Clock::now() - started).count(), 10);
        ModalAnswers answers;
        RunWithSettings([&](KryCmdWindow&) {
            ASSERT_EQ(app.WindowCount(), 2);
            EXPECT_STREQ(Newest()->Name(), "Untitled (recovered)");
            EXPECT_EQ(Newest()->fileName[0], '\0');
            EXPECT_TRUE(Newest()->canvas->IsChanged());
            EXPECT_EQ(Newest()->canvas->pointCount, 4);
        });
        EXPECT_EQ(answers.seen.size(), 1u);
        EXPECT_EQ(answers.seen[0].rfind(RecoveryDialog::kTitle, 0), 0u);
    }
}

// One question offers every orphaned copy: ticked ones reopen, the others go; keeping them for
// later leaves every copy and opens nothing.
TEST_F(Recovery, TheNextStartReopensOrDiscardsEachAsAnswered) {
    const struct {
        ModalAnswers::Answer answer;
        int windows;
        size_t copiesLeft;  // the reopened drawing keeps a copy of its own
    } cases[] = {
        {Tick({true, false}, " OK "), 2, 1},
        {Tick({false, false}, " OK "), 1, 0},
        {Tick({true, true}, " Keep for later "), 1, 2},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(root + "/state");
        std::filesystem::create_directories(Folder());
        RecoveryCopy copy;
        copy.title = "shape.prm";
        copy.fileName = work + "/shape.prm";
        copy.kind = Prism;
        copy.values = {0.25, 2, QuadraticSpline, ConicSweep, 0, 1};
        KCanvasPane canvas(nullptr);
        DrawTriangle(canvas);
        copy.TakeDrawing(canvas, Prism);
        Write(Folder() + "/999999999-1-1.vxr", copy.Text());
        Write(Folder() + "/999999999-1-2.vxr", copy.Text());
        ModalAnswers answers({c.answer});
        RunWithSettings([&](KryCmdWindow&) {
            ASSERT_EQ(app.WindowCount(), c.windows);
            EXPECT_EQ(Copies().size(), c.copiesLeft);
            if (c.windows == 2) {
                EXPECT_STREQ(Newest()->Name(), (work + "/shape.prm (recovered)").c_str());
                EXPECT_EQ(shapeKind, Prism);
                EXPECT_EQ(Newest()->prismDialog->GetPrismValues(), copy.values);
                EXPECT_EQ(CopyIn(Newest()->recovery.Path()).scene, copy.scene);
            }
        });
    }
}

// A file whose rewrite in place was cut short says so when opened, and offers its new bytes.
TEST_F(Recovery, OpeningATornFileOffersItsNewBytes) {
    const struct {
        const char* answer;
        std::string caption;
        int points;
        bool journalKept;
    } cases[] = {
        {" Yes ", work + "/torn.pol (recovered)", 8, false},
        {" No ", work + "/torn.pol", 4, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        const std::string path = work + "/torn.pol";
        SaveDrawing(path, Polygon, 1);
        SaveDrawing(work + "/new.pol", Polygon, 2);
        const std::string oldBytes = Read(path);
        const std::string newBytes = Read(work + "/new.pol");
        struct stat identity;
        ASSERT_EQ(stat(path.c_str(), &identity), 0);
        RewriteJournal journal;
        ASSERT_TRUE(journal.Keep(path, identity, oldBytes, newBytes));
        Write(path, oldBytes + "\r\n");
        ModalAnswers answers({ModalAnswers::Click(c.answer)});
        RunWithSettings([&](KryCmdWindow& window) {
            window.OpenFile(path.c_str());
            EXPECT_STREQ(window.Name(), c.caption.c_str());
            EXPECT_EQ(window.canvas->pointCount, c.points);
        });
        ASSERT_EQ(answers.Messages().size(), 1u);
        std::string message = answers.Messages()[0];
        message.erase(std::remove(message.begin(), message.end(), '\n'), message.end());
        EXPECT_NE(message.find(journal.Path()), std::string::npos);
        EXPECT_EQ(access(journal.Path().c_str(), F_OK) == 0, c.journalKept);
        journal.Drop();
    }
}

}  // namespace
