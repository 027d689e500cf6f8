#include "toolkit/DialogTemplate.h"

#include <new>
#include <utility>

namespace {
constexpr int kInitialCapacity = 8;
// A drop-down list keeps room below its edit line for the open list.
constexpr int kComboListHeight = 48;
}  // namespace

bool DialogTemplate::Start(unsigned style, int x, int y, const char* title) {
    Free();
    _items.reset(new (std::nothrow) DialogItem[kInitialCapacity]);
    if (_items == nullptr) {
        return false;
    }
    _capacity = kInitialCapacity;
    _style = style;
    _x = x;
    _y = y;
    _cx = 1;
    _cy = 1;
    _title = title != nullptr ? title : "";
    return true;
}

bool DialogTemplate::Grow() {
    if (_capacity >= kMaxItems) {
        return false;
    }
    const int capacity = _capacity * 2 < kMaxItems ? _capacity * 2 : kMaxItems;
    std::unique_ptr<DialogItem[]> items(new (std::nothrow) DialogItem[capacity]);
    if (items == nullptr) {
        return false;
    }
    for (int i = 0; i < _count; ++i) {
        items[i] = std::move(_items[i]);
    }
    _items = std::move(items);
    _capacity = capacity;
    return true;
}

int DialogTemplate::AddItem(const DialogItem& item) {
    if (_items == nullptr || (_count == _capacity && !Grow())) {
        return 0;
    }
    DialogItem& added = _items[_count];
    added = item;
    if (item.itemClass == ItemComboBox) {
        added.cy += kComboListHeight;
    }
    return ++_count;
}

DialogItem* DialogTemplate::Item(int number) {
    return number >= 1 && number <= _count ? &_items[number - 1] : nullptr;
}

const DialogItem* DialogTemplate::Item(int number) const {
    return number >= 1 && number <= _count ? &_items[number - 1] : nullptr;
}

void DialogTemplate::Finish(int maxX, int maxY) {
    _cx = maxX + 2;
    _cy = maxY + 2;
}

void DialogTemplate::Free() {
    _items.reset();
    _count = 0;
    _capacity = 0;
}
