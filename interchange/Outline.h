#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "model/EditState.h"
#include "model/Point2.h"
#include "model/PrismValues.h"

// A drawing on its way into or out of the editor: closed sub-outlines in model units, and the
// prism values its source carried (a source without them keeps the editor's starting values).
struct Outline {
    // The way from one point of a set to the next. A curved segment is a cubic bezier with its
    // two handles; a straight one is given the editor's default handles when it is stored.
    struct Segment {
        bool curved = false;
        Point2 handle1{0, 0};
        Point2 handle2{0, 0};
    };

    // One closed sub-outline: its points without the closing repeat, and the segment that
    // leaves each of them, the last one going back to the first point. A set of straight
    // segments only may keep none, which spares a polygon of many points most of its memory.
    struct Set {
        std::vector<Point2> points;
        std::vector<Segment> segments;
        // The one control point of a quadratic or cubic set, when the source gave one.
        bool hasControl = false;
        Point2 control{0, 0};
        // The control line the source gave after a cubic set: a prism outline's closing
        // control point, a lathe profile's end slope point. The drawing keeps it where it
        // differs from the one the writer works out.
        std::optional<Point2> trailing;

        bool HasCurves() const;
        Segment SegmentFrom(size_t j) const { return segments.empty() ? Segment{} : segments[j]; }
    };

    std::vector<Set> sets;
    int kind = Prism;
    PrismValues prism{};

    bool HasCurves() const;
    // The model entries the sets take: each set's points and its closing repeat.
    int EntryCount() const;
};
