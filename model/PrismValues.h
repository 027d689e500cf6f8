#pragma once

// The six values of a prism declaration, in the order SetPrismValues takes them. The canvas and
// the prism values dialog keep them as six fields of the same names; this type gathers them
// from either and stores them into either. Plain C++ with no dependencies, so the dialog may
// use it too.
struct PrismValues {
    double start = 0.0;
    double end = 0.5;
    int spline = 0;  // a SplineType
    int sweep = 0;   // a SweepType
    int sturm = 0;
    int open = 0;

    template <typename Owner>
    static PrismValues Of(const Owner& owner) {
        return {owner.prismStart, owner.prismEnd, owner.splineType,
                owner.sweepType,  owner.useSturm, owner.isOpen};
    }
    template <typename Owner>
    void StoreInto(Owner& owner) const {
        owner.prismStart = start;
        owner.prismEnd = end;
        owner.splineType = spline;
        owner.sweepType = sweep;
        owner.useSturm = sturm;
        owner.isOpen = open;
    }

    bool operator==(const PrismValues& other) const {
        return start == other.start && end == other.end && spline == other.spline &&
               sweep == other.sweep && sturm == other.sturm && open == other.open;
    }
    bool operator!=(const PrismValues& other) const { return !(*this == other); }
};

// Which of the values a kind of drawing writes, so that the dialog greys the others. A prism uses
// them all, "sturm" with cubic and bezier splines only.
struct PrismValuesInUse {
    bool spline = true;
    bool sweep = true;
    bool heights = true;
    bool sturmWithEverySpline = false;

    bool operator==(const PrismValuesInUse& other) const {
        return spline == other.spline && sweep == other.sweep && heights == other.heights &&
               sturmWithEverySpline == other.sturmWithEverySpline;
    }
    bool operator!=(const PrismValuesInUse& other) const { return !(*this == other); }
};
