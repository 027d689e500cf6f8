#include "toolkit/vBoxedLabelCmd.h"

#include <cstring>

#include "toolkit/platform/vControlHost.h"
#include "toolkit/platform/vItemPainter.h"
#include "toolkit/raster/SunkenEdge.h"
#include "toolkit/util/CharWidthTable.h"
#include "toolkit/vCmdParent.h"

namespace {
constexpr const char* kTooLong = "????????";
}

vBoxedLabelCmd::vBoxedLabelCmd(vCmdParent* parent, ControlSpec* entry)
    : vCmd(parent, entry), _tooltip(entry->tooltip != nullptr ? entry->tooltip : "") {
    SetCaption(entry->label);
}

void vBoxedLabelCmd::SetCaption(const char* text) {
    const char* shown = text != nullptr ? text : "";
    if (std::strlen(shown) >= kBufferSize) {
        shown = kTooLong;
    }
    _text = shown;
}

void vBoxedLabelCmd::BuildControl() {
    const int w = _entry->width >= 1 ? _entry->width : CharWidthTable::TextWidth(_text.c_str()) + 4;
    const unsigned shown =
        (Attributes() & AttrHidden) != 0 ? StyleGroup : StyleVisible | StyleTabStop;
    PlaceAndAdd(ItemButton, StyleOwnerDraw | shown, w, 11, 11, 0);
}

void vBoxedLabelCmd::ChangeText(const char* text) {
    SetCaption(text);
    _parent->Host().SetItemText(_item, _text.c_str());
    _parent->Host().RepaintItem(_item);
    FollowCutText();
}

void vBoxedLabelCmd::FollowCutText() {
    vControlHost& host = _parent->Host();
    const std::string wanted = host.ItemTextFits(_item, _text.c_str())
                                   ? (_entry->tooltip != nullptr ? _entry->tooltip : "")
                                   : _text;
    if (wanted != _tooltip) {
        _tooltip = wanted;
        host.AddTooltip(_item, _tooltip.c_str());
    }
}

void vBoxedLabelCmd::InitText() {
    _parent->Host().SetItemText(_item, _text.c_str());
}

void vBoxedLabelCmd::DrawControl(vItemPainter& painter) {
    PaintFaceAndEdge(painter, (Attributes() & AttrWide) != 0 ? EdgeFlat : EdgeSunken);
    painter.CentredText(0, 0, painter.Width(), painter.Height(), _text.c_str());
}
