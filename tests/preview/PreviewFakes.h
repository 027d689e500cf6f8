#pragma once

#include <string>
#include <vector>

#include "preview/PreviewDisplay.h"
#include "preview/PreviewScene.h"
#include "toolkit/platform/vImageWindowEvents.h"
#include "toolkit/platform/vImageWindowPlatform.h"
#include "toolkit/platform/vPlatformOverride.h"

// What the preview last showed.
class RecordingDisplay : public PreviewDisplay {
public:
    void ShowPicture(int view, const std::string& path) override { pictures.at(view) = path; }
    void ShowCaption(int view, const std::string& caption) override { captions.at(view) = caption; }
    void ShowSketch(int, const PixelSurface&) override { ++sketches; }
    void ShowMessages(const std::string& text) override { messages = text; }
    void ShowBusy(bool on) override { busy = on; }

    std::vector<std::string> pictures{"-", "-"};
    std::vector<std::string> captions{"-", "-"};
    int sketches = 0;
    std::string messages;
    bool busy = false;
};

// Image windows that exist only as records.
class FakeImageWindows : public vImageWindowPlatform {
public:
    vImageWindowHandle CreateImageWindow(const char*, const std::vector<std::string>&, int, int,
                                         vImageWindowEvents* windowEvents) override {
        events = windowEvents;
        ++created;
        return reinterpret_cast<vImageWindowHandle>(this);
    }
    bool ShowPicture(vImageWindowHandle, int, const char*) override { return true; }
    void ShowCaption(vImageWindowHandle, int, const char*) override {}
    void ShowPixels(vImageWindowHandle, int, const PixelSurface&) override {}
    void ShowMessages(vImageWindowHandle, const char* text) override { messages = text; }
    void ShowBusy(vImageWindowHandle, bool) override {}
    void SetImageWindowTitle(vImageWindowHandle, const char*) override {}
    void RaiseImageWindow(vImageWindowHandle) override { ++raised; }
    void DestroyImageWindow(vImageWindowHandle) override { ++destroyed; }

    vImageWindowEvents* events = nullptr;
    std::string messages;
    int created = 0;
    int raised = 0;
    int destroyed = 0;

private:
    vPlatformOverride<vImageWindowPlatform> _installed{&vPlatform::imageWindows, this};
};

inline PreviewScene SceneOf(const std::string& text) {
    PreviewScene scene;
    scene.text = text;
    scene.kind = Prism;
    return scene;
}
