#pragma once

#include <ostream>

#include "model/PrismValues.h"

// How a failed comparison shows the six values.
inline void PrintTo(const PrismValues& values, std::ostream* out) {
    *out << "{start " << values.start << ", end " << values.end << ", spline " << values.spline
         << ", sweep " << values.sweep << ", sturm " << values.sturm << ", open " << values.open
         << "}";
}
