#include "toolkit/vTextInCmd.h"

#include <algorithm>
#include <cstring>

#include "toolkit/CommandIds.h"
#include "toolkit/platform/vControlHost.h"
#include "toolkit/platform/vControlSink.h"
#include "toolkit/util/Utf8Text.h"
#include "toolkit/vCmdParent.h"

void vTextInCmd::BuildControl() {
    const int attributes = Attributes();
    int chars = 20;
    if (_entry->width > 0) {
        chars = _entry->width;
    } else if ((attributes & AttrNarrow) != 0) {
        chars = 10;
    } else if ((attributes & AttrWide) != 0) {
        chars = 35;
    }
    const int length = static_cast<int>(_text.size());
    const int w = length > chars ? (length + 6) * 4 + 6 : chars * 4 + 6;
    unsigned style = StyleAutoHScroll | StyleTabStop | VisibleStyle();
    if ((attributes & AttrPassword) != 0) {
        style |= StylePassword;
    }
    if ((attributes & AttrNoBorder) == 0) {
        style |= StyleBorder;
    }
    PlaceAndAdd(ItemEdit, style, w, 14, 14, 0);
}

void vTextInCmd::InitText() {
    _parent->Host().SetItemText(_item, _text.c_str());
}

void vTextInCmd::OnControlNotify(int id, int code) {
    (void)id;
    if (code == NotifyTextChanged) {
        char buffer[kBufferSize];
        _parent->Host().ReadItemText(_item, buffer, kBufferSize);
        buffer[kBufferSize - 1] = '\0';
        _text = buffer;
        Report(ValueTextChanged);
    } else if (code == NotifyFocusLost) {
        Report(ValueFocusLeft);
    }
}

bool vTextInCmd::ReadText(char* buffer, int length) const {
    CopyUtf8(buffer, static_cast<size_t>(length), _text.c_str());
    return true;
}
