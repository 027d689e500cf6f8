#pragma once

// The kinds of control a table entry can describe. The numbers are part of the table format.
enum ControlKind {
    CtlEnd = 0,
    CtlBlank = 2,
    CtlBoxedLabel = 3,
    CtlButton = 4,
    CtlCheckBox = 5,
    CtlColorButton = 6,
    CtlColorLabel = 7,
    CtlComboBox = 9,
    CtlFrame = 10,
    CtlIconLabel = 11,
    CtlIconButton = 12,
    CtlLabel = 13,
    CtlListBox = 14,
    CtlMenuItem = 15,
    CtlProgressBar = 16,
    CtlRadioButton = 17,
    CtlSlider = 19,
    CtlSpinner = 21,
    CtlTextIn = 22,
    CtlText = 23,
    CtlToggleButton = 24,
    CtlToggleFrame = 25,
    CtlToggleIconButton = 26,
};

// Attribute bits of a table entry; bits not listed are ignored.
enum ControlAttribute {
    AttrMessage = 0x1,
    AttrDefault = 0x2,
    AttrWide = 0x4,
    AttrNarrow = 0x8,
    AttrHidden = 0x10,
    AttrPassword = 0x100,
    AttrNoBorder = 0x400,
    AttrTight = 0x800,
};

// One control of a dialog, command bar or status bar. Tables of these are the application's
// writable static data: the toolkit keeps pointers into them and writes `label` (messages,
// new texts) and `value` (remembered values). A table ends at the first entry of kind 0.
struct ControlSpec {
    int kind;
    int id;
    int value;
    const char* label;
    // CtlText: the text shown; list kinds: a null-terminated array of strings; icon kinds: a
    // vIcon.
    const void* extra;
    int attributes;
    int enabled;
    int insideFrame;
    int rightOf;
    int below;
    int width;
    const char* tooltip;
};
