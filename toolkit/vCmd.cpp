#include "toolkit/vCmd.h"

#include "toolkit/CommandIds.h"
#include "toolkit/platform/vControlHost.h"
#include "toolkit/vCmdParent.h"

int CaptionLength(const char* text) {
    int length = 0;
    for (const char* p = text; p != nullptr && *p != '\0'; ++p) {
        if (*p != '&') {
            ++length;
        }
    }
    return length;
}

vCmd::vCmd(vCmdParent* parent, ControlSpec* entry)
    : _parent(parent),
      _entry(entry),
      _kind(entry->kind),
      _id(entry->id),
      _text(entry->label != nullptr ? entry->label : ""),
      _enabled((entry->enabled & 1) != 0),
      _value(entry->value),
      _extra(entry->extra) {}

int vCmd::ControlValue(int id) const {
    return id == _id ? _value : -1;
}

void vCmd::ResetControl() {
    _entry->value = _remembered;
}

void vCmd::RememberValue() {
    _remembered = _entry->value;
}

void vCmd::ChangeControl(int value, int aspect) {
    ChangeShownState(value, aspect);
}

void vCmd::ChangeText(const char* text) {
    SetCaption(text);
    _parent->Host().SetItemText(_item, _text.c_str());
}

void vCmd::SetCaption(const char* text) {
    _text = text != nullptr ? text : "";
}

void vCmd::OnControlNotify(int id, int code) {
    (void)code;
    _parent->OnControlCommand(id, _entry->value, _kind);
}

int vCmd::ControlHandle(int id) const {
    return id == _id ? _item : 0;
}

void vCmd::SetSize(int width, int height) {
    _width = width;
    _height = height;
}

void vCmd::PlaceAndAdd(DialogItemClass itemClass, unsigned style, int w, int h, int templateHeight,
                       int yOffset) {
    _width = w;
    _height = templateHeight;
    _parent->PlaceControl(*this, w, h, _x, _y);
    _y += yOffset;
    DialogItem item;
    item.x = _x;
    item.y = _y;
    item.cx = _width;
    item.cy = _height;
    item.id = _id;
    item.style = style | StyleChild;
    item.itemClass = itemClass;
    item.text = _text;
    _item = _parent->AddTemplateItem(item);
}

unsigned vCmd::VisibleStyle() const {
    return (Attributes() & AttrHidden) != 0 ? 0u : StyleVisible;
}

void vCmd::Report(int value) {
    _parent->OnControlCommand(_id, value, _kind);
}

bool vCmd::ChangeShownState(int value, int aspect) {
    if (aspect == AspectEnabled) {
        _enabled = value != 0;
        _parent->Host().SetItemEnabled(_item, _enabled);
        return true;
    }
    if (aspect == AspectHidden) {
        _parent->Host().SetItemVisible(_item, value == 0);
        return true;
    }
    return false;
}

void vCmd::SetChecked(bool on) {
    _parent->Host().SetItemChecked(_item, on);
}
