#include "toolkit/vFrameCmd.h"

#include "toolkit/CommandIds.h"
#include "toolkit/platform/vControlHost.h"
#include "toolkit/raster/SunkenEdge.h"
#include "toolkit/vCmdParent.h"

void vFrameCmd::BuildControl() {
    PlaceAndAdd(ItemButton, StyleOwnerDraw | StyleTabStop | StyleVisible, 4, 4, 4, 0);
}

int vFrameCmd::ControlValue(int id) const {
    if (_kind != CtlToggleFrame) {
        return 0;
    }
    return vCmd::ControlValue(id);
}

void vFrameCmd::ChangeControl(int value, int aspect) {
    if (_kind == CtlToggleFrame && aspect == AspectPosition) {
        _value = value;
        _parent->Host().SetItemVisible(_item, value != 0);
        _parent->ShowFrameContents(_id, value);
        return;
    }
    ChangeShownState(value, aspect);
}

void vFrameCmd::DrawControl(vItemPainter& painter) {
    PaintFaceAndEdge(painter, (Attributes() & AttrWide) != 0 ? EdgeFlat : EdgeEtched);
}
