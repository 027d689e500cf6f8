#pragma once

#include <climits>
#include <cmath>

// Truncation toward zero like a plain cast, made safe for values no int can hold: a drawing
// scaled far beyond the canvas, or a canvas too small to have a scale, must not turn a
// conversion into undefined behaviour.

inline int TruncateToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

// Pixel positions stay far inside the int range, so that a few pixels added for a marker or a
// guide cannot overflow.
constexpr double PixelLimit = 1 << 28;

inline int TruncateToPixel(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::fmax(-PixelLimit, std::fmin(PixelLimit, value)));
}
