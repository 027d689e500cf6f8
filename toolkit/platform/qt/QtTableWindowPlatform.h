#pragma once

#include "toolkit/platform/qt/QtMadeWindows.h"
#include "toolkit/platform/qt/QtTableWindow.h"
#include "toolkit/platform/vTableWindowPlatform.h"

class QtWindowPlatform;

// Table windows as QtTableWindows over the frame of the window platform, when it has one.
class QtTableWindowPlatform : public vTableWindowPlatform {
public:
    explicit QtTableWindowPlatform(QtWindowPlatform* windows) : _windows(windows) {}

    vTableWindowHandle CreateTableWindow(const char* title,
                                         const std::vector<vTableColumn>& columns,
                                         const std::vector<std::string>& buttons,
                                         vTableWindowEvents* events) override;
    void SetTableTitle(vTableWindowHandle window, const char* title) override;
    void SetRowCount(vTableWindowHandle window, int rows) override;
    void SetRow(vTableWindowHandle window, int row, const vTableRow& contents) override;
    void SelectRow(vTableWindowHandle window, int row) override;
    void ShowStatus(vTableWindowHandle window, const char* text) override;
    void EnableButton(vTableWindowHandle window, int button, bool enabled) override;
    void RaiseTableWindow(vTableWindowHandle window) override;
    void DestroyTableWindow(vTableWindowHandle window) override;

    // The window a handle stands for, while it exists.
    QtTableWindow* WindowOf(vTableWindowHandle window) const { return _made.Find(window); }

private:
    QtWindowPlatform* _windows;
    QtMadeWindows<vTableWindowHandle> _made;
};
