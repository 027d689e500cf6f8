#include "model/ProfileWall.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/ProfileRules.h"
#include "model/WrittenPoints.h"

namespace {

// Arcs of a rounded lip stay within this share of the thickness from a true circle.
constexpr double ArcShare = 1e-3;

Point2 Minus(const Point2& a, const Point2& b) {
    return {a.x - b.x, a.y - b.y};
}

Point2 Along(const Point2& from, const Point2& direction, double distance) {
    const double length = std::hypot(direction.x, direction.y);
    return {from.x + direction.x * distance / length, from.y + direction.y * distance / length};
}

// The profile of set k as drawn, from its first point to the one before its closing repeat, in
// file units.
bool ProfileOf(const Drawing& drawing, int set, Ring& profile, std::string& why) {
    const int first = drawing.setEnds[set - 1];
    const int last = drawing.setEnds[set] - 2;
    if (last <= first) {
        why = "Set " + std::to_string(set) + " has no line to wall.";
        return false;
    }
    if (drawing.splineType != BezierSpline) {
        for (int i = first; i <= last; ++i) {
            profile.push_back(FileOf(drawing.points[i]));
        }
        return true;
    }
    SplineCurve curve;
    std::vector<Point2> values;
    for (int j = first; j < last; ++j) {
        const Point2 p0 = FileOf(drawing.points[j]);
        const Point2 p1 = FileOf(drawing.control1[j]);
        const Point2 p2 = FileOf(drawing.control2[j]);
        const Point2 p3 = FileOf(drawing.points[j + 1]);
        values.insert(values.end(), {p0, p1, p2, p3});
        curve.segments.push_back(
            {{-p0.x + 3 * p1.x - 3 * p2.x + p3.x, -p0.y + 3 * p1.y - 3 * p2.y + p3.y},
             {3 * p0.x - 6 * p1.x + 3 * p2.x, 3 * p0.y - 6 * p1.y + 3 * p2.y},
             {3 * (p1.x - p0.x), 3 * (p1.y - p0.y)},
             p0});
    }
    curve.pieceEnds.push_back(static_cast<int>(curve.segments.size()));
    profile = FlattenedPieces(curve, FlattenShare * SizeOf(values)).front();
    return true;
}

void DropRepeats(Ring& line) {
    line.erase(
        std::unique(line.begin(), line.end(),
                    [](const Point2& a, const Point2& b) { return a.x == b.x && a.y == b.y; }),
        line.end());
}

// The unit normal of the edge from a to b, on its left when `left`.
Point2 Normal(const Point2& a, const Point2& b, bool left) {
    const Point2 d = Minus(b, a);
    const double length = std::hypot(d.x, d.y);
    return left ? Point2{-d.y / length, d.x / length} : Point2{d.y / length, -d.x / length};
}

// The strip `width` wide along one side of the line, as pieces that overlap: a quadrangle
// beside each edge and a fan round each point between, which fills the gap the quadrangles
// leave where the line turns away from that side. Its ends are square to the line.
std::vector<Rings> SideOf(const Ring& line, bool left, double width) {
    std::vector<Rings> pieces;
    Point2 before{0, 0};
    for (size_t i = 0; i + 1 < line.size(); ++i) {
        const Point2 normal = Normal(line[i], line[i + 1], left);
        pieces.push_back({{line[i], line[i + 1], Along(line[i + 1], normal, width),
                           Along(line[i], normal, width)}});
        if (i > 0) {
            const Point2 middle{before.x + normal.x, before.y + normal.y};
            if (std::hypot(middle.x, middle.y) > 1e-9) {
                pieces.push_back({{line[i], Along(line[i], before, width),
                                   Along(line[i], middle, width), Along(line[i], normal, width)}});
            }
        }
        before = normal;
    }
    return pieces;
}

// The wall of one profile line, as rings.
Rings WallOf(const Ring& line, const WallOptions& options) {
    const double d = options.thickness;
    const Point2 start = line.front();
    const Point2 end = line.back();
    // The profile closed along the axis encloses the inside: on its left when it runs
    // anticlockwise.
    Ring enclosed = line;
    enclosed.push_back({0, end.y});
    enclosed.push_back({0, start.y});
    const bool left = (SignedArea(enclosed) >= 0) == (options.side == WallSide::Inside);
    const Rings frame{enclosed};
    const RegionGrid grid = RegionGrid::For({&frame}, 3 * d);
    const double arcs = d * ArcShare;
    const Point2 startNormal = Normal(line[0], line[1], left);
    const Point2 endNormal = Normal(line[line.size() - 2], line.back(), left);
    std::vector<Rings> parts{
        OffsetOpenLine(line, d, PathEnds::Butt, arcs, grid),
        CombineRegions(SideOf(line, left, 2 * d), RegionOperation::Union, grid)};
    Rings wall = CombineRegions(parts, RegionOperation::Intersection, grid);
    if (options.lip == LipShape::Round) {
        std::vector<Rings> lips{wall};
        for (const auto& [point, normal] : {std::pair{start, startNormal}, {end, endNormal}}) {
            if (point.x > arcs) {
                lips.push_back(OffsetOpenLine({Along(point, normal, d / 2)}, d / 2, PathEnds::Round,
                                              arcs, grid));
            }
        }
        wall = CombineRegions(lips, RegionOperation::Union, grid);
    }
    double bottom = HUGE_VAL, top = -HUGE_VAL, right = 0;
    for (const Point2& p : enclosed) {
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
        right = std::max(right, p.x);
    }
    const Ring halfPlane{{0, bottom - 2 * d},
                         {right + 2 * d, bottom - 2 * d},
                         {right + 2 * d, top + 2 * d},
                         {0, top + 2 * d}};
    return CombineRegions({wall, {halfPlane}}, RegionOperation::Intersection, grid);
}

// No entry of the walled sets lies left of the axis: the grid's rounding and a fitted handle
// may put one a hair beyond it.
void KeepRightOfAxis(Drawing& drawing, int firstSet, int sets) {
    for (int i = drawing.setEnds[firstSet - 1]; i < drawing.setEnds[firstSet - 1 + sets]; ++i) {
        for (Point2* p : {&drawing.points[i], &drawing.control1[i], &drawing.control2[i]}) {
            p->x = std::max(p->x, 0.0);
        }
    }
}

bool CheckKind(const Drawing& drawing, int kind, const WallOptions& options, std::string& why) {
    if (kind == Sor) {
        why = SorWallRefusal;
    } else if (kind != Lathe) {
        why = "A wall is for a lathe's profiles; this drawing is a polygon or a prism.";
    } else if (drawing.splineType != LinearSpline && drawing.splineType != BezierSpline) {
        why = std::string("A wall is made for linear and bezier lathes; this one has a ") +
              (drawing.splineType == QuadraticSpline ? "quadratic" : "cubic") +
              " spline: switch it to bezier or linear first.";
    } else if (!(options.thickness > 0) || !std::isfinite(options.thickness)) {
        why = "The thickness must be a number above 0.";
    }
    return why.empty();
}

}  // namespace

SetsResult WallProfiles(const Drawing& drawing, int kind, const std::vector<int>& sets,
                        const WallOptions& options) {
    std::string why;
    std::vector<int> chosen;
    if (!CheckKind(drawing, kind, options, why) || !ChosenSets(drawing, sets, chosen, why)) {
        return SetsResult::Refused(why);
    }
    if (drawing.isOpen && static_cast<int>(chosen.size()) < drawing.setCount) {
        return SetsResult::Refused(
            "A walled profile is closed, which closes every profile of the drawing: wall them "
            "all.");
    }
    Rings walls;
    std::vector<Point2> all;
    for (int set : chosen) {
        Ring line;
        if (!ProfileOf(drawing, set, line, why)) {
            return SetsResult::Refused(why);
        }
        DropRepeats(line);
        if (line.size() < 2) {
            return SetsResult::Refused("Set " + std::to_string(set) + " has no line to wall.");
        }
        for (Ring& ring : WallOf(line, options)) {
            if (SignedArea(ring) < 0) {
                return SetsResult::Refused("The wall of set " + std::to_string(set) +
                                           " folds over itself: make it thinner.");
            }
            all.insert(all.end(), ring.begin(), ring.end());
            walls.push_back(std::move(ring));
        }
    }
    if (walls.empty()) {
        return SetsResult::Refused("No wall is left right of the axis.");
    }
    const OutlineForm form =
        drawing.splineType == BezierSpline ? OutlineForm::Curves : OutlineForm::Lines;
    SetsResult result = ReplaceSets(drawing, chosen, walls, form, SizeOf(all));
    if (!result.ok) {
        return result;
    }
    result.drawing.isOpen = 0;
    KeepRightOfAxis(result.drawing, chosen.front(), static_cast<int>(walls.size()));
    const std::vector<RuleBreak> breaks =
        ProfileRuleBreaks(WrittenPoints(result.drawing, Lathe), Lathe, result.drawing.splineType);
    if (!breaks.empty()) {
        return SetsResult::Refused("The wall would break a lathe rule: " + breaks[0].sentence);
    }
    return result;
}
