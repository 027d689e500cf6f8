#pragma once

#include <memory>
#include <string>

// The window classes a dialog item can be made of.
enum DialogItemClass {
    ItemStatic,
    ItemButton,
    ItemEdit,
    ItemComboBox,
    ItemListBox,
    ItemScrollBar,
};

// Style bits of a dialog item, in the toolkit's own terms.
enum DialogItemStyle : unsigned {
    StyleVisible = 1u << 0,
    StyleTabStop = 1u << 1,
    StyleGroup = 1u << 2,
    StyleBorder = 1u << 3,
    StylePushButton = 1u << 4,
    StyleDefPushButton = 1u << 5,
    StyleCheckBox = 1u << 6,
    StyleRadioButton = 1u << 7,
    StyleOwnerDraw = 1u << 8,
    StyleNoWordWrap = 1u << 9,
    StyleAutoHScroll = 1u << 10,
    StylePassword = 1u << 11,
    StyleReadOnly = 1u << 12,
    StyleMultiLine = 1u << 13,
    StyleVScroll = 1u << 14,
    StyleSorted = 1u << 15,
    StyleNotify = 1u << 16,
    StyleDropDownList = 1u << 17,
    StyleChild = 1u << 18,
};

// Style bits of the dialog itself.
enum DialogStyle : unsigned {
    DialogPopup = 1u << 0,
    DialogVisible = 1u << 1,
    DialogCaption = 1u << 2,
    DialogModalFrame = 1u << 3,
    DialogSetFont = 1u << 4,
    DialogChild = 1u << 5,
    DialogClipSiblings = 1u << 6,
};

// One control of the description, in dialog units.
struct DialogItem {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    int id = 0;
    unsigned style = 0;
    DialogItemClass itemClass = ItemStatic;
    std::string text;
};

// Our own description of a dialog or pane: a header and a list of items with rectangles in
// dialog units, from which the platform makes real controls. Items are numbered from 1; number 0
// means "not in the description".
class DialogTemplate {
public:
    static constexpr int kFontSize = 8;
    static constexpr const char* kFontName = "Helv";
    // The item count of the original block was a 16-bit field.
    static constexpr int kMaxItems = 65535;

    DialogTemplate() = default;
    DialogTemplate(const DialogTemplate&) = delete;
    DialogTemplate& operator=(const DialogTemplate&) = delete;

    // Starts an empty description of size 1 x 1; false when its storage cannot be had.
    bool Start(unsigned style, int x, int y, const char* title);
    bool Started() const { return _items != nullptr; }
    // Appends an item and returns its number, or 0 when the description cannot grow.
    int AddItem(const DialogItem& item);
    // The item with that number, or null.
    DialogItem* Item(int number);
    const DialogItem* Item(int number) const;
    int ItemCount() const { return _count; }
    // Sizes the dialog 2 units beyond the extents of its controls.
    void Finish(int maxX, int maxY);
    void Free();

    unsigned Style() const { return _style; }
    int X() const { return _x; }
    int Y() const { return _y; }
    int Width() const { return _cx; }
    int Height() const { return _cy; }
    const std::string& Title() const { return _title; }

private:
    bool Grow();

    unsigned _style = 0;
    int _x = 0;
    int _y = 0;
    int _cx = 1;
    int _cy = 1;
    std::string _title;
    std::unique_ptr<DialogItem[]> _items;
    int _count = 0;
    int _capacity = 0;
};
