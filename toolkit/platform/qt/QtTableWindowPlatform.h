#pragma once

#include "toolkit/platform/qt/QtMadeWindows.h"
#include "toolkit/platform/qt/QtTableWindow.h"
#include "toolkit/platform/vTableWindowPlatform.h"

class QtWindowPlatform;

// Table windows as QtTableWindows over the frame of the window platform, when it has one.
class QtTableWindowPlatform : public vTableWindowPlatform {
public:
    explicit QtTableWindowPlatform(QtWindowPlatform* windows) : _windows(windows) {}

    vHandle CreateTableWindow(const char* title, const std::vector<vTableColumn>& columns,
                              const std::vector<std::string>& buttons,
                              vTableWindowEvents* events) override;
    void SetTableTitle(vHandle window, const char* title) override;
    void SetRowCount(vHandle window, int rows) override;
    void SetRow(vHandle window, int row, const vTableRow& contents) override;
    void SelectRow(vHandle window, int row) override;
    void ShowStatus(vHandle window, const char* text) override;
    void EnableButton(vHandle window, int button, bool enabled) override;
    void RaiseTableWindow(vHandle window) override;
    void DestroyTableWindow(vHandle window) override;

    // The window a handle stands for, while it exists.
    QtTableWindow* WindowOf(vHandle window) const { return _made.Find(window); }

private:
    QtWindowPlatform* _windows;
    QtMadeWindows<QtTableWindow> _made;
};
