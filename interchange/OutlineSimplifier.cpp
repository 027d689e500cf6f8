#include "interchange/OutlineSimplifier.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>

#include "model/SegmentDistance.h"

namespace {

constexpr double Always = std::numeric_limits<double>::infinity();

// The points of a set strictly between two kept ones (to may be the set's size: the first point
// again), and the one of them farthest from the chord between the two.
struct Stretch {
    size_t set;
    size_t from;
    size_t to;
    size_t farthest;
    double distance;
    // The largest tolerance at which the simplification would still split the run: never more
    // than that of the split that made it, so that splits come in the order of their rank.
    double rank;

    bool operator<(const Stretch& other) const {
        if (rank != other.rank) {
            return rank < other.rank;
        }
        return set != other.set ? set > other.set : from > other.from;
    }
};

// Of points at the same distance the one nearest the middle splits the run, so that evenly
// spaced peaks, as on a zigzag, halve it rather than shave one point off at a time.
Stretch Measured(const std::vector<Point2>& points, size_t set, size_t from, size_t to,
                 double ceiling) {
    const size_t n = points.size();
    const Point2& a = points[from];
    const Point2& b = points[to % n];
    Stretch run{set, from, to, from + 1, -1, 0};
    const size_t twiceMiddle = from + to;
    auto offCentre = [&](size_t k) {
        return k * 2 > twiceMiddle ? k * 2 - twiceMiddle : twiceMiddle - k * 2;
    };
    for (size_t k = from + 1; k < to; ++k) {
        double d = SquaredDistanceToSegment(points[k], a, b);
        if (d > run.distance || (d == run.distance && offCentre(k) < offCentre(run.farthest))) {
            run.distance = d;
            run.farthest = k;
        }
    }
    run.distance = std::sqrt(std::max(run.distance, 0.0));
    run.rank = std::min(run.distance, ceiling);
    return run;
}

class Simplification {
public:
    explicit Simplification(Outline& outline) : _outline(outline) {}

    double ToCapacity(int capacity) {
        for (size_t s = 0; s < _outline.sets.size(); ++s) {
            Start(s);
        }
        // Every set also takes its closing entry.
        const size_t room =
            static_cast<size_t>(std::max(capacity - static_cast<int>(_outline.sets.size()), 0));
        while (_kept < room && !_runs.empty()) {
            Stretch run = _runs.top();
            _runs.pop();
            Split(run, run.rank);
        }
        double tolerance = 0;
        for (; !_runs.empty(); _runs.pop()) {
            tolerance = std::max(tolerance, _runs.top().distance);
        }
        Keep();
        return tolerance;
    }

private:
    // A set keeps its first point, the point farthest from it, and the farthest of the others
    // from the two, whatever the capacity: three points enclose something.
    void Start(size_t s) {
        const std::vector<Point2>& points = _outline.sets[s].points;
        const size_t n = points.size();
        _keep.emplace_back(n, 0);
        if (n == 0) {
            return;
        }
        Mark(s, 0);
        size_t far = 0;
        double farthest = -1;
        for (size_t i = 1; i < n; ++i) {
            double d = std::hypot(points[i].x - points[0].x, points[i].y - points[0].y);
            if (d > farthest) {
                farthest = d;
                far = i;
            }
        }
        if (far == 0) {
            return;
        }
        Mark(s, far);
        Stretch first = Measured(points, s, 0, far, Always);
        Stretch second = Measured(points, s, far, n, Always);
        bool firstLonger = first.to - first.from >= 2;
        bool secondLonger = second.to - second.from >= 2;
        bool third = firstLonger && (!secondLonger || first.distance >= second.distance);
        if (firstLonger || secondLonger) {
            Split(third ? first : second, Always);
        }
        Push(third ? second : first);
    }

    void Split(const Stretch& run, double rank) {
        Mark(run.set, run.farthest);
        const double ceiling = std::min(run.distance, rank);
        const std::vector<Point2>& points = _outline.sets[run.set].points;
        Push(Measured(points, run.set, run.from, run.farthest, ceiling));
        Push(Measured(points, run.set, run.farthest, run.to, ceiling));
    }

    void Push(const Stretch& run) {
        if (run.to - run.from >= 2) {
            _runs.push(run);
        }
    }

    void Mark(size_t set, size_t index) {
        _keep[set][index] = 1;
        ++_kept;
    }

    void Keep() {
        for (size_t s = 0; s < _outline.sets.size(); ++s) {
            std::vector<Point2>& points = _outline.sets[s].points;
            size_t kept = 0;
            for (size_t i = 0; i < points.size(); ++i) {
                if (_keep[s][i] != 0) {
                    points[kept++] = points[i];
                }
            }
            points.resize(kept);
            _outline.sets[s].segments.clear();
        }
    }

    Outline& _outline;
    std::vector<std::vector<char>> _keep;
    std::priority_queue<Stretch> _runs;
    size_t _kept = 0;
};

}  // namespace

double SimplifyToCapacity(Outline& outline, int capacity) {
    return Simplification(outline).ToCapacity(capacity);
}
