#include "model/SelectionEditing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "model/DrawingEntries.h"
#include "model/NodeHandles.h"

namespace {

// A finished set keeps at least this many points of its own, the closing repeat aside.
constexpr int FewestSetPoints = 3;

constexpr EntryPart Parts[] = {EntryPart::Point, EntryPart::Control1, EntryPart::Control2};

// Which values of the drawing a move takes, one flag per entry and part.
class MovedValues {
public:
    void Mark(const SelectedItem& item) { Flag(item) = true; }
    bool Marked(const SelectedItem& item) const {
        return _flags[static_cast<size_t>(item.part)][static_cast<size_t>(item.index)];
    }

private:
    bool& Flag(const SelectedItem& item) {
        return _flags[static_cast<size_t>(item.part)][static_cast<size_t>(item.index)];
    }
    std::array<std::array<bool, MaxPoints>, 3> _flags{};
};

void MarkPoint(const Drawing& drawing, int index, bool withHandles, MovedValues& moved) {
    const EntrySpan span = SpanOf(drawing, index);
    moved.Mark({index, EntryPart::Point});
    if (span.finished && index == span.first) {
        moved.Mark({span.end - 1, EntryPart::Point});
    }
    if (withHandles) {
        const NodeHandles handles = HandlesOf(drawing, index);
        for (const auto& handle : {handles.leaving, handles.arriving}) {
            if (handle) {
                moved.Mark(*handle);
            }
        }
    }
}

bool Finite(const Point2& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// A selectable item: a point of its own, or a handle when handles count.
bool Selectable(const Drawing& drawing, const SelectedItem& item, bool withHandles) {
    if (item.part != EntryPart::Point) {
        return withHandles && IsHandle(drawing, item);
    }
    return item.index < SpanOf(drawing, item.index).DistinctEnd();
}

}  // namespace

std::optional<SelectedItem> ItemNear(const Drawing& drawing, const Affine2& toPixels,
                                     const Point2& cursor, double within, bool withHandles) {
    std::optional<SelectedItem> nearest;
    double best = within;
    for (const EntryPart part : Parts) {
        for (int i = 0; i < drawing.pointCount; ++i) {
            const SelectedItem item{i, part};
            if (!Selectable(drawing, item, withHandles)) {
                continue;
            }
            const Point2 at = toPixels.Apply(ValueOf(drawing, item));
            const double distance = std::hypot(at.x - cursor.x, at.y - cursor.y);
            if (distance <= within && (!nearest || distance < best)) {
                best = distance;
                nearest = item;
            }
        }
    }
    return nearest;
}

Selection PointsInside(const Drawing& drawing, const Point2& a, const Point2& b) {
    const double left = std::min(a.x, b.x);
    const double right = std::max(a.x, b.x);
    const double top = std::min(a.y, b.y);
    const double bottom = std::max(a.y, b.y);
    Selection inside;
    for (int i = 0; i < drawing.pointCount; ++i) {
        const Point2& p = drawing.points[i];
        if (p.x >= left && p.x <= right && p.y >= top && p.y <= bottom &&
            Selectable(drawing, {i, EntryPart::Point}, false)) {
            inside.Add({i, EntryPart::Point});
        }
    }
    return inside;
}

Selection AllPoints(const Drawing& drawing) {
    const double far = INFINITY;
    return PointsInside(drawing, {-far, -far}, {far, far});
}

bool MoveSelected(Drawing& drawing, const Selection& selection, const Point2& by,
                  bool withHandles) {
    return MapSelected(drawing, selection, Affine2{1, 0, 0, 1, by.x, by.y}, withHandles);
}

bool MapSelected(Drawing& drawing, const Selection& selection, const Affine2& map,
                 bool withHandles) {
    MovedValues moved;
    std::vector<SelectedItem> lonelyHandles;
    for (const SelectedItem& item : selection.Items()) {
        if (!Selectable(drawing, item, withHandles)) {
            continue;
        }
        if (item.part == EntryPart::Point) {
            MarkPoint(drawing, item.index, withHandles, moved);
        } else {
            moved.Mark(item);
            lonelyHandles.push_back(item);
        }
    }
    for (const EntryPart part : Parts) {
        for (int i = 0; i < drawing.pointCount; ++i) {
            if (moved.Marked({i, part}) && !Finite(map.Apply(ValueOf(drawing, {i, part})))) {
                return false;
            }
        }
    }
    for (const EntryPart part : Parts) {
        for (int i = 0; i < drawing.pointCount; ++i) {
            if (moved.Marked({i, part})) {
                Point2& value = ValueOf(drawing, {i, part});
                value = map.Apply(value);
            }
        }
    }
    // A handle mapped on its own turns its partner, unless the partner moved as well.
    for (const SelectedItem& handle : lonelyHandles) {
        const int node = NodeOfHandle(drawing, handle);
        const NodeHandles handles = HandlesOf(drawing, node);
        const std::optional<SelectedItem> partner =
            handles.leaving && *handles.leaving == handle ? handles.arriving : handles.leaving;
        if (!moved.Marked({node, EntryPart::Point}) && !(partner && moved.Marked(*partner))) {
            KeepNodeRule(drawing, handle);
        }
    }
    return true;
}

DeletedPoints DeleteSelected(Drawing& drawing, const Selection& selection) {
    std::vector<bool> chosen(static_cast<size_t>(drawing.pointCount), false);
    for (const SelectedItem& item : selection.Items()) {
        if (item.part == EntryPart::Point && Selectable(drawing, item, false)) {
            chosen[static_cast<size_t>(item.index)] = true;
        }
    }
    DeletedPoints deleted;
    int firstRemovedSet = 0;
    // From the last entry back, so that every index still to come keeps its place.
    for (int k = drawing.setCount + 1; k >= 1; --k) {
        const bool open = k > drawing.setCount;
        const int first = drawing.setEnds[k - 1];
        const EntrySpan span{first, open ? drawing.pointCount : drawing.setEnds[k], !open};
        const auto begin = chosen.begin() + span.first;
        const int going =
            static_cast<int>(std::count(begin, chosen.begin() + span.DistinctEnd(), true));
        if (going == 0) {
            continue;
        }
        if (!open && span.DistinctEnd() - span.first - going < FewestSetPoints) {
            RemoveSet(drawing, k);
            deleted.points += going;
            ++deleted.wholeSets;
            firstRemovedSet = k;
            continue;
        }
        if (!open && chosen[static_cast<size_t>(span.first)]) {
            const int kept =
                static_cast<int>(std::find(begin, chosen.end(), false) - chosen.begin());
            drawing.points[span.end - 1] = drawing.points[kept];
        }
        for (int i = span.DistinctEnd() - 1; i >= span.first; --i) {
            if (chosen[static_cast<size_t>(i)]) {
                RemoveEntries(drawing, i, 1);
                ++deleted.points;
            }
        }
    }
    if (deleted.wholeSets == 1) {
        deleted.note = "Set " + std::to_string(firstRemovedSet) +
                       " had fewer than three points left and was removed whole.";
    } else if (deleted.wholeSets > 1) {
        deleted.note = std::to_string(deleted.wholeSets) +
                       " sets had fewer than three points left and were removed whole.";
    }
    return deleted;
}

std::vector<int> SetsOf(const Drawing& drawing, const Selection& selection) {
    std::vector<int> sets;
    for (int k = 1; k <= drawing.setCount; ++k) {
        const auto inSet = [&](const SelectedItem& item) {
            return item.index >= drawing.setEnds[k - 1] && item.index < drawing.setEnds[k];
        };
        if (std::any_of(selection.Items().begin(), selection.Items().end(), inSet)) {
            sets.push_back(k);
        }
    }
    return sets;
}

Point2 CentreOf(const Drawing& drawing, const Selection& selection) {
    const Selection points = selection.Empty() ? AllPoints(drawing) : selection;
    bool any = false;
    Point2 low{0, 0};
    Point2 high{0, 0};
    for (const SelectedItem& item : points.Items()) {
        if (item.index < 0 || item.index >= drawing.pointCount) {
            continue;
        }
        const Point2& p = ValueOf(drawing, item);
        low = any ? Point2{std::min(low.x, p.x), std::min(low.y, p.y)} : p;
        high = any ? Point2{std::max(high.x, p.x), std::max(high.y, p.y)} : p;
        any = true;
    }
    return {(low.x + high.x) / 2, (low.y + high.y) / 2};
}

bool ApplyTypedTransform(Drawing& drawing, const Selection& selection,
                         const TypedTransform& transform, bool withHandles) {
    const Affine2 map = transform.Map(CentreOf(drawing, selection));
    if (selection.Empty()) {
        return ChangeEntryValues(drawing, 0, drawing.pointCount,
                                 [&](Point2& p) { p = map.Apply(p); });
    }
    return MapSelected(drawing, selection, map, withHandles);
}
