#pragma once

#include <cstddef>
#include <vector>

// Which of an entry's three values an item of a selection is: the point, or one of the two
// handles of the segment that starts at it.
enum class EntryPart : unsigned char {
    Point,
    Control1,
    Control2,
};

struct SelectedItem {
    int index;
    EntryPart part;

    bool operator==(const SelectedItem& other) const {
        return index == other.index && part == other.part;
    }
    bool operator!=(const SelectedItem& other) const { return !(*this == other); }
    bool operator<(const SelectedItem& other) const {
        return index != other.index ? index < other.index : part < other.part;
    }
};

// The points and handles chosen in Select mode. A window keeps it beside its drawing: choosing
// changes nothing in the drawing and is no step of its history. Items are kept in order, each
// once.
class Selection {
public:
    bool Empty() const { return _items.empty(); }
    size_t Size() const { return _items.size(); }
    const std::vector<SelectedItem>& Items() const { return _items; }
    bool Contains(const SelectedItem& item) const;
    void Add(const SelectedItem& item);
    void Add(const Selection& other);
    // Adds the item, or removes it when it is there.
    void Toggle(const SelectedItem& item);
    void Clear() { _items.clear(); }
    // Forgets the items beyond the drawing's entries.
    void KeepWithin(int pointCount);

    bool operator==(const Selection& other) const { return _items == other._items; }
    bool operator!=(const Selection& other) const { return !(*this == other); }

private:
    std::vector<SelectedItem> _items;
};
