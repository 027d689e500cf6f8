#include "model/SetOperations.h"

#include <cmath>
#include <string>

namespace {

// Arcs of an offset stay within this share of the distance from true circles.
constexpr double ArcShare = 2e-3;

struct Prepared {
    std::vector<int> chosen;
    OutlineForm form = OutlineForm::Lines;
    FlatSets flat;
};

bool Prepare(const Drawing& drawing, int kind, const std::vector<int>& sets, Prepared& prepared,
             std::string& why) {
    if (!FormFor(drawing, kind, prepared.form, why) ||
        !ChosenSets(drawing, sets, prepared.chosen, why)) {
        return false;
    }
    prepared.flat = FlattenedSets(drawing, kind, prepared.chosen);
    if (!(prepared.flat.size > 0)) {
        why = "The chosen sets enclose nothing.";
        return false;
    }
    return true;
}

std::vector<const Rings*> AllOf(const std::vector<Rings>& regions) {
    std::vector<const Rings*> all;
    for (const Rings& rings : regions) {
        all.push_back(&rings);
    }
    return all;
}

// The rings of one orientation (outer rings anticlockwise, holes clockwise) that have no ring of
// the same orientation inside them in the result.
int Vanished(const Rings& before, const Rings& after, bool outer) {
    int vanished = 0;
    for (const Ring& ring : before) {
        if ((SignedArea(ring) > 0) != outer) {
            continue;
        }
        bool kept = false;
        for (const Ring& other : after) {
            kept = kept || ((SignedArea(other) > 0) == outer && RingContains(ring, other[0]));
        }
        vanished += kept ? 0 : 1;
    }
    return vanished;
}

std::string Counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

SetsResult CombineSets(const Drawing& drawing, int kind, const std::vector<int>& sets,
                       RegionOperation operation) {
    Prepared prepared;
    std::string why;
    if (!Prepare(drawing, kind, sets, prepared, why)) {
        return SetsResult::Refused(why);
    }
    const RegionGrid grid = RegionGrid::For(AllOf(prepared.flat.regions), 0);
    const Rings rings = CombineRegions(prepared.flat.regions, operation, grid);
    if (rings.empty()) {
        return SetsResult::Refused("The result is empty: the drawing is left as it was.");
    }
    return ReplaceSets(drawing, prepared.chosen, rings, prepared.form, prepared.flat.size);
}

SetsResult OffsetSets(const Drawing& drawing, int kind, const std::vector<int>& sets, double by,
                      OffsetJoin join) {
    if (!std::isfinite(by)) {
        return SetsResult::Refused("The distance must be a finite number.");
    }
    Prepared prepared;
    std::string why;
    if (!Prepare(drawing, kind, sets, prepared, why)) {
        return SetsResult::Refused(why);
    }
    Rings together;
    for (const Rings& rings : prepared.flat.regions) {
        together.insert(together.end(), rings.begin(), rings.end());
    }
    const double size = prepared.flat.size + 2 * std::fabs(by);
    const RegionGrid grid = RegionGrid::For({&together}, std::fabs(by));
    const Rings before = CombineRegions({together}, RegionOperation::Union, grid);
    const double arcs = std::max(std::fabs(by) * ArcShare, FlattenShare * size);
    const Rings after = OffsetRegion(together, by, join, arcs, grid);
    if (after.empty()) {
        return SetsResult::Refused("Nothing is left: every part vanished.");
    }
    SetsResult result = ReplaceSets(drawing, prepared.chosen, after, prepared.form, size);
    const int parts = by < 0 ? Vanished(before, after, true) : 0;
    const int holes = by > 0 ? Vanished(before, after, false) : 0;
    if (parts > 0) {
        result.notes.push_back(Counted(parts, "part", "parts") + " vanished and " +
                               (parts == 1 ? "was" : "were") + " left out.");
    }
    if (holes > 0) {
        result.notes.push_back(Counted(holes, "hole", "holes") + " closed and " +
                               (holes == 1 ? "was" : "were") + " left out.");
    }
    return result;
}
