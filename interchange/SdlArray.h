#pragma once

#include <vector>

#include "interchange/SdlValue.h"

// The elements of a scene-language array, stored row after row, with the size of each of its
// dimensions. An element that was never given a value holds an opaque value saying so.
struct SdlArray {
    std::vector<int> dims;
    std::vector<SdlValue> items;
};
