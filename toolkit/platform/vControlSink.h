#pragma once

class vItemPainter;

// What a control reports to the toolkit.
enum vNotifyCode {
    NotifyClicked,
    NotifyTextChanged,
    NotifyFocusLost,
    NotifyFocusGained,
    NotifySelectionChanged,
    NotifyDoubleClicked,
};

// The toolkit side of a dialog or pane window: the platform calls it for every control
// notification, for the Escape key and the close box, and to paint owner-drawn items.
class vControlSink {
public:
    virtual ~vControlSink() = default;
    virtual void OnItemNotify(int item, int code) = 0;
    virtual void OnCancelRequest() = 0;
    virtual void OnItemPaint(int item, vItemPainter& painter) = 0;
    // Paints the window's own background decoration (pane edges); the base paints nothing.
    virtual void OnWindowPaint(vItemPainter& painter) { (void)painter; }
};
