#include "interchange/GlyphOutline.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "model/ModelUnits.h"
#include "model/RegionClipping.h"
#include "model/SetOutlines.h"

namespace {

// The most lines one curved segment is flattened into.
constexpr int MostLines = 1000;
// Areas of one group that differ by less than this share of its box are taken as equal: the
// grid's rounding, not an overlap.
constexpr double AreaShare = 1e-9;

bool Same(const Point2& a, const Point2& b) {
    return a.x == b.x && a.y == b.y;
}

Point2 Bend(const Point2& a, const Point2& b, const Point2& c) {
    return {a.x - 2 * b.x + c.x, a.y - 2 * b.y + c.y};
}

// The set of one contour: its start and every segment's end, but the end that closes it
// again; the segment that leaves each point, the last one going back to the start.
Outline::Set SetOf(const GlyphContour& contour) {
    Outline::Set set;
    const Point2 start{contour.startX, contour.startY};
    set.points.push_back(start);
    for (const GlyphContour::Segment& s : contour.segments) {
        set.segments.push_back({s.curved, {s.x1, s.y1}, {s.x2, s.y2}});
        set.points.push_back({s.x, s.y});
    }
    if (set.points.size() > 1 && Same(set.points.back(), start)) {
        set.points.pop_back();
    } else {
        set.segments.push_back({});
    }
    return set;
}

// The set as a ring within the tolerance: a cubic split into n equal steps of its parameter
// strays at most 3/4 * |largest second difference| / n^2 from its chords.
Ring Flattened(const Outline::Set& set, double tolerance) {
    Ring ring;
    const size_t n = set.points.size();
    for (size_t j = 0; j < n; ++j) {
        const Point2& a = set.points[j];
        const Point2& d = set.points[(j + 1) % n];
        const Outline::Segment segment = set.SegmentFrom(j);
        ring.push_back(a);
        if (!segment.curved) {
            continue;
        }
        const Point2& b = segment.handle1;
        const Point2& c = segment.handle2;
        const Point2 bend1 = Bend(a, b, c);
        const Point2 bend2 = Bend(b, c, d);
        const double bend = std::max(std::hypot(bend1.x, bend1.y), std::hypot(bend2.x, bend2.y));
        const double steps = std::ceil(std::sqrt(0.75 * bend / tolerance));
        const int lines =
            std::isfinite(steps) ? std::clamp(static_cast<int>(steps), 1, MostLines) : 1;
        for (int k = 1; k < lines; ++k) {
            const double t = static_cast<double>(k) / lines;
            const double s = 1 - t;
            const double w[4] = {s * s * s, 3 * s * s * t, 3 * s * t * t, t * t * t};
            ring.push_back({w[0] * a.x + w[1] * b.x + w[2] * c.x + w[3] * d.x,
                            w[0] * a.y + w[1] * b.y + w[2] * c.y + w[3] * d.y});
        }
    }
    return ring;
}

struct Box {
    double left = HUGE_VAL, top = HUGE_VAL, right = -HUGE_VAL, bottom = -HUGE_VAL;

    void Add(const Point2& p) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    bool Meets(const Box& other) const {
        return left <= other.right && other.left <= right && top <= other.bottom &&
               other.top <= bottom;
    }
    double Area() const { return (right - left) * (bottom - top); }
};

Box BoxOf(const Ring& ring) {
    Box box;
    for (const Point2& p : ring) {
        box.Add(p);
    }
    return box;
}

// The rings in groups whose boxes meet, directly or through others of the group: rings of
// different groups cannot overlap. Each group lists its rings in order.
std::vector<std::vector<size_t>> Groups(const std::vector<Box>& boxes) {
    std::vector<size_t> root(boxes.size());
    std::iota(root.begin(), root.end(), 0);
    const auto find = [&root](size_t i) {
        while (root[i] != i) {
            i = root[i] = root[root[i]];
        }
        return i;
    };
    for (size_t i = 0; i < boxes.size(); ++i) {
        for (size_t j = i + 1; j < boxes.size(); ++j) {
            if (boxes[i].Meets(boxes[j])) {
                root[find(j)] = find(i);
            }
        }
    }
    std::vector<std::vector<size_t>> groups(boxes.size());
    for (size_t i = 0; i < boxes.size(); ++i) {
        groups[find(i)].push_back(i);
    }
    groups.erase(std::remove_if(groups.begin(), groups.end(),
                                [](const std::vector<size_t>& group) { return group.empty(); }),
                 groups.end());
    return groups;
}

double Area(const Rings& rings) {
    double area = 0;
    for (const Ring& ring : rings) {
        area += SignedArea(ring);
    }
    return std::fabs(area);
}

// The text's sets, the flattened rings of each and what unites them.
class GlyphUnion {
public:
    GlyphUnion(std::vector<Outline::Set> sets, GlyphOutline& out)
        : _sets(std::move(sets)), _out(out) {
        Box all;
        for (const Outline::Set& set : _sets) {
            for (const Point2& p : set.points) {
                all.Add(p);
            }
        }
        _size = _sets.empty() ? 0 : std::max(all.right - all.left, all.bottom - all.top);
        for (const Outline::Set& set : _sets) {
            _rings.push_back(Flattened(set, FlattenShare * _size));
            _boxes.push_back(BoxOf(_rings.back()));
        }
        _grid = RegionGrid::For({&_rings}, 0);
    }

    // Each group as it was, or its union where its contours overlap.
    void Unite() {
        std::vector<std::vector<size_t>> groups = Groups(_boxes);
        std::sort(groups.begin(), groups.end());
        for (const std::vector<size_t>& group : groups) {
            Rings rings;
            Box box;
            bool curved = false;
            for (size_t i : group) {
                rings.push_back(_rings[i]);
                box.Add({_boxes[i].left, _boxes[i].top});
                box.Add({_boxes[i].right, _boxes[i].bottom});
                curved = curved || _sets[i].HasCurves();
            }
            const Rings united = NonZeroRegion(rings, _grid);
            const double evenOdd = Area(CombineRegions({rings}, RegionOperation::Union, _grid));
            if (Area(united) - evenOdd <= AreaShare * box.Area()) {
                for (size_t i : group) {
                    _out.outline.sets.push_back(std::move(_sets[i]));
                }
                continue;
            }
            ++_out.united;
            for (const Ring& ring : united) {
                _out.outline.sets.push_back(curved ? Fitted(ring) : Straight(ring));
            }
        }
    }

private:
    static Outline::Set Straight(const Ring& ring) {
        Outline::Set set;
        set.points = ring;
        return set;
    }

    Outline::Set Fitted(const Ring& ring) {
        const FittedOutline fitted = FitRing(ring, OutlineForm::Curves, FitShare * _size, _size);
        _out.deviation = std::max(_out.deviation, fitted.deviation / ModelUnitsPerFileUnit);
        Outline::Set set;
        for (const CubicPiece& piece : fitted.pieces) {
            set.points.push_back(piece.from);
            set.segments.push_back({true, piece.handle1, piece.handle2});
        }
        return set;
    }

    std::vector<Outline::Set> _sets;
    GlyphOutline& _out;
    double _size = 0;
    Rings _rings;
    std::vector<Box> _boxes;
    RegionGrid _grid;
};

}  // namespace

GlyphOutline OutlineOfGlyphs(const std::vector<GlyphContour>& contours) {
    GlyphOutline result;
    std::vector<Outline::Set> sets;
    for (const GlyphContour& contour : contours) {
        Outline::Set set = SetOf(contour);
        if (set.points.size() >= 2) {
            sets.push_back(std::move(set));
        }
    }
    GlyphUnion(std::move(sets), result).Unite();
    Outline& outline = result.outline;
    outline.kind = Prism;
    outline.prism.spline = outline.HasCurves() ? BezierSpline : LinearSpline;
    return result;
}
