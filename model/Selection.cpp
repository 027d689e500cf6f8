#include "model/Selection.h"

#include <algorithm>
#include <iterator>

bool Selection::Contains(const SelectedItem& item) const {
    return std::binary_search(_items.begin(), _items.end(), item);
}

void Selection::Add(const SelectedItem& item) {
    const auto at = std::lower_bound(_items.begin(), _items.end(), item);
    if (at == _items.end() || *at != item) {
        _items.insert(at, item);
    }
}

void Selection::Add(const Selection& other) {
    std::vector<SelectedItem> merged;
    merged.reserve(_items.size() + other._items.size());
    std::set_union(_items.begin(), _items.end(), other._items.begin(), other._items.end(),
                   std::back_inserter(merged));
    _items = std::move(merged);
}

void Selection::Toggle(const SelectedItem& item) {
    const auto at = std::lower_bound(_items.begin(), _items.end(), item);
    if (at != _items.end() && *at == item) {
        _items.erase(at);
    } else {
        _items.insert(at, item);
    }
}

void Selection::KeepWithin(int pointCount) {
    _items.erase(std::remove_if(_items.begin(), _items.end(),
                                [pointCount](const SelectedItem& item) {
                                    return item.index < 0 || item.index >= pointCount;
                                }),
                 _items.end());
}
