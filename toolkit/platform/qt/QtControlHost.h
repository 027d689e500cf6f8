#pragma once

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <vector>

#include "toolkit/DialogTemplate.h"
#include "toolkit/platform/vControlHost.h"

class vControlSink;

// The window of a dialog or pane: real Qt controls placed at the pixel rectangles of a
// DialogTemplate. The window is deleted later, so a control may close its own dialog.
class QtControlHost : public vControlHost {
public:
    // A dialog window (top-level, over the frame) or a pane window (a child of the frame's
    // client area).
    QtControlHost(const DialogTemplate& description, vControlSink* sink, bool pane);
    ~QtControlHost() override;

    void SetItemText(int item, const char* text) override;
    int ReadItemText(int item, char* buffer, int length) override;
    void SetItemChecked(int item, bool on) override;
    void SetItemEnabled(int item, bool on) override;
    void SetItemVisible(int item, bool on) override;
    void FocusItem(int item) override;
    void RepaintItem(int item) override;
    void SetItemList(int item, const char* const* entries, int selection) override;
    int ItemSelection(int item) const override;
    void SetItemPosition(int item, int position) override;
    void AddTooltip(int item, const char* text) override;
    bool ItemTextFits(int item, const char* text) const override;
    void ResizeItem(int item, int cx, int cy) override;
    void SetCaption(const char* text) override;
    void ShowWindow() override;
    int RunModal() override;
    void EndModal(int result) override;
    void MoveTo(int x, int y) override;
    void ScreenRect(int& x, int& y, int& width, int& height) const override;
    int ClientHeight() const override;
    void SetPaneVisible(bool on) override;
    bool PaneVisible() const override;
    void PlacePane(int x, int y, int width, int height) override;
    void ReturnFocus() override;

    QWidget* Window() const { return _window; }
    // The control of an item number, or null.
    QWidget* ItemWidget(int item) const;

private:
    QWidget* MakeControl(const DialogItem& item, int number);
    QLabel* MakeStaticText(Qt::Alignment alignment, bool border);
    void Notify(int number, int code);

    QPointer<QWidget> _window;
    vControlSink* _sink;
    std::vector<QWidget*> _items;
};
