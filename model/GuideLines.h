#pragma once

#include <vector>

// The horizontal and vertical guides of a drawing window: lines across the canvas at file
// positions (y of a horizontal guide, x of a vertical one, file units) that points snap to. They
// belong beside the drawing, never to it, and are kept in its sidecar file.
struct GuideLines {
    // Each direction holds at most this many; more are not taken.
    static constexpr int MostPerDirection = 32;

    std::vector<double> horizontal;
    std::vector<double> vertical;

    bool Empty() const { return horizontal.empty() && vertical.empty(); }
    // False, changing nothing, when the direction is full or the position is not finite.
    bool Add(bool isHorizontal, double position);
    // Every position finite, at most MostPerDirection each way.
    bool Valid() const;

    bool operator==(const GuideLines& other) const {
        return horizontal == other.horizontal && vertical == other.vertical;
    }
    bool operator!=(const GuideLines& other) const { return !(*this == other); }
};
