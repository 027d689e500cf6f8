#include "model/GuideLines.h"

#include <algorithm>
#include <cmath>

namespace {

bool FitsIn(const std::vector<double>& positions) {
    return positions.size() <= GuideLines::MostPerDirection &&
           std::all_of(positions.begin(), positions.end(),
                       [](double position) { return std::isfinite(position); });
}

}  // namespace

bool GuideLines::Add(bool isHorizontal, double position) {
    std::vector<double>& positions = isHorizontal ? horizontal : vertical;
    if (positions.size() >= MostPerDirection || !std::isfinite(position)) {
        return false;
    }
    positions.push_back(position);
    return true;
}

bool GuideLines::Valid() const {
    return FitsIn(horizontal) && FitsIn(vertical);
}
