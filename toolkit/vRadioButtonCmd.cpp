#include "toolkit/vRadioButtonCmd.h"

#include "toolkit/CommandIds.h"
#include "toolkit/platform/vControlSink.h"

vRadioButtonCmd::vRadioButtonCmd(vCmdParent* parent, ControlSpec* entry)
    : vCheckBoxCmd(parent, entry), _next(_first) {
    _first = this;
}

vRadioButtonCmd::~vRadioButtonCmd() {
    for (vRadioButtonCmd** link = &_first; *link != nullptr; link = &(*link)->_next) {
        if (*link == this) {
            *link = _next;
            break;
        }
    }
}

void vRadioButtonCmd::BuildControl() {
    BuildCheckable(StyleRadioButton);
}

bool vRadioButtonCmd::SameGroup(const vRadioButtonCmd& other) const {
    return &other != this && other._parent == _parent && other.InsideFrame() == InsideFrame();
}

vRadioButtonCmd* vRadioButtonCmd::ClearGroupMember() {
    for (vRadioButtonCmd* button = _first; button != nullptr; button = button->_next) {
        if (SameGroup(*button) && button->_value != 0) {
            button->TakeValue(0);
            return button;
        }
    }
    return nullptr;
}

// Tables may tick several members of a group; they are applied newest first, so the earliest
// ticked entry wins, and whatever an earlier showing left set is cleared.
void vRadioButtonCmd::InitValue() {
    if (_entry->value != 0) {
        while (ClearGroupMember() != nullptr) {
        }
    }
    vCheckBoxCmd::InitValue();
}

void vRadioButtonCmd::ChangeControl(int value, int aspect) {
    if ((aspect == AspectValue || aspect == AspectPosition) && value != 0) {
        ClearGroupMember();
    }
    vCheckBoxCmd::ChangeControl(value, aspect);
}

void vRadioButtonCmd::OnControlNotify(int id, int code) {
    (void)id;
    if (code != NotifyClicked) {
        return;
    }
    if (vRadioButtonCmd* cleared = ClearGroupMember()) {
        cleared->Report(0);
    }
    if (_value == 0) {
        TakeValue(1);
        Report(1);
    }
}
