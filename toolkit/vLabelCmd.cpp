#include "toolkit/vLabelCmd.h"

#include "toolkit/platform/vControlHost.h"
#include "toolkit/platform/vItemPainter.h"
#include "toolkit/util/CharWidthTable.h"
#include "toolkit/vCmdParent.h"
#include "toolkit/vIcon.h"

namespace {
// A message label with a short caption is made wide enough for the message that replaces it.
constexpr int kMessageWidth = 88;
constexpr int kShortCaption = 20;
}  // namespace

void vLabelCmd::BuildControl() {
    if (_kind == CtlIconLabel) {
        BuildIcon();
        return;
    }
    int w = CharWidthTable::TextWidth(_text.c_str()) + 8;
    if (_entry->width > 0) {
        w = _entry->width;
    } else if ((Attributes() & AttrMessage) != 0 && CaptionLength(_text.c_str()) < kShortCaption) {
        w = kMessageWidth;
    }
    const unsigned style = StyleNoWordWrap | VisibleStyle();
    if (_parent->Role() == RoleStatusBar || _kind == CtlBlank) {
        PlaceAndAdd(ItemStatic, style, w, 11, 9, 2);
    } else {
        PlaceAndAdd(ItemStatic, style, w, 14, 11, 3);
    }
}

void vLabelCmd::BuildIcon() {
    const auto* icon = static_cast<const vIcon*>(_extra);
    const int h = (icon != nullptr ? icon->height / 2 : 0) + 6;
    const int w = (icon != nullptr ? icon->width / 2 : 0) + 14;
    PlaceAndAdd(ItemButton, StyleOwnerDraw | VisibleStyle(), w, h, h, 0);
}

void vLabelCmd::InitText() {
    if (_kind == CtlLabel) {
        _parent->Host().SetItemText(_item, _text.c_str());
    }
}

void vLabelCmd::DrawControl(vItemPainter& painter) {
    const auto* icon = static_cast<const vIcon*>(_extra);
    if (_kind != CtlIconLabel || icon == nullptr) {
        return;
    }
    painter.FillRect(0, 0, painter.Width(), painter.Height(), ShadeFace);
    painter.Icon((painter.Width() - icon->width) / 2, (painter.Height() - icon->height) / 2, *icon);
}
