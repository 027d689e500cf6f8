#include "interchange/Outline.h"

#include <algorithm>

bool Outline::Set::HasCurves() const {
    return std::any_of(segments.begin(), segments.end(),
                       [](const Segment& segment) { return segment.curved; });
}

bool Outline::HasCurves() const {
    return std::any_of(sets.begin(), sets.end(), [](const Set& set) { return set.HasCurves(); });
}

int Outline::EntryCount() const {
    size_t entries = 0;
    for (const Set& set : sets) {
        entries += set.points.size() + 1;
    }
    return static_cast<int>(std::min<size_t>(entries, 1 << 30));
}
