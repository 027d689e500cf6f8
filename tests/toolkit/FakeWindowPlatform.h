#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "toolkit/platform/vFrameEvents.h"
#include "toolkit/platform/vPlatformOverride.h"
#include "toolkit/platform/vWindowEvents.h"
#include "toolkit/platform/vWindowPlatform.h"

// A window platform with no windows: it hands out numbered handles, keeps the events of the
// frame and of each child so a test can play the user, and records what the toolkit asked for.
class FakeWindowPlatform : public vWindowPlatform {
public:
    struct Child {
        std::string title;
        int width;
        int height;
        PixelSurface* surface;
        vWindowEvents* events;
        bool destroyed = false;
    };

    bool CreateFrame(const char* caption, int width, int height, vFrameEvents* events) override {
        frameCaption = caption;
        frameEvents = events;
        frameWidth = width > 0 ? width : chosenWidth;
        frameHeight = height > 0 ? height : chosenHeight;
        return frameCreatable;
    }
    void FrameSize(int& width, int& height) override {
        width = frameWidth;
        height = frameHeight;
    }
    void DestroyFrame() override { frameDestroyed = true; }
    void ArrangeChildren(Arrangement how) override { arrangements.push_back(how); }

    vMenuHandle CreateMenu() override {
        menus.emplace_back();
        return FakeHandle<vMenuHandle>(menus.size());
    }
    void AppendMenuItem(vMenuHandle menu, int id, const char* label) override {
        Menu(menu).push_back(std::to_string(id) + " " + label);
    }
    void AppendMenuSeparator(vMenuHandle menu) override { Menu(menu).push_back("-"); }
    void AppendSubmenu(vMenuHandle menu, vMenuHandle submenu, const char* label) override {
        Menu(menu).push_back(std::string(label) + " >" + std::to_string(Index(submenu)));
    }
    void SetFrameMenu(vMenuHandle menuBar, int windowListIndex) override {
        frameMenu = menuBar;
        windowList = windowListIndex;
    }

    vWindowHandle CreateChild(const char* title, int width, int height, PixelSurface* surface,
                              vWindowEvents* events) override {
        children.push_back({title, width, height, surface, events});
        return FakeHandle(children.size());
    }
    void DestroyChild(vWindowHandle child) override {
        children.at(Index(child) - 1).destroyed = true;
    }
    void SetChildTitle(vWindowHandle child, const char* title) override {
        if (child) {
            children.at(Index(child) - 1).title = title;
        }
    }
    void UpdateChild(vWindowHandle) override { ++updates; }

    int RunEventLoop() override {
        ++loopsRun;
        if (duringLoop) {
            duringLoop();
        }
        return exitCode;
    }
    void ExitEventLoop(int code) override {
        exitRequested = true;
        exitCode = code;
    }
    int StartTimer(int milliseconds, TimerCallback callback) override {
        if (!timersWork) {
            return 0;
        }
        timers[++lastTimer] = {milliseconds, callback};
        return lastTimer;
    }
    void StopTimer(int id) override { timers.erase(id); }
    void WarningBox(const char* caption, const char* text) override {
        warnings.push_back(std::string(caption) + ": " + text);
    }
    bool ShowHelp(vWindowHandle, const char* path) override {
        helpShown.push_back(path);
        return helpShows;
    }

    // The user's side.
    vWindowEvents& Events(vWindowHandle child) { return *children.at(Index(child) - 1).events; }
    void Tick(int id) { timers.at(id).second(id); }
    // Activation moves from one child to another as the platform reports it, by a left press
    // on the child or otherwise.
    void Activate(vWindowHandle from, vWindowHandle to, bool byLeftPress = false) {
        if (from) {
            Events(from).ChildActivated(false, false);
        }
        Events(to).ChildActivated(true, byLeftPress);
    }
    std::vector<std::string>& Menu(vMenuHandle menu) { return menus.at(Index(menu) - 1); }

    std::string frameCaption;
    vFrameEvents* frameEvents = nullptr;
    int chosenWidth = 1000;
    int chosenHeight = 700;
    int frameWidth = 0;
    int frameHeight = 0;
    bool frameCreatable = true;
    bool frameDestroyed = false;
    std::vector<Arrangement> arrangements;
    std::vector<std::vector<std::string>> menus;
    vMenuHandle frameMenu = nullptr;
    int windowList = -2;
    std::vector<Child> children;
    int updates = 0;
    int loopsRun = 0;
    std::function<void()> duringLoop;
    bool exitRequested = false;
    int exitCode = 0;
    bool timersWork = true;
    std::map<int, std::pair<int, TimerCallback>> timers;
    int lastTimer = 0;
    std::vector<std::string> warnings;
    std::vector<std::string> helpShown;
    bool helpShows = true;

private:
    template <typename Handle = vWindowHandle>
    static Handle FakeHandle(size_t index) {
        return reinterpret_cast<Handle>(index);
    }
    template <typename Handle>
    static size_t Index(Handle handle) {
        return reinterpret_cast<size_t>(handle);
    }
    vPlatformOverride<vWindowPlatform> _installed{&vPlatform::windows, this};
};
