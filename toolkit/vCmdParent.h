#pragma once

#include <memory>
#include <vector>

#include "toolkit/ControlSpec.h"
#include "toolkit/DialogTemplate.h"
#include "toolkit/platform/vControlSink.h"

class vCmd;
class vControlHost;

enum LayoutRole {
    RoleDialog = 0,
    RoleCommandBar = 1,
    RoleStatusBar = 2,
};

// The control container shared by dialogs and by the command and status bars: it makes one
// control per table entry, lays them out in dialog units into a DialogTemplate, and once the
// platform has made the window it gives access to the controls by id and passes their
// notifications on as (id, value, kind).
class vCmdParent : public vControlSink {
public:
    vCmdParent(int layoutRole, int paneKind);
    vCmdParent(const vCmdParent&) = delete;
    vCmdParent& operator=(const vCmdParent&) = delete;
    ~vCmdParent() override;

    // The sink of every control command; dialogs and panes pass it on.
    virtual void OnControlCommand(int id, int value, int kind);
    virtual int GetControlText(int id, char* buffer, int length);
    virtual int GetControlValue(int id);
    virtual void SetControlValue(int id, int value, int aspect);
    virtual void SetControlText(int id, const char* text);
    virtual void ShowFrameContents(int frameId, int on);
    // Makes and builds the control of an entry; unbuildable kinds become a label that says so.
    virtual vCmd* CreateControl(ControlSpec* entry);

    // Starts the description; on failure tells the user and asks the program to end.
    bool StartTemplate(unsigned style, int x, int y, const char* title);
    // Adds every entry up to kind 0 and finishes the description.
    void AddControlTable(ControlSpec* table);
    // Adds one entry's control (kept newest first for lookups).
    vCmd* AddControl(ControlSpec* entry);
    // Takes an already built control into the list; the container deletes it.
    void AdoptControl(vCmd* control);
    void FinishTemplate();

    // Layout services for the controls while they build.
    void PlaceControl(vCmd& control, int w, int h, int& x, int& y);
    int AddTemplateItem(const DialogItem& item);
    void GrowFrame(vCmd& frame, int right, int bottom, int margin);

    // The first control with the id, newest first, or null.
    vCmd* FindControl(int id) const;
    vCmd* FindItem(int item) const;
    // Controls in table order.
    const std::vector<vCmd*>& Controls() const { return _controls; }

    // The platform window. Without one, changes stay in the controls and nothing is shown.
    void AttachHost(vControlHost* host);
    void DestroyHost();
    bool HasHost() const { return _host != nullptr; }
    vControlHost& Host() const;
    // Brings a freshly made window up to date with every control, newest first.
    void InitControls();

    void OnItemNotify(int item, int code) override;
    void OnCancelRequest() override;
    void OnItemPaint(int item, vItemPainter& painter) override;

    int MaxX() const { return _maxX; }
    int MaxY() const { return _maxY; }
    int Role() const { return _role; }
    int ContainerKind() const { return _paneKind; }
    const DialogTemplate& Template() const { return _template; }
    DialogTemplate& Template() { return _template; }

protected:
    // A dialog under a modal one takes no input.
    virtual bool AcceptsInput() const { return true; }
    // A container with no window has the pane flag set differently: dialogs focus their default
    // control and refresh message labels while initialising.
    bool InDialog() const { return _role == RoleDialog; }
    void SetExtents(int maxX, int maxY);

private:
    vCmd* FindFrame(int id) const;
    void InitControl(vCmd& control);
    void GrowFrameBy(vCmd& frame, int right, int bottom, int margin, int depth);
    void ShowFrameContentsBy(int frameId, int on, int depth);

    std::vector<vCmd*> _controls;
    DialogTemplate _template;
    int _maxX = 0;
    int _maxY = 0;
    int _role;
    int _paneKind;
    std::unique_ptr<vControlHost> _host;
};
