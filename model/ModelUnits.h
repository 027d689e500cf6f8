#pragma once

// A file unit is this many model units, y upwards: the canvas's 300 model units span four.
constexpr int ModelUnitsPerFileUnit = 75;
