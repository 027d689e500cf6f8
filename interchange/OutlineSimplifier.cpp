#include "interchange/OutlineSimplifier.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/SegmentDistance.h"

namespace {

constexpr double Always = std::numeric_limits<double>::infinity();

// A point's rank: the largest tolerance at which the simplification would still keep it, and
// when the simplification finds it, so that a point never outranks the one that split its run.
struct Rank {
    double tolerance;
    long found;
    size_t set;
    size_t index;
};

// Ranks the points of one closed set. The first point and the one farthest from it split the
// ring into two runs; each run is split at its point farthest from its chord, and so on.
void RankSet(const std::vector<Point2>& points, size_t set, long& found, std::vector<Rank>& ranks) {
    size_t n = points.size();
    std::vector<Rank> own(n, Rank{Always, 0, set, 0});
    size_t far = 0;
    for (size_t i = 1; i < n; ++i) {
        auto distance = [&](size_t k) {
            return std::hypot(points[k].x - points[0].x, points[k].y - points[0].y);
        };
        far = distance(i) > distance(far) ? i : far;
    }
    struct Run {
        size_t from;
        size_t to;
        double tolerance;
    };
    std::vector<Run> runs{{0, far, Always}, {far, n, Always}};
    while (!runs.empty()) {
        Run run = runs.back();
        runs.pop_back();
        if (run.to - run.from < 2) {
            continue;
        }
        size_t split = run.from + 1;
        double farthest = -1;
        for (size_t k = run.from + 1; k < run.to; ++k) {
            double d = DistanceToSegment(points[k], points[run.from], points[run.to % n]);
            if (d > farthest) {
                farthest = d;
                split = k;
            }
        }
        own[split] = Rank{std::min(farthest, run.tolerance), found++, set, split};
        runs.push_back({run.from, split, own[split].tolerance});
        runs.push_back({split, run.to, own[split].tolerance});
    }
    // A set needs a third point: the best ranked of the others is always kept.
    auto third = std::min_element(own.begin(), own.end(), [](const Rank& a, const Rank& b) {
        bool aFinite = a.tolerance != Always;
        bool bFinite = b.tolerance != Always;
        if (aFinite != bFinite) {
            return aFinite;
        }
        return a.tolerance > b.tolerance || (a.tolerance == b.tolerance && a.found < b.found);
    });
    if (third != own.end()) {
        third->tolerance = Always;
    }
    for (size_t i = 0; i < n; ++i) {
        own[i].index = i;
        ranks.push_back(own[i]);
    }
}

// The farthest a left-out point of the ring lies from the segment joining the kept points on
// either side of it. The ranks alone do not bound it: a point farther from its chord than the
// point that split its run shares that point's rank, and the cut may fall between the two.
double Deviation(const std::vector<Point2>& points, const std::vector<bool>& keep) {
    const size_t n = points.size();
    const size_t first =
        static_cast<size_t>(std::find(keep.begin(), keep.end(), true) - keep.begin());
    double worst = 0;
    size_t from = first;
    for (size_t step = 1; first < n && step <= n; ++step) {
        const size_t to = (first + step) % n;
        if (!keep[to]) {
            continue;
        }
        for (size_t j = (from + 1) % n; j != to; j = (j + 1) % n) {
            worst = std::max(worst, DistanceToSegment(points[j], points[from], points[to]));
        }
        from = to;
    }
    return worst;
}

}  // namespace

double SimplifyToCapacity(Outline& outline, int capacity) {
    std::vector<Rank> ranks;
    long found = 0;
    for (size_t s = 0; s < outline.sets.size(); ++s) {
        RankSet(outline.sets[s].points, s, found, ranks);
    }
    std::sort(ranks.begin(), ranks.end(), [](const Rank& a, const Rank& b) {
        return a.tolerance > b.tolerance || (a.tolerance == b.tolerance && a.found < b.found);
    });
    // Every set also takes its closing entry.
    size_t room =
        static_cast<size_t>(std::max(capacity - static_cast<int>(outline.sets.size()), 0));
    size_t kept = std::min(room, ranks.size());
    while (kept < ranks.size() && ranks[kept].tolerance == Always) {
        ++kept;
    }
    std::vector<std::vector<bool>> keep(outline.sets.size());
    for (size_t s = 0; s < outline.sets.size(); ++s) {
        keep[s].assign(outline.sets[s].points.size(), false);
    }
    for (size_t r = 0; r < kept; ++r) {
        keep[ranks[r].set][ranks[r].index] = true;
    }
    double worst = 0;
    for (size_t s = 0; s < outline.sets.size(); ++s) {
        worst = std::max(worst, Deviation(outline.sets[s].points, keep[s]));
        std::vector<Point2> points;
        for (size_t i = 0; i < keep[s].size(); ++i) {
            if (keep[s][i]) {
                points.push_back(outline.sets[s].points[i]);
            }
        }
        outline.sets[s].points = points;
        outline.sets[s].segments.assign(points.size(), Outline::Segment{});
    }
    return worst;
}
