#include "toolkit/vMenuPane.h"

#include "toolkit/CommandIds.h"
#include "toolkit/platform/vMenuPlatform.h"
#include "toolkit/platform/vWindowPlatform.h"
#include "toolkit/vApp.h"
#include "toolkit/vWindow.h"

namespace {

// The child-window commands appended to every multi-window menu bar; shared by all windows.
MenuSpec windowMenu[] = {
    {"&Cascade", IdCascade, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Tile", IdTile, MenuEnabled, nullptr, 0, nullptr, 0},
    {"&Arrange icons", IdArrange, MenuEnabled, nullptr, 0, nullptr, 0},
    {nullptr, 0, 0, nullptr, 0, nullptr, 0},
};

}  // namespace

vMenuPane::vMenuPane(const MenuSpec* menuBar) : vPane(PaneMenu) {
    for (const MenuSpec* entry = menuBar;
         entry != nullptr && entry->label != nullptr && _recordCount < kMaxRecords; ++entry) {
        _records[_recordCount].label = entry->label;
        _records[_recordCount].items = entry->submenu;
        ++_recordCount;
    }
    const bool multiWindow = theApp == nullptr || !theApp->SingleDocument();
    if (multiWindow && _recordCount < kMaxRecords) {
        _records[_recordCount].label = "&Window";
        _records[_recordCount].items = windowMenu;
        ++_recordCount;
    }
    _lastTopLevel = _recordCount - 1;
}

vMenuPane::~vMenuPane() {
    vWindowPlatform& platform = vWindowPlatform::Current();
    for (int record = _recordCount - 1; record >= 0; --record) {
        platform.DestroyMenu(_records[record].menu);
        _records[record].menu = nullptr;
    }
}

const char* vMenuPane::RecordLabel(int record) const {
    return record >= 0 && record < _recordCount ? _records[record].label : nullptr;
}

vMenuHandle vMenuPane::RecordMenu(int record) const {
    return record >= 0 && record < _recordCount ? _records[record].menu : nullptr;
}

std::string vMenuPane::ItemText(const MenuSpec& item) {
    std::string text = item.label != nullptr ? item.label : "";
    if (item.keyText != nullptr && item.keyText[0] != '\0') {
        text += "  \t";
        text += item.keyText;
    }
    if (text.size() > static_cast<size_t>(kMaxItemText)) {
        text.resize(kMaxItemText);
    }
    return text;
}

void vMenuPane::InitPane(vWindow* window, vPaneHandle handle) {
    _menuBar = handle.menu;
    vWindowPlatform& platform = vWindowPlatform::Current();
    const int topLevel = _recordCount;
    for (int record = 0; record < topLevel; ++record) {
        Fill(record);
        platform.AppendSubmenu(_menuBar, _records[record].menu, _records[record].label);
    }
    if (window != nullptr) {
        window->SetWindowListIndex(_lastTopLevel);
    }
}

void vMenuPane::Fill(int record) {
    vWindowPlatform& platform = vWindowPlatform::Current();
    _records[record].menu = platform.CreateMenu();
    MenuSpec* items = _records[record].items;
    for (int index = 0; items != nullptr && items[index].label != nullptr; ++index) {
        const MenuSpec& item = items[index];
        _records[record].nodes.push_back({index, 0});
        vMenuHandle menu = _records[record].menu;
        if (item.id == IdSeparator) {
            platform.AppendMenuSeparator(menu);
        } else if (item.submenu != nullptr) {
            // Cascades beyond the 20 records are left out with their items.
            if (_recordCount >= kMaxRecords) {
                continue;
            }
            const int cascade = _recordCount++;
            _records[cascade].label = item.label;
            _records[cascade].items = item.submenu;
            _records[record].nodes.back().cascade = cascade;
            Fill(cascade);
            platform.AppendSubmenu(menu, _records[cascade].menu, item.label);
        } else {
            platform.AppendMenuItem(menu, item.id, ItemText(item).c_str());
            ApplyState(menu, item);
        }
    }
}

void vMenuPane::ApplyState(vMenuHandle menu, const MenuSpec& item) const {
    vMenuPlatform* platform = vMenuPlatform::Current();
    if (platform == nullptr) {
        return;
    }
    platform->SetMenuItemChecked(menu, item.id, (item.state & MenuChecked) != 0);
    platform->SetMenuItemEnabled(menu, item.id, (item.state & MenuEnabled) != 0);
}

template <typename F>
void vMenuPane::ForEachItem(int id, F&& f) const {
    for (int record = 0; record < _recordCount; ++record) {
        MenuSpec* items = _records[record].items;
        for (const Node& node : _records[record].nodes) {
            MenuSpec& item = items[node.item];
            if (item.id == id && item.id != IdSeparator && item.submenu == nullptr) {
                f(_records[record].menu, item);
            }
        }
    }
}

bool vMenuPane::PaneGetValue(int id, int& value) {
    bool found = false;
    ForEachItem(id, [&](vMenuHandle, MenuSpec& item) {
        if (!found) {
            value = (item.state & MenuChecked) != 0 ? 1 : 0;
            found = true;
        }
    });
    return found;
}

void vMenuPane::PaneSetValue(int id, int value, int aspect) {
    int bit = 0;
    if (aspect == AspectValue || aspect == AspectPosition) {
        bit = MenuChecked;
    } else if (aspect == AspectEnabled) {
        bit = MenuEnabled;
    } else {
        return;
    }
    ForEachItem(id, [&](vMenuHandle menu, MenuSpec& item) {
        item.state = value != 0 ? (item.state | bit) : (item.state & ~bit);
        ApplyState(menu, item);
    });
}

void vMenuPane::PaneSetText(int id, const char* text) {
    vMenuPlatform* platform = vMenuPlatform::Current();
    ForEachItem(id, [&](vMenuHandle menu, MenuSpec& item) {
        item.label = text;
        if (platform != nullptr) {
            // The new label goes without the key text.
            MenuSpec labelOnly = item;
            labelOnly.keyText = nullptr;
            platform->SetMenuItemText(menu, id, ItemText(labelOnly).c_str());
        }
        ApplyState(menu, item);
    });
}

int vMenuPane::PaneAccelerator(int key, int modifiers) const {
    if (key == 0) {
        return 0;
    }
    int id = 0;
    for (int record = 0; record < _recordCount && id == 0; ++record) {
        const MenuSpec* items = _records[record].items;
        for (const Node& node : _records[record].nodes) {
            const MenuSpec& item = items[node.item];
            if (item.keyCode == key && item.keyModifiers == modifiers &&
                (item.state & MenuEnabled) != 0 && item.id != IdSeparator &&
                item.submenu == nullptr) {
                id = item.id;
                break;
            }
        }
    }
    return id;
}
