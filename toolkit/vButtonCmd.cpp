#include "toolkit/vButtonCmd.h"

#include "toolkit/CommandIds.h"
#include "toolkit/platform/vControlHost.h"
#include "toolkit/platform/vControlSink.h"
#include "toolkit/platform/vItemPainter.h"
#include "toolkit/vCmdParent.h"
#include "toolkit/vIcon.h"

void vButtonCmd::BuildControl() {
    unsigned style = StyleGroup | VisibleStyle();
    if (_parent->Role() != RoleCommandBar) {
        style |= StyleTabStop;
    }
    const auto* icon = static_cast<const vIcon*>(_extra);
    if (_kind == CtlIconButton || _kind == CtlToggleIconButton) {
        const int h = (icon != nullptr ? icon->height / 2 : 0) + 5;
        const int w = (icon != nullptr ? icon->width / 2 : 0) + 5;
        PlaceAndAdd(ItemButton, style | StyleOwnerDraw, w, h, h, 0);
        return;
    }
    int w = CaptionLength(_text.c_str()) * 4 + 10;
    if (_entry->width > w) {
        w = _entry->width;
    }
    if (IsOwnerDrawn()) {
        style |= StyleOwnerDraw;
    } else {
        style |= (Attributes() & AttrDefault) != 0 ? StyleDefPushButton : StylePushButton;
    }
    PlaceAndAdd(ItemButton, style, w, 14, 14, 0);
}

void vButtonCmd::InitText() {
    if (_kind == CtlButton) {
        _parent->Host().SetItemText(_item, _text.c_str());
    }
}

void vButtonCmd::ResetControl() {
    if (!IsToggle()) {
        vCmd::ResetControl();
        return;
    }
    if (_value != _remembered) {
        _value = _remembered;
        _parent->Host().RepaintItem(_item);
        Report(_value);
    }
}

void vButtonCmd::ChangeControl(int value, int aspect) {
    if (aspect == AspectValue || aspect == AspectPosition) {
        _value = value;
        _parent->Host().RepaintItem(_item);
        return;
    }
    ChangeShownState(value, aspect);
}

void vButtonCmd::OnControlNotify(int id, int code) {
    (void)id;
    if (code != NotifyClicked) {
        return;
    }
    if (IsToggle()) {
        _value = _value != 0 ? 0 : 1;
        _parent->Host().RepaintItem(_item);
    }
    Report(_value);
}

void vButtonCmd::DrawControl(vItemPainter& painter) {
    const int w = painter.Width();
    const int h = painter.Height();
    painter.FillRect(0, 0, w, h, ShadeFace);
    // A set toggle looks pressed: dark edge at the top left, light at the bottom right.
    const bool pressed = IsToggle() && _value != 0;
    const vShade topLeft = pressed ? ShadeShadow : ShadeHighlight;
    const vShade bottomRight = pressed ? ShadeHighlight : ShadeShadow;
    painter.Line(0, h - 1, 0, 0, topLeft);
    painter.Line(0, 0, w - 1, 0, topLeft);
    painter.Line(w - 1, 0, w - 1, h - 1, bottomRight);
    painter.Line(w - 1, h - 1, -1, h - 1, bottomRight);
    const auto* icon = static_cast<const vIcon*>(_extra);
    if ((_kind == CtlIconButton || _kind == CtlToggleIconButton) && icon != nullptr) {
        painter.Icon((w - icon->width) / 2, (h - icon->height) / 2, *icon);
    } else {
        painter.CentredText(0, 0, w, h, _text.c_str());
    }
}
