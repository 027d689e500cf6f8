#pragma once

#include <string>

#include "toolkit/ControlSpec.h"
#include "toolkit/DialogTemplate.h"

class vCmdParent;
class vItemPainter;

// One control of a dialog or pane, built from its table entry. Sizes and positions are in
// dialog units. The entry stays the application's: the control reads it and writes `value` back
// when it resets.
class vCmd {
public:
    vCmd(vCmdParent* parent, ControlSpec* entry);
    vCmd(const vCmd&) = delete;
    vCmd& operator=(const vCmd&) = delete;
    virtual ~vCmd() = default;

    // Sizes and places the control and adds it to the container's description.
    virtual void BuildControl() = 0;
    // The current value when id is this control's, else -1.
    virtual int ControlValue(int id) const;
    virtual void ResetControl();
    virtual void RememberValue();
    virtual void ChangeControl(int value, int aspect);
    virtual void ChangeText(const char* text);
    virtual void OnControlNotify(int id, int code);
    virtual void MeasureControl() {}
    virtual void DrawControl(vItemPainter& painter) { (void)painter; }
    // The control's item number in the container's window when id is its own, else 0.
    virtual int ControlHandle(int id) const;

    // Steps of bringing a freshly made window up to date with the control.
    virtual void InitText() {}
    virtual void InitValue() {}
    virtual void InitList() {}
    // Frames and icons take no input.
    virtual bool TakesNoInput(bool inDialog) const {
        (void)inDialog;
        return false;
    }
    virtual bool TakesFocus() const { return (Attributes() & AttrDefault) != 0; }
    // Sets the caption without touching any window (the message of a dialog).
    virtual void SetCaption(const char* text);
    // Text entries answer GetControlText; others do not.
    virtual bool ReadText(char* buffer, int length) const {
        (void)buffer;
        (void)length;
        return false;
    }

    int Id() const { return _id; }
    int Kind() const { return _kind; }
    int X() const { return _x; }
    int Y() const { return _y; }
    int Width() const { return _width; }
    int Height() const { return _height; }
    int Item() const { return _item; }
    int Value() const { return _value; }
    int Remembered() const { return _remembered; }
    bool Enabled() const { return _enabled; }
    const std::string& Text() const { return _text; }
    ControlSpec* Entry() const { return _entry; }
    vCmdParent* Parent() const { return _parent; }
    int Attributes() const { return _entry->attributes; }
    int InsideFrame() const { return _entry->insideFrame; }
    // Frames grow to enclose what is placed inside them.
    void SetSize(int width, int height);

protected:
    // Places a control of width w that reserves height h, then adds it to the description with
    // the template height and its own offset below the placed position.
    void PlaceAndAdd(DialogItemClass itemClass, unsigned style, int w, int h, int templateHeight,
                     int yOffset);
    // Visible unless created hidden.
    unsigned VisibleStyle() const;
    void Report(int value);
    // Common handling of aspects 1 (enabled) and 3 (hidden); true when the aspect was one of them.
    bool ChangeShownState(int value, int aspect);
    void SetChecked(bool on);

    vCmdParent* _parent;
    ControlSpec* _entry;
    int _kind;
    int _id;
    std::string _text;
    bool _enabled;
    int _remembered = 0;
    int _value;
    const void* _extra;
    int _x = 0;
    int _y = 0;
    int _height = 0;
    int _width = 0;
    int _item = 0;
};

// Characters of a caption other than the mnemonic marker.
int CaptionLength(const char* text);
