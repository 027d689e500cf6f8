#pragma once

// Menu item state bits.
enum MenuState {
    MenuEnabled = 0x1,
    MenuChecked = 0x2,
};

// One menu item (or, in the menu-bar table, one drop-down: only `label` and `submenu` are used).
// A table ends at the first entry whose label is null. The menu pane writes `state` and
// `label` back into the table when an item is changed, so tables must be writable.
struct MenuSpec {
    const char* label;
    int id;
    int state;
    const char* keyText;
    int keyCode;
    MenuSpec* submenu;
    int keyModifiers;
};
