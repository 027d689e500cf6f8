#pragma once

#include <cmath>
#include <string>

#include "interchange/ImportReport.h"
#include "interchange/Outline.h"

// An outline's sets as text in file units (y up), "|" between sets: a quadratic or cubic set
// begins with its control point in brackets, a curved segment shows its two handles in
// parentheses before the point it ends at.
inline std::string FilePair(const Point2& model) {
    auto shown = [](double v) { return std::fabs(v) < 1e-12 ? 0.0 : v; };
    return Printed("%.6g,%.6g", shown(model.x / 75), shown(-model.y / 75));
}

inline std::string DescribeSets(const Outline& outline) {
    std::string text;
    for (const Outline::Set& set : outline.sets) {
        text += text.empty() ? "" : " | ";
        if (set.hasControl) {
            text += "[" + FilePair(set.control) + "] ";
        }
        for (size_t j = 0; j < set.points.size(); ++j) {
            if (j > 0) {
                const Outline::Segment s = set.SegmentFrom(j - 1);
                text +=
                    s.curved ? " (" + FilePair(s.handle1) + " " + FilePair(s.handle2) + ") " : " ";
            }
            text += FilePair(set.points[j]);
        }
        const Outline::Segment last = set.SegmentFrom(set.points.size() - 1);
        if (last.curved) {
            text += " (" + FilePair(last.handle1) + " " + FilePair(last.handle2) + ")";
        }
    }
    return text;
}
