#include "toolkit/vCheckBoxCmd.h"

#include "toolkit/CommandIds.h"
#include "toolkit/platform/vControlHost.h"
#include "toolkit/platform/vControlSink.h"
#include "toolkit/vCmdParent.h"

void vCheckBoxCmd::BuildControl() {
    BuildCheckable(StyleCheckBox);
}

void vCheckBoxCmd::BuildCheckable(unsigned kindStyle) {
    const int w = CaptionLength(_text.c_str()) * 4 + 14;
    PlaceAndAdd(ItemButton, kindStyle | StyleGroup | StyleTabStop | VisibleStyle(), w, 14, 11, 2);
}

void vCheckBoxCmd::InitText() {
    _parent->Host().SetItemText(_item, _text.c_str());
}

void vCheckBoxCmd::InitValue() {
    // A window made again shows the table's value, not the state it had when last closed.
    TakeValue(_entry->value != 0 ? 1 : 0);
}

void vCheckBoxCmd::TakeValue(int value) {
    _value = value;
    SetChecked(value != 0);
}

void vCheckBoxCmd::ResetControl() {
    if (_value != _remembered) {
        TakeValue(_remembered);
        Report(_value);
    }
}

void vCheckBoxCmd::ChangeControl(int value, int aspect) {
    if (aspect == AspectValue || aspect == AspectPosition) {
        TakeValue(value);
        return;
    }
    ChangeShownState(value, aspect);
}

void vCheckBoxCmd::OnControlNotify(int id, int code) {
    (void)id;
    if (code != NotifyClicked) {
        return;
    }
    TakeValue(_value != 0 ? 0 : 1);
    Report(_value);
}
