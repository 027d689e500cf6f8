#include "scenefile/KindValues.h"

#include "model/Drawing.h"
#include "model/EditState.h"

namespace {

// What a drawing starts with, and what a file that does not give a value leaves it at.
constexpr double PlainStart = 0;
constexpr double PlainEnd = 0.5;

// One row per kind, in the order of ShapeKind. A lathe's "open" is whether its profiles are
// open curves, a surface of revolution's whether it has caps.
struct KeptValues {
    const char* noun;
    bool spline;
    bool sweep;
    bool heights;
    bool open;
    bool sturm;
};

constexpr KeptValues kKinds[] = {
    {"polygon", false, false, false, false, false},
    {"prism", true, true, true, true, true},
    {"lathe", true, false, false, true, true},
    {"surface of revolution", false, false, false, true, true},
};
constexpr int KindCount = static_cast<int>(sizeof kKinds / sizeof kKinds[0]);
static_assert(KindCount == Sor + 1, "one row per kind");

// A lathe's or a surface of revolution's sets are profiles turned about the axis; written as a
// polygon or a prism they become outlines, whatever values are kept.
bool LosesTurning(const Drawing& drawing, int from, int to) {
    return IsTurnedKind(from) && !IsTurnedKind(to) && drawing.pointCount > 0;
}

const KeptValues& Row(int kind) {
    return kKinds[kind >= 0 && kind < KindCount ? kind : Polygon];
}

// A value is lost when the drawing's kind keeps it, the written kind does not, and it differs
// from the plain value.
bool Lost(bool keptFrom, bool keptTo, bool plain) {
    return keptFrom && !keptTo && !plain;
}

}  // namespace

bool WritingLosesValues(const Drawing& drawing, int from, int to) {
    const KeptValues& a = Row(from);
    const KeptValues& b = Row(to);
    bool plainHeights = drawing.prismStart == PlainStart && drawing.prismEnd == PlainEnd;
    return LosesTurning(drawing, from, to) ||
           Lost(a.spline, b.spline, drawing.splineType == LinearSpline) ||
           Lost(a.sweep, b.sweep, drawing.sweepType == LinearSweep) ||
           Lost(a.heights, b.heights, plainHeights) || Lost(a.open, b.open, drawing.isOpen == 0) ||
           Lost(a.sturm, b.sturm, drawing.useSturm == 0);
}

std::string LostValuesNote(int from, int to) {
    const std::string written = std::string("saved as a ") + Row(to).noun;
    if (IsTurnedKind(from) && !IsTurnedKind(to)) {
        return written + ": its profiles are no longer turned about the axis";
    }
    return written + ": its " + Row(from).noun + " values are lost";
}

std::string LostValuesQuestion(const std::string& name, int from, int to) {
    return name + " will be " + LostValuesNote(from, to) + ". Save?";
}
