#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FakeWindowPlatform.h"
#include "toolkit/CommandIds.h"
#include "toolkit/util/ProgramPaths.h"
#include "toolkit/vApp.h"
#include "toolkit/vAppWinInfo.h"
#include "toolkit/vCmdWindow.h"
#include "toolkit/vTimer.h"

namespace {

std::vector<std::string> events;

class CountedWindow : public vCmdWindow {
public:
    explicit CountedWindow(const char* title) : vCmdWindow(title, 120, 80) {}
    ~CountedWindow() override { events.push_back(std::string("deleted ") + Name()); }
    void OnWindowCommand(int id, int value, int kind) override {
        events.push_back(std::string(Name()) + " command " + std::to_string(id) + "," +
                         std::to_string(value) + "," + std::to_string(kind));
    }
    void OnWindowWorkTick() override { events.push_back(std::string(Name()) + " tick"); }
};

// An application that records its hooks and can refuse to close chosen windows.
class TestApp : public vApp {
public:
    TestApp() : vApp("Quorvane", 0, 0, 0) {}

    void OnAppCommand(vWindow* window, int id, int value, int kind) override {
        events.push_back(std::string("app command ") + (window ? window->Name() : "NULL") + " " +
                         std::to_string(id));
        vApp::OnAppCommand(window, id, value, kind);
    }
    int CloseAppWindow(vWindow* window) override {
        events.push_back(std::string("close ") + window->Name());
        if (window == refuse) {
            return 0;
        }
        return vApp::CloseAppWindow(window);
    }
    void OnLastWindowClosed(vWindow* window) override {
        events.push_back("last closed");
        vApp::OnLastWindowClosed(window);
    }
    void OnWorkTick() override { events.push_back("app tick"); }

    vWindow* Open(const char* title) {
        return NewAppWindow(new CountedWindow(title), title, 0, 0, nullptr);
    }

    vWindow* refuse = nullptr;
};

class AppLifecycle : public ::testing::Test {
protected:
    void SetUp() override { events.clear(); }
    FakeWindowPlatform platform;
};

}  // namespace

TEST_F(AppLifecycle, WindowListIsNewestFirstWithInfoRecords) {
    TestApp app;
    vWindow* a = app.Open("a");
    vWindow* b = app.Open("b");
    vWindow* plain = app.NewAppWindow(nullptr, "plain", 0, 0, nullptr);
    auto* registered = new CountedWindow("registered");
    app.RegisterAppWindow(registered);

    ASSERT_EQ(app.WindowCount(), 4);
    EXPECT_EQ(app.WindowAt(0), registered);
    EXPECT_EQ(app.WindowAt(1), plain);
    EXPECT_EQ(app.WindowAt(2), b);
    EXPECT_EQ(app.WindowAt(3), a);
    EXPECT_EQ(app.InfoOf(registered), nullptr) << "a registered window has no info record";
    ASSERT_NE(app.InfoOf(b), nullptr);
    EXPECT_STREQ(app.InfoOf(b)->Name(), "b");
    EXPECT_EQ(app.InfoOf(b)->Data(), 0);
    EXPECT_STREQ(plain->Name(), "plain");
    EXPECT_NE(dynamic_cast<vCmdWindow*>(plain), nullptr);
    EXPECT_EQ(vWindow::AllWindows().front(), registered);
}

TEST_F(AppLifecycle, ChildrenOpenAtTheRequestedOrDefaultSize) {
    TestApp app;
    // The last window closed is queued for deletion, so windows live on the heap.
    auto* sized = new vCmdWindow("sized", 300, 200);
    ASSERT_EQ(platform.children.size(), 1u);
    EXPECT_EQ(platform.children[0].width, 300);
    EXPECT_EQ(platform.children[0].height, 200);
    EXPECT_EQ(platform.children[0].surface->Width(), 300);
    EXPECT_EQ(vWindow::ChildCount(), 1);
    sized->CloseCmdWindow();
    EXPECT_TRUE(platform.children[0].destroyed);
    EXPECT_EQ(vWindow::ChildCount(), 0);
}

TEST_F(AppLifecycle, ClosingAWindowDefersItsDeletionUntilAfterTheLoop) {
    TestApp app;
    vWindow* a = app.Open("a");
    vWindow* b = app.Open("b");
    EXPECT_EQ(app.CloseAppWindow(a), 1);
    EXPECT_EQ(app.WindowCount(), 1);
    EXPECT_TRUE(app.IsDeferred(a));
    EXPECT_FALSE(a->IsOpen());
    EXPECT_EQ(events.back(), "close a") << "not deleted yet, and not the last window";
    EXPECT_FALSE(platform.exitRequested);

    app.CloseAppWindow(b);
    EXPECT_EQ(events.back(), "last closed");
    EXPECT_TRUE(platform.exitRequested) << "the base ends the loop after the last window";
    EXPECT_EQ(vCmdWindow::CommandWindowCount(), 0);
}

TEST_F(AppLifecycle, QuitClosesNewestFirstAndEndsTheLoop) {
    TestApp app;
    app.Open("a");
    app.Open("b");
    app.Open("c");
    app.QuitApp();
    std::vector<std::string> closes(events.begin(), events.begin() + 3);
    EXPECT_EQ(closes, (std::vector<std::string>{"close c", "close b", "close a"}));
    EXPECT_EQ(app.WindowCount(), 0);
    EXPECT_TRUE(platform.exitRequested);
    EXPECT_FALSE(app.Quitting());
    EXPECT_EQ(std::count(events.begin(), events.end(), "last closed"), 1);
}

TEST_F(AppLifecycle, FirstRefusalStopsQuitting) {
    TestApp app;
    vWindow* a = app.Open("a");
    vWindow* b = app.Open("b");
    vWindow* c = app.Open("c");
    app.refuse = b;
    app.QuitApp();
    EXPECT_EQ(events, (std::vector<std::string>{"close c", "close b"}));
    EXPECT_FALSE(c->IsOpen());
    EXPECT_TRUE(b->IsOpen());
    EXPECT_TRUE(a->IsOpen()) << "a is never asked";
    EXPECT_EQ(app.WindowCount(), 2);
    EXPECT_FALSE(platform.exitRequested);
    EXPECT_FALSE(app.Quitting()) << "the program goes on running";

    app.refuse = nullptr;
    app.QuitApp();
    EXPECT_TRUE(platform.exitRequested);
}

TEST_F(AppLifecycle, QuitDoesNotLoopOnAnOverrideThatKeepsTheWindowListed) {
    struct Careless : TestApp {
        int CloseAppWindow(vWindow* window) override {
            window->CloseCmdWindow();
            return 1;
        }
    } app;
    app.Open("a");
    app.Open("b");
    app.QuitApp();
    EXPECT_EQ(app.WindowCount(), 0);
    EXPECT_TRUE(platform.exitRequested);
}

TEST_F(AppLifecycle, FrameHasItsOwnFileMenu) {
    TestApp app;
    EXPECT_EQ(app.Run(0, nullptr, [](int, char**) { return 0; }), 0);
    ASSERT_GE(platform.menus.size(), 2u);
    EXPECT_EQ(platform.menus[0],
              (std::vector<std::string>{"32170 &New", "32171 &Open", "-", "32172 E&xit"}));
    EXPECT_EQ(platform.menus[1], std::vector<std::string>{"&File >1"});
    EXPECT_EQ(platform.frameCaption, "Quorvane");
    EXPECT_TRUE(platform.frameDestroyed);
}

TEST_F(AppLifecycle, FrameCommandsWithNoWindowOpen) {
    TestApp app;
    platform.duringLoop = [this] {
        EXPECT_EQ(platform.windowList, 0) << "the File drop-down lists the children";
        vFrameEvents* frame = platform.frameEvents;
        for (int id : {int(IdFrameNew), int(IdFrameOpen), int(IdCascade), int(IdTile),
                       int(IdArrange), 500, int(IdFrameExit)}) {
            frame->FrameCommand(id);
        }
    };
    app.Run(0, nullptr, [](int, char**) { return 0; });
    EXPECT_EQ(events, (std::vector<std::string>{"app command NULL 32100", "app command NULL 32101",
                                                "app command NULL 32108"}));
    EXPECT_EQ(platform.arrangements,
              (std::vector<vWindowPlatform::Arrangement>{vWindowPlatform::ArrangeCascade,
                                                         vWindowPlatform::ArrangeTile,
                                                         vWindowPlatform::ArrangeIcons}));
    EXPECT_TRUE(platform.exitRequested) << "Exit quits";
}

TEST_F(AppLifecycle, MenuCommandsGoToTheActiveChildBelowTheWindowListIds) {
    TestApp app;
    platform.duringLoop = [this, &app] {
        vWindow* a = app.Open("a");
        vWindow* b = app.Open("b");
        platform.Activate(nullptr, a->Handle());
        platform.Activate(a->Handle(), b->Handle());
        events.clear();
        platform.frameEvents->FrameCommand(501);
        platform.frameEvents->FrameCommand(IdFirstChild);
        platform.frameEvents->FrameCommand(IdFirstChild + 1);
        EXPECT_EQ(events, std::vector<std::string>{"b command 501,501,15"});
        platform.frameEvents->FrameCloseRequest();
    };
    app.Run(0, nullptr, [](int, char**) { return 0; });
    EXPECT_TRUE(platform.exitRequested) << "the close box quits";
}

TEST_F(AppLifecycle, StartupResultEndsTheProgramBeforeTheLoop) {
    TestApp app;
    static std::vector<std::string> seen;
    seen.clear();
    char program[] = "/usr/bin/Vexlin";
    char debug[] = "-vDebug";
    char level[] = "3";
    char file[] = "star.pol";
    char* argv[] = {program, debug, level, file, nullptr};
    int code = app.Run(4, argv, [](int argc, char** args) {
        for (int i = 0; i < argc; ++i) {
            seen.push_back(args[i]);
        }
        return 3;
    });
    EXPECT_EQ(code, 3);
    EXPECT_EQ(platform.loopsRun, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{ProgramPaths::Executable(), "star.pol"}))
        << "the program's full path, not what it was started as";
    EXPECT_EQ(app.DefaultWidth(), 950) << "frame width less 50";
    EXPECT_EQ(app.DefaultHeight(), 500) << "frame height less 200";

    platform.exitCode = 7;
    EXPECT_EQ(app.Run(1, argv, [](int, char**) { return 0; }), 7) << "the loop's code";
    EXPECT_EQ(platform.loopsRun, 1);
}

TEST_F(AppLifecycle, DefaultChildSizeHasAFloorAndAGivenOneSizesTheFrame) {
    platform.chosenWidth = 60;
    platform.chosenHeight = 120;
    TestApp small;
    small.Run(0, nullptr, [](int, char**) { return 1; });
    EXPECT_EQ(small.DefaultWidth(), 50);
    EXPECT_EQ(small.DefaultHeight(), 50);

    vApp sized("sized", 0, 300, 250);
    sized.Run(0, nullptr, [](int, char**) { return 1; });
    EXPECT_EQ(platform.frameWidth, 320);
    EXPECT_EQ(platform.frameHeight, 270);
    EXPECT_EQ(sized.DefaultWidth(), 300);
    EXPECT_EQ(sized.DefaultHeight(), 250);
}

TEST_F(AppLifecycle, TeardownDeletesClosedAndOpenWindows) {
    TestApp app;
    app.Open("closed");
    app.Open("open");
    app.CloseAppWindow(app.WindowAt(1));
    events.clear();
    app.Run(0, nullptr, [](int, char**) { return 0; });
    EXPECT_EQ(events, (std::vector<std::string>{"deleted closed", "deleted open"}));
    EXPECT_TRUE(vWindow::AllWindows().empty());
}

TEST_F(AppLifecycle, TimersTickThroughTheSharedCallback) {
    TestApp app;
    app.Open("w");
    struct Counting : vTimer {
        void OnTimerTick() override { ++ticks; }
        int ticks = 0;
    } timer;
    ASSERT_EQ(timer.StartTimer(50), 1);
    int id = platform.lastTimer;
    EXPECT_EQ(platform.timers.at(id).first, 50);
    platform.Tick(id);
    EXPECT_EQ(timer.ticks, 1);
    timer.StartTimer(20);
    EXPECT_EQ(platform.timers.count(id), 0u) << "a restart stops the running timer first";
    timer.StopTimer();
    EXPECT_TRUE(platform.timers.empty());
    vTimer::Dispatch(id);
    EXPECT_EQ(timer.ticks, 1) << "a stopped timer hears nothing";

    app.StartWorkTimer(10);
    events.clear();
    platform.Tick(platform.lastTimer);
    EXPECT_EQ(events, (std::vector<std::string>{"app tick", "w tick"}));

    platform.timersWork = false;
    EXPECT_EQ(timer.StartTimer(5), 0);
    EXPECT_EQ(platform.warnings, std::vector<std::string>{"Zel: Failed to create timer"});
}
