#pragma once

#include <string>
#include <vector>

#include "toolkit/ControlSpec.h"
#include "toolkit/StatusFieldSpec.h"
#include "toolkit/vCmdParent.h"
#include "toolkit/vPane.h"

class vWindow;

// A command bar or a status bar: a row of controls built from a table, stacked in the frame
// above (command bar) or below (status bar) the child windows' area while its window is active.
class vCommandPane : public vPane, public vCmdParent {
public:
    explicit vCommandPane(ControlSpec* commandBar);
    // Each status field becomes a boxed label.
    explicit vCommandPane(const StatusFieldSpec* fields);
    ~vCommandPane() override;

    void InitPane(vWindow* window, vPaneHandle handle) override;
    bool PaneGetValue(int id, int& value) override;
    bool PaneGetText(int id, char* buffer, int length) override;
    void PaneSetValue(int id, int value, int aspect) override;
    void PaneSetText(int id, const char* text) override;
    void ShowPane(int on) override;
    virtual void ForwardPaneCommand(int id, int value, int kind);

    void OnControlCommand(int id, int value, int kind) override;
    void OnWindowPaint(vItemPainter& painter) override;

    vWindow* Window() const { return _window; }
    int PaneHeight() const { return _height; }
    bool Visible() const { return _visible; }
    bool Active() const { return _active; }
    // Shows the pane when its window is the active one; hides it otherwise.
    void FollowActivation(const vWindow* active);
    // Stacks the pane at the top edge (moving it down) or, for a status bar, at the bottom edge
    // (moving it up), when it is active, visible and has a window on screen.
    void TakePlace(int width, int& top, int& bottom);
    // Stacks the registered panes in list order (newest first) from both edges of the frame.
    static void LayoutPanes(const std::vector<vPane*>& panes, int width, int& top, int& bottom);

private:
    static void InstallFrameHooks();

    vWindow* _window = nullptr;
    ControlSpec* _table;
    std::vector<ControlSpec> _statusEntries;
    std::vector<std::string> _statusTexts;
    int _height = 0;
    int _position = 0;
    bool _visible = true;
    bool _active = false;
};
