#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeWindowPlatform.h"
#include "toolkit/CommandIds.h"
#include "toolkit/vApp.h"
#include "toolkit/vCanvasPane.h"
#include "toolkit/vCanvasPaneDC.h"
#include "toolkit/vCmdWindow.h"

namespace {

using Strings = std::vector<std::string>;

std::string Call(const char* name, std::initializer_list<int> values) {
    std::string text = name;
    text += "(";
    const char* separator = "";
    for (int v : values) {
        text += separator + std::to_string(v);
        separator = ",";
    }
    return text + ")";
}

// A canvas that records its hooks.
class RecordingCanvas : public vCanvasPane {
public:
    void OnMouseDown(int x, int y, int button) override {
        calls.push_back(Call("Down", {x, y, button}));
    }
    void OnMouseUp(int x, int y, int button) override {
        calls.push_back(Call("Up", {x, y, button}));
    }
    void OnMouseMove(int x, int y, int button) override {
        calls.push_back(Call("Move", {x, y, button}));
    }
    void OnMouseMotion(int x, int y) override { calls.push_back(Call("Motion", {x, y})); }
    void OnRedraw(int x, int y, int width, int height) override {
        calls.push_back(Call("Redraw", {x, y, width, height}));
        if (drawOnRedraw) {
            PaintPoint(1, 1);
        }
    }
    void OnResize(int width, int height) override {
        calls.push_back(Call("Resize", {width, height}));
    }
    void OnFocusGained() override { calls.push_back("FocusGained"); }
    void OnFocusLost() override { calls.push_back("FocusLost"); }
    void OnHScroll(int shown, int position) override {
        calls.push_back(Call("HScroll", {shown, position}));
        vCanvasPane::OnHScroll(shown, position);
    }
    void OnVScroll(int shown, int position) override {
        calls.push_back(Call("VScroll", {shown, position}));
        vCanvasPane::OnVScroll(shown, position);
    }

    Strings calls;
    bool drawOnRedraw = false;
};

// A menu pane with one accelerator: Ctrl+S gives command 40, while enabled.
class AcceleratorPane : public vPane {
public:
    AcceleratorPane() : vPane(PaneMenu) {}
    int PaneAccelerator(int key, int modifiers) const override {
        return enabled && key == 's' && modifiers == ModControl ? 40 : 0;
    }
    bool enabled = true;
};

class KeyWindow : public vCmdWindow {
public:
    using vCmdWindow::vCmdWindow;
    void OnWindowKey(int key, int modifiers) override {
        calls.push_back(Call("Key", {key, modifiers}));
    }
    void OnWindowCommand(int id, int value, int kind) override {
        calls.push_back(Call("Command", {id, value, kind}));
    }
    Strings calls;
};

class WindowEvents : public ::testing::Test {
protected:
    // A window with a canvas attached, as an application builds it.
    vCmdWindow* Open(const char* title, RecordingCanvas& canvas) {
        auto* window = new vCmdWindow(title, 40, 30);
        app.NewAppWindow(window, title, 0, 0, nullptr);
        window->AttachPane(&canvas);
        canvas.calls.clear();
        return window;
    }
    vWindowEvents& Events(vWindow* window) { return platform.Events(window->Handle()); }

    FakeWindowPlatform platform;
    vApp app{"test"};
    static constexpr auto Press = vWindowEvents::MousePress;
    static constexpr auto Release = vWindowEvents::MouseRelease;
    static constexpr auto Move = vWindowEvents::MouseMove;
};

}  // namespace

TEST_F(WindowEvents, MouseButtonsAndMotion) {
    RecordingCanvas canvas;
    vWindow* window = Open("w", canvas);
    vWindowEvents& events = Events(window);
    events.ChildMouse(Release, 1, 5, 5, 0);
    events.ChildMouse(Move, 0, 6, 6, vWindowEvents::HeldLeft);
    events.ChildMouse(Press, 1, 7, 7, vWindowEvents::HeldLeft);
    events.ChildMouse(Move, 0, 8, 8, vWindowEvents::HeldLeft | vWindowEvents::HeldRight);
    events.ChildMouse(Release, 1, 9, 9, 0);
    events.ChildMouse(Release, 1, 9, 9, 0);
    events.ChildMouse(Press, 3, 1, 2, vWindowEvents::HeldRight);
    events.ChildMouse(Move, 0, 2, 3, vWindowEvents::HeldRight);
    events.ChildMouse(Move, 0, 2, 3, vWindowEvents::HeldMiddle | vWindowEvents::HeldRight);
    events.ChildMouse(Release, 3, 3, 4, 0);
    events.ChildMouse(Press, 2, 0, 0, vWindowEvents::HeldMiddle);
    events.ChildMouse(Release, 2, 0, 0, 0);
    events.ChildMouse(Move, 0, -4, 70000, 0);
    EXPECT_EQ(canvas.calls, (Strings{
                                "Motion(6,6)",  // a release and a drag with no press here
                                "Down(7,7,1)",
                                "Move(8,8,1)",
                                "Up(9,9,1)",  // only once
                                "Down(1,2,3)",
                                "Move(2,3,3)",
                                "Move(2,3,2)",
                                "Up(3,4,3)",
                                "Down(0,0,2)",
                                "Up(0,0,2)",
                                "Motion(-4,70000)",
                            }));
}

TEST_F(WindowEvents, OnlyThePressThatSwitchesChildrenIsSwallowed) {
    RecordingCanvas first;
    RecordingCanvas second;
    vWindow* a = Open("a", first);
    platform.Activate(nullptr, a->Handle(), true);
    Events(a).ChildMouse(Press, 1, 1, 1, 1);
    Events(a).ChildMouse(Release, 1, 1, 1, 0);
    EXPECT_EQ(first.calls, (Strings{"Down(1,1,1)", "Up(1,1,1)"})) << "only child: every press";

    // A window made active otherwise than by a press on it (a new window, the window list, a
    // dialog closing) takes its first press.
    vWindow* b = Open("b", second);
    platform.Activate(a->Handle(), b->Handle());
    EXPECT_FALSE(b->JustActivated());
    Events(b).ChildMouse(Press, 1, 2, 2, 1);
    Events(b).ChildMouse(Release, 1, 2, 2, 0);
    EXPECT_EQ(second.calls, (Strings{"Down(2,2,1)", "Up(2,2,1)"}));

    // The left press that switches from another child only activates; its drag and release go
    // with it.
    second.calls.clear();
    platform.Activate(b->Handle(), a->Handle());
    platform.Activate(a->Handle(), b->Handle(), true);
    EXPECT_TRUE(b->JustActivated());
    Events(b).ChildMouse(Press, 1, 3, 3, 1);
    Events(b).ChildMouse(Move, 0, 4, 4, 1);
    Events(b).ChildMouse(Release, 1, 4, 4, 0);
    Events(b).ChildMouse(Press, 1, 5, 5, 1);
    EXPECT_EQ(second.calls, (Strings{"Motion(4,4)", "Down(5,5,1)"}));

    // The left press at (5,5) ends with the right button; after switching away and back by a
    // press, the swallowed press takes its left release along.
    Events(b).ChildMouse(Release, 3, 6, 6, 0);
    platform.Activate(b->Handle(), a->Handle(), true);
    platform.Activate(a->Handle(), b->Handle(), true);
    Events(b).ChildMouse(Press, 1, 7, 7, 1);
    Events(b).ChildMouse(Release, 1, 7, 7, 0);
    EXPECT_EQ(second.calls.back(), "Up(6,6,3)");

    // The activating press landed elsewhere (a scroll bar) when another report comes first.
    second.calls.clear();
    platform.Activate(b->Handle(), a->Handle());
    platform.Activate(a->Handle(), b->Handle(), true);
    Events(b).ChildScroll(true, vWindowEvents::ScrollLineForward, 0);
    Events(b).ChildMouse(Press, 1, 8, 8, 1);
    EXPECT_EQ(second.calls.back(), "Down(8,8,1)");
    Events(b).ChildMouse(Release, 1, 8, 8, 0);

    // A press given back to the same child (the frame regaining focus) arms nothing.
    platform.Activate(b->Handle(), b->Handle(), true);
    EXPECT_FALSE(b->JustActivated());

    // A child activated because the active one closed was not switched to.
    app.CloseAppWindow(b);
    platform.Activate(nullptr, a->Handle(), true);
    EXPECT_FALSE(a->JustActivated());
}

TEST_F(WindowEvents, ActivationInstallsTheActiveWindowsMenuAndShowsItsPanes) {
    std::vector<vWindow*> shown;
    app.paneActivation = [&shown](vWindow* active) { shown.push_back(active); };
    app.Run(0, nullptr, [](int, char**) { return 1; });  // builds the frame menu
    vMenuHandle frameMenu = platform.frameMenu;
    RecordingCanvas canvas;
    vWindow* plain = Open("plain", canvas);
    auto* menued = new vCmdWindow("menued", 10, 10);
    app.NewAppWindow(menued, "menued", 0, 0, nullptr);
    AcceleratorPane menu;
    menued->SetWindowListIndex(2);
    menued->AttachPane(&menu);
    EXPECT_EQ(platform.frameMenu, menued->Menu());
    EXPECT_EQ(platform.windowList, 2);

    platform.Activate(nullptr, plain->Handle());
    EXPECT_EQ(platform.frameMenu, frameMenu) << "a window without a menu keeps the frame's";
    platform.Activate(plain->Handle(), menued->Handle());
    EXPECT_EQ(platform.frameMenu, menued->Menu());
    EXPECT_EQ(shown, (std::vector<vWindow*>{plain, menued}));

    app.CloseAppWindow(menued);
    app.CloseAppWindow(plain);
    EXPECT_EQ(shown.back(), nullptr) << "no panes once the last window closed";
    EXPECT_EQ(platform.frameMenu, frameMenu);
}

TEST_F(WindowEvents, KeysBecomeAcceleratorsOrWindowKeys) {
    auto* window = new KeyWindow("keys", 10, 10);
    app.NewAppWindow(window, "keys", 0, 0, nullptr);
    AcceleratorPane menu;
    window->AttachPane(&menu);
    vWindowEvents& events = Events(window);
    events.ChildKey('s', ModControl);
    events.ChildKey(1, ModControl | ModShift);
    events.ChildKey('\t', ModShift);
    events.ChildKey('\t', ModControl);
    events.ChildKey(0xFFC1, ModControl);
    menu.enabled = false;
    events.ChildKey('s', ModControl);
    EXPECT_EQ(window->calls, (Strings{"Command(40,40,15)", "Key(1,1)", "Key(65289,1)", "Key(9,0)",
                                      "Key(65473,4)", "Key(115,4)"}));
}

TEST_F(WindowEvents, PaintPathRunsOnFirstShowAndAfterEachSizeChange) {
    RecordingCanvas canvas;
    vWindow* window = Open("w", canvas);
    EXPECT_EQ(canvas.CanvasWidth(), 40);
    EXPECT_EQ(canvas.CanvasHeight(), 30);
    vWindowEvents& events = Events(window);
    events.ChildExposed();
    events.ChildExposed();
    EXPECT_EQ(canvas.calls, Strings{"Redraw(0,0,40,30)"}) << "repaints only show the surface";

    canvas.calls.clear();
    events.ChildResized(64, 48);
    EXPECT_EQ(window->Surface().Width(), 64);
    EXPECT_EQ(window->RequestedHeight(), 48);
    EXPECT_EQ(canvas.CanvasWidth(), 64);
    events.ChildExposed();
    EXPECT_EQ(canvas.calls, (Strings{"Resize(64,48)", "Redraw(0,0,64,48)"}));
}

TEST_F(WindowEvents, DrawingOutsideAPaintAsksOnceForTheSurfaceToBeShown) {
    RecordingCanvas canvas;
    vWindow* window = Open("w", canvas);
    canvas.drawOnRedraw = true;
    Events(window).ChildExposed();
    EXPECT_EQ(platform.updates, 0) << "the paint shows the surface itself";
    EXPECT_EQ(window->Surface().Pixel(1, 1), 0xff000000u);

    canvas.PaintPoint(3, 4);
    canvas.PaintLine(0, 0, 5, 0);
    EXPECT_EQ(platform.updates, 1) << "requests are coalesced until the surface is shown";
    EXPECT_EQ(window->Surface().Pixel(3, 4), 0xff000000u);
    EXPECT_EQ(window->Surface().Pixel(3, 5), 0xffffffffu);
    Events(window).ChildExposed();
    canvas.PaintPoint(5, 5);
    EXPECT_EQ(platform.updates, 2);
}

TEST_F(WindowEvents, SetBackgroundErasesAndRedrawsWithAnEmptyRegion) {
    RecordingCanvas canvas;
    vWindow* window = Open("w", canvas);
    canvas.PaintPoint(2, 2);
    canvas.SetBackground(vColor(10, 20, 30));
    EXPECT_EQ(canvas.calls, Strings{"Redraw(0,0,0,0)"});
    EXPECT_EQ(window->Surface().Pixel(2, 2), PixelSurface::FromRgb(10, 20, 30));
    EXPECT_EQ(window->Surface().Pixel(39, 29), PixelSurface::FromRgb(10, 20, 30));
}

TEST_F(WindowEvents, FocusReachesTheCanvasOnceEachWay) {
    RecordingCanvas canvas;
    auto* window = new vCmdWindow("w", 10, 10);
    app.NewAppWindow(window, "w", 0, 0, nullptr);
    window->AttachPane(&canvas);
    EXPECT_EQ(canvas.calls, Strings{"FocusGained"}) << "attaching gives the canvas the focus";
    Events(window).ChildFocus(true);
    Events(window).ChildFocus(false);
    Events(window).ChildFocus(false);
    EXPECT_EQ(canvas.calls, (Strings{"FocusGained", "FocusLost"}));
}

TEST_F(WindowEvents, ScrollBarsFollowTheLineAndPageRules) {
    RecordingCanvas canvas;
    vWindow* window = Open("w", canvas);
    vWindowEvents& events = Events(window);
    int shown = 0;
    int position = 0;
    EXPECT_EQ(canvas.GetHScroll(shown, position), 0);
    EXPECT_EQ(shown, 100);
    canvas.SetHScroll(50, 101);
    canvas.SetHScroll(-1, 5);
    canvas.GetHScroll(shown, position);
    EXPECT_EQ(shown, 100) << "out-of-range values are ignored";
    EXPECT_EQ(position, 0);

    canvas.SetHScroll(40, 5);
    events.ChildScroll(true, vWindowEvents::ScrollPageBack, 0);
    canvas.SetHScroll(40, 12);
    events.ChildScroll(true, vWindowEvents::ScrollPageBack, 0);
    events.ChildScroll(true, vWindowEvents::ScrollPageForward, 0);
    canvas.SetHScroll(40, 95);
    events.ChildScroll(true, vWindowEvents::ScrollPageForward, 0);
    events.ChildScroll(false, vWindowEvents::ScrollThumbReleased, 33);
    events.ChildScroll(false, vWindowEvents::ScrollToEnd, 0);
    events.ChildScroll(false, vWindowEvents::ScrollToStart, 0);
    events.ChildScroll(false, vWindowEvents::ScrollOther, 7);
    EXPECT_EQ(canvas.calls,
              (Strings{"HScroll(40,0)", "HScroll(40,2)", "HScroll(40,12)", "HScroll(40,100)",
                       "VScroll(100,33)", "VScroll(100,100)", "VScroll(100,0)"}));

    events.ChildScroll(false, vWindowEvents::ScrollLineBack, 0);
    canvas.GetVScroll(shown, position);
    EXPECT_EQ(position, 0) << "a line step stays within 0..100";
    events.ChildScroll(false, vWindowEvents::ScrollLineForward, 0);
    canvas.GetVScroll(shown, position);
    EXPECT_EQ(position, 1);
    canvas.ShowVScroll(1);
    EXPECT_EQ(canvas.GetVScroll(shown, position), 1);
}

TEST_F(WindowEvents, ControlAccessGoesOverThePanes) {
    struct ValuePane : vPane {
        ValuePane(int id, int value) : vPane(PaneCommandBar), id(id), value(value) {}
        bool PaneGetValue(int wanted, int& out) override {
            out = value;
            return wanted == id;
        }
        void PaneSetValue(int wanted, int v, int) override {
            if (wanted == id) {
                value = v;
            }
        }
        int id;
        int value;
    };
    auto* first = new vCmdWindow("first", 10, 10);
    auto* second = new vCmdWindow("second", 10, 10);
    app.NewAppWindow(first, "first", 0, 0, nullptr);
    app.NewAppWindow(second, "second", 0, 0, nullptr);
    ValuePane older(7, 1);
    ValuePane newer(7, 2);
    ValuePane other(8, 3);
    first->AttachPane(&older);
    first->AttachPane(&newer);
    second->AttachPane(&other);
    EXPECT_EQ(first->GetControlValue(7), 2) << "the newest pane holding the id answers";
    EXPECT_EQ(first->GetControlValue(9), 0);
    first->SetControlValue(7, 5, AspectValue);
    EXPECT_EQ(older.value, 5);
    EXPECT_EQ(newer.value, 5);
    second->SetControlValueAll(8, 6, AspectValue);
    EXPECT_EQ(other.value, 6);
}

TEST_F(WindowEvents, CloseRequestGoesThroughTheApplication) {
    RecordingCanvas canvas;
    vWindow* window = Open("w", canvas);
    Events(window).ChildCloseRequest();
    EXPECT_FALSE(window->IsOpen());
    EXPECT_EQ(app.WindowCount(), 0);
    EXPECT_TRUE(platform.children.at(0).destroyed);

    window->SetWindowTitle("renamed");
    EXPECT_STREQ(window->Name(), "renamed");
}
