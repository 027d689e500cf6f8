#pragma once

#include <map>
#include <string>
#include <vector>

#include "toolkit/platform/vControlHost.h"
#include "toolkit/platform/vControlPlatform.h"
#include "toolkit/platform/vControlSink.h"
#include "toolkit/platform/vPlatformOverride.h"

// A window that remembers what the toolkit did to each item, for tests without a display.
class FakeControlHost : public vControlHost {
public:
    struct ItemState {
        std::string text;
        bool checked = false;
        bool enabled = true;
        bool visible = true;
        int selection = -1;
    };

    std::map<int, ItemState> items;
    std::vector<std::string> calls;
    int focused = 0;
    bool modalRunning = false;
    int endResult = -1;
    int paneHeight = 20;
    bool paneVisible = true;
    int placedY = -1;
    int placedHeight = -1;
    int focusReturns = 0;
    // Where the calls and then the items' texts go when the window is destroyed.
    std::vector<std::string>* log = nullptr;

    ~FakeControlHost() override {
        if (log != nullptr) {
            log->insert(log->end(), calls.begin(), calls.end());
            for (const auto& item : items) {
                log->push_back("Text " + item.second.text);
            }
        }
    }

    void SetItemText(int item, const char* text) override { items[item].text = text; }
    int ReadItemText(int item, char* buffer, int length) override {
        const std::string& text = items[item].text;
        const size_t count =
            text.size() < static_cast<size_t>(length - 1) ? text.size() : length - 1;
        text.copy(buffer, count);
        buffer[count] = '\0';
        return static_cast<int>(count);
    }
    void SetItemChecked(int item, bool on) override { items[item].checked = on; }
    void SetItemEnabled(int item, bool on) override { items[item].enabled = on; }
    void SetItemVisible(int item, bool on) override { items[item].visible = on; }
    void FocusItem(int item) override { focused = item; }
    void RepaintItem(int item) override { calls.push_back("Repaint " + std::to_string(item)); }
    void SetItemList(int item, const char* const*, int selection) override {
        items[item].selection = selection;
    }
    int ItemSelection(int item) const override {
        auto it = items.find(item);
        return it != items.end() ? it->second.selection : -1;
    }
    void SetItemPosition(int item, int position) override { items[item].selection = position; }
    void AddTooltip(int item, const char* text) override {
        calls.push_back("Tooltip " + std::to_string(item) + " " + text);
    }
    void ResizeItem(int, int, int) override {}
    void SetCaption(const char* text) override { calls.push_back(std::string("Caption ") + text); }
    void ShowWindow() override { calls.push_back("Show"); }
    int RunModal() override {
        modalRunning = true;
        return 0;
    }
    void EndModal(int result) override {
        modalRunning = false;
        endResult = result;
    }
    void MoveTo(int x, int y) override {
        calls.push_back("MoveTo " + std::to_string(x) + "," + std::to_string(y));
    }
    void ScreenRect(int& x, int& y, int& width, int& height) const override {
        x = 0;
        y = 0;
        width = 200;
        height = 100;
    }
    int ClientHeight() const override { return paneHeight; }
    void SetPaneVisible(bool on) override { paneVisible = on; }
    bool PaneVisible() const override { return paneVisible; }
    void PlacePane(int, int y, int, int height) override {
        placedY = y;
        placedHeight = height;
    }
    void ReturnFocus() override { ++focusReturns; }
};

// Makes fake windows for dialogs and panes and keeps the sink of the newest one, so a test can
// click its controls.
class FakeControlPlatform : public vControlPlatform {
public:
    FakeControlHost* lastHost = nullptr;
    vControlSink* lastSink = nullptr;
    std::vector<FakeControlHost*> paneHosts;
    int clientX = -1;
    int clientY = -1;
    int clientWidth = -1;
    int clientHeight = -1;
    bool clipboardText = false;
    std::vector<std::string> closedCalls;

    vControlHost* CreateDialogHost(const DialogTemplate&, vControlSink* sink, vWindowHandle,
                                   bool) override {
        lastSink = sink;
        lastHost = new FakeControlHost;
        lastHost->log = &closedCalls;
        return lastHost;
    }
    vControlHost* CreatePaneHost(const DialogTemplate&, vControlSink* sink) override {
        lastSink = sink;
        lastHost = new FakeControlHost;
        paneHosts.push_back(lastHost);
        return lastHost;
    }
    void PlaceClientArea(int x, int y, int width, int height) override {
        clientX = x;
        clientY = y;
        clientWidth = width;
        clientHeight = height;
    }
    void FrameClientSize(int& width, int& height) const override {
        width = 640;
        height = 480;
    }
    void FrameScreenRect(int& x, int& y, int& width, int& height) const override {
        x = 100;
        y = 50;
        width = 800;
        height = 600;
    }
    bool ClipboardHasText() const override { return clipboardText; }

private:
    vPlatformOverride<vControlPlatform> _installed{&vPlatform::controls, this};
};
