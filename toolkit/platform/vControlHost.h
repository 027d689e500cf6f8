#pragma once

// The real window of a dialog or pane made from a DialogTemplate, and its controls. Controls are
// addressed by their item number in the description. Deleting the host takes the window away.
class vControlHost {
public:
    virtual ~vControlHost() = default;

    virtual void SetItemText(int item, const char* text) = 0;
    // Copies at most length - 1 characters and a terminating NUL; returns the count copied.
    virtual int ReadItemText(int item, char* buffer, int length) = 0;
    virtual void SetItemChecked(int item, bool on) = 0;
    virtual void SetItemEnabled(int item, bool on) = 0;
    virtual void SetItemVisible(int item, bool on) = 0;
    virtual void FocusItem(int item) = 0;
    virtual void RepaintItem(int item) = 0;
    // Fills a list or drop-down with the null-terminated entries and selects one (-1 = none).
    virtual void SetItemList(int item, const char* const* entries, int selection) = 0;
    // The selected entry of a list or drop-down, or the position of a slider (-1 = none).
    virtual int ItemSelection(int item) const = 0;
    virtual void SetItemPosition(int item, int position) = 0;
    // Sets the item's tooltip; an empty text takes it away.
    virtual void AddTooltip(int item, const char* text) = 0;
    // Whether the text shows whole as an owner-drawn item's caption, which is cut where it does
    // not fit. A host that draws nothing cuts nothing.
    virtual bool ItemTextFits(int item, const char* text) const {
        (void)item;
        (void)text;
        return true;
    }
    // Gives an item a new size in dialog units (frames that grew after the window was made).
    virtual void ResizeItem(int item, int cx, int cy) = 0;

    // Dialogs.
    virtual void SetCaption(const char* text) = 0;
    virtual void ShowWindow() = 0;
    // Runs the nested modal loop until EndModal; returns its result.
    virtual int RunModal() = 0;
    virtual void EndModal(int result) = 0;
    // Moves the window so that its top-left corner is at (x, y) pixels from the top-left of the
    // frame's client area that holds the child windows.
    virtual void MoveTo(int x, int y) = 0;
    virtual void ScreenRect(int& x, int& y, int& width, int& height) const = 0;

    // Panes.
    virtual int ClientHeight() const = 0;
    virtual void SetPaneVisible(bool on) = 0;
    virtual bool PaneVisible() const = 0;
    virtual void PlacePane(int x, int y, int width, int height) = 0;
    // Gives the keyboard focus back to the active child window.
    virtual void ReturnFocus() = 0;
};
