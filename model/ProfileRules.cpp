#include "model/ProfileRules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "model/EditState.h"
#include "model/ReadBack.h"

namespace {

// Heights of a surface of revolution's end points closer than this to those two places in
// give the ray tracer no end slope.
constexpr double SlopeHeightGap = 1e-10;

const char* const IncorrectLathePoint = "Parse Error: Incorrect point in lathe.";
const char* const IncorrectSorPoint = "Parse Error: Incorrect point in surface of revolution.";
const char* const NoSorSlope = "Possible Parse Error: Incorrect point in surface of revolution.";
const char* const TooFewSorPoints =
    "Parse Error: Surface of revolution must have at least four points.";

struct LatheCount {
    int least;
    const char* name;
    const char* message;
};

// 3.7 names a cubic lathe a prism in its message.
const LatheCount LatheCounts[] = {
    {2, "linear", "Parse Error: Lathe with linear splines must have at least two points."},
    {3, "quadratic", "Parse Error: Lathe with quadratic splines must have at least three points."},
    {4, "cubic", "Parse Error: Prism with cubic splines must have at least four points."},
    {4, "bezier", "Parse Error: Lathe with Bezier splines must have four points per segment."},
};

template <typename... Values>
std::string Format(const char* format, Values... values) {
    char text[200];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

class RuleCheck {
public:
    RuleCheck(const std::vector<WrittenEntry>& profile, int spline, const char* what)
        : _profile(profile), _spline(spline), _what(what) {
        _firstPoint = _profile.empty() ? 0 : _profile.front().index;
        for (const WrittenEntry& entry : _profile) {
            if (entry.source == WrittenSource::Points) {
                _firstPoint = std::min(_firstPoint, entry.index);
            }
        }
    }

    int Count() const { return static_cast<int>(_profile.size()); }
    Point2 At(int i) const { return ReadBack(_profile[i].file); }

    // A rule of the whole list, shown at its last entry.
    void BreakCount(const char* brief, const std::string& rule, const char* message) {
        int set = _profile.empty() ? 0 : _profile.back().set;
        _breaks.push_back({Count() - 1, brief, SetName(set) + ": " + _what + rule, message});
    }

    void Break(int i, const char* brief, const std::string& rule, const char* message) {
        _breaks.push_back({i, brief,
                           SetName(_profile[i].set) + ", " + PointName(i) + ": " + _what + rule,
                           message});
    }

    std::vector<RuleBreak> Take() {
        std::stable_sort(_breaks.begin(), _breaks.end(),
                         [](const RuleBreak& a, const RuleBreak& b) { return a.entry < b.entry; });
        return std::move(_breaks);
    }

private:
    static std::string SetName(int set) {
        return set > 0 ? Format("Set %d", set) : std::string("The unfinished set");
    }

    std::string PointName(int i) const {
        const WrittenEntry& entry = _profile[i];
        int number = entry.index - _firstPoint + 1;
        std::string name;
        switch (entry.source) {
            case WrittenSource::Points:
                name = Format("point %d", number);
                break;
            case WrittenSource::Control1:
                name = _spline == BezierSpline ? Format("handle 1 of segment %d", number)
                                               : std::string("control point");
                break;
            case WrittenSource::Control2:
                name = Format("handle 2 of segment %d", number);
                break;
            case WrittenSource::FirstLessControl:
                name = "closing control point";
                break;
            case WrittenSource::EndSlope:
                name = "end slope point";
                break;
        }
        return name + Format(" (%g, %g)", entry.file.x, entry.file.y);
    }

    const std::vector<WrittenEntry>& _profile;
    int _spline;
    const char* _what;
    int _firstPoint;
    std::vector<RuleBreak> _breaks;
};

}  // namespace

std::vector<RuleBreak> LatheRuleBreaks(int spline, const std::vector<WrittenEntry>& profile) {
    int kind = std::clamp(spline, 0, 3);
    const LatheCount& count = LatheCounts[kind];
    RuleCheck check(profile, kind, "a lathe ");
    int n = check.Count();
    if (kind == BezierSpline && n % 4 != 0) {
        check.BreakCount("lathe: 4 per segment",
                         Format("with bezier splines needs 4 points per segment; it has %d.", n),
                         count.message);
    } else if (n < count.least) {
        check.BreakCount("lathe: too few points",
                         Format("with %s splines needs at least %d points; it has %d.", count.name,
                                count.least, n),
                         count.message);
    }
    for (int i = 0; i < n; ++i) {
        if (check.At(i).x < 0) {
            // 3.7 lets the first and last radius be negative, but the lathe it builds then
            // loses pieces; the writer refuses them all.
            check.Break(i, "lathe: x below 0", "must not have a radius x below 0.",
                        i > 0 && i < n - 1 ? IncorrectLathePoint : nullptr);
        }
    }
    return check.Take();
}

std::vector<RuleBreak> SorRuleBreaks(const std::vector<WrittenEntry>& profile) {
    RuleCheck check(profile, LinearSpline, "a surface of revolution ");
    int n = check.Count();
    if (n < 4) {
        check.BreakCount("sor: too few points", Format("needs at least 4 points; it has %d.", n),
                         TooFewSorPoints);
    }
    for (int i = 0; i < n; ++i) {
        if (check.At(i).x < 0) {
            check.Break(i, "sor: x below 0", "must not have a radius x below 0.",
                        IncorrectSorPoint);
        }
        if (i >= 2 && i <= n - 2 && !(check.At(i).y > check.At(i - 1).y)) {
            check.Break(i, "sor: height must rise",
                        "must rise in height from its second point to the one before last; this "
                        "one is not above the one before it.",
                        IncorrectSorPoint);
        }
    }
    if (n >= 4 && !(std::fabs(check.At(2).y - check.At(0).y) >= SlopeHeightGap)) {
        check.Break(0, "sor: no start slope",
                    "has no slope at its start: its first point is at the height of its third.",
                    NoSorSlope);
    }
    if (n >= 4 && !(std::fabs(check.At(n - 1).y - check.At(n - 3).y) >= SlopeHeightGap)) {
        check.Break(n - 1, "sor: no end slope",
                    "has no slope at its end: its last point is at the height of the third "
                    "from last.",
                    NoSorSlope);
    }
    return check.Take();
}

std::vector<RuleBreak> ProfileRuleBreaks(const WrittenPointList& list, int kind, int spline) {
    std::vector<RuleBreak> breaks;
    if (list.entries.empty()) {
        bool lathe = kind == Lathe;
        breaks.push_back({-1, lathe ? "lathe: no profile" : "sor: no profile",
                          std::string("The drawing has no profile: ") +
                              (lathe ? "a lathe" : "a surface of revolution") +
                              " needs at least one to turn.",
                          nullptr});
        return breaks;
    }
    for (const WrittenSet& set : WrittenSets(list)) {
        auto first = list.entries.begin() + set.first;
        const std::vector<WrittenEntry> profile(first,
                                                first + static_cast<long>(set.values.size()));
        for (RuleBreak& found :
             kind == Lathe ? LatheRuleBreaks(spline, profile) : SorRuleBreaks(profile)) {
            found.entry += set.first;
            breaks.push_back(std::move(found));
        }
    }
    return breaks;
}
