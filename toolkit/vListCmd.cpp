#include "toolkit/vListCmd.h"

#include <cstring>

#include "toolkit/CommandIds.h"
#include "toolkit/platform/vControlHost.h"
#include "toolkit/platform/vControlSink.h"
#include "toolkit/vCmdParent.h"

namespace {
constexpr int kListRows = 8;
constexpr int kSliderWidth = 100;
constexpr int kSliderHeight = 10;
}  // namespace

int vListCmd::EntryCount() const {
    int count = 0;
    for (const char* const* entry = Entries(); entry != nullptr && *entry != nullptr; ++entry) {
        ++count;
    }
    return count;
}

int vListCmd::LongestEntry() const {
    int longest = 0;
    for (const char* const* entry = Entries(); entry != nullptr && *entry != nullptr; ++entry) {
        const int length = static_cast<int>(std::strlen(*entry));
        longest = length > longest ? length : longest;
    }
    return longest;
}

void vListCmd::BuildControl() {
    int chars = LongestEntry() < 10 ? 10 : LongestEntry();
    if ((Attributes() & AttrWide) != 0) {
        chars = chars * 3 / 2;
    }
    const int w = chars * 4 + 10;
    const unsigned shown = VisibleStyle() | StyleTabStop;
    switch (_kind) {
        case CtlComboBox:
            PlaceAndAdd(ItemComboBox, shown | StyleDropDownList | StyleVScroll, w, 14, 14, 0);
            break;
        case CtlListBox:
            PlaceAndAdd(ItemListBox, shown | StyleBorder | StyleSorted | StyleNotify | StyleVScroll,
                        w, kListRows * 8 + 4, kListRows * 8 + 4, 0);
            break;
        case CtlSlider:
            PlaceAndAdd(ItemScrollBar, shown, _entry->width > 0 ? _entry->width : kSliderWidth,
                        kSliderHeight, kSliderHeight, 0);
            break;
        default:
            PlaceAndAdd(ItemScrollBar, shown | StyleBorder, w, 14, 14, 0);
            break;
    }
}

void vListCmd::InitValue() {
    if (_kind == CtlSlider || _kind == CtlSpinner) {
        _parent->Host().SetItemPosition(_item, _value);
    }
}

void vListCmd::InitList() {
    if (HasList()) {
        _parent->Host().SetItemList(_item, Entries(), _value);
    }
}

void vListCmd::ChangeControl(int value, int aspect) {
    switch (aspect) {
        case AspectValue:
        case AspectPosition:
            _value = value;
            if (HasList()) {
                _parent->Host().SetItemList(_item, Entries(), _value);
            } else {
                _parent->Host().SetItemPosition(_item, _value);
            }
            break;
        case AspectNewList:
            _extra = _entry->extra;
            [[fallthrough]];
        case AspectRebuildList:
            _value = value;
            InitList();
            break;
        default:
            ChangeShownState(value, aspect);
            break;
    }
}

void vListCmd::OnControlNotify(int id, int code) {
    (void)id;
    const bool selection = code == NotifySelectionChanged;
    if (_kind == CtlComboBox && (!selection || (Attributes() & AttrMessage) != 0)) {
        return;
    }
    if (_kind == CtlListBox && !selection && code != NotifyDoubleClicked) {
        return;
    }
    const int selected = _parent->Host().ItemSelection(_item);
    if (_kind == CtlComboBox && selected < 0) {
        return;
    }
    _value = HasList() && selected >= EntryCount() ? -1 : selected;
    Report(_value);
}
