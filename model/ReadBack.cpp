#include "model/ReadBack.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Powers of ten up to 1e22 are exact doubles, so one multiplication or division by them rounds
// as the parser rounds the decimal text.
constexpr int ExactPowers = 22;
constexpr double PowersOfTen[ExactPowers + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

double ThroughText(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%g", value);
    return std::strtod(text, nullptr);
}

}  // namespace

double ReadBack(double value) {
    if (value == 0 || !std::isfinite(value)) {
        return ThroughText(value);
    }
    // Six digits: the value scaled into [1e5, 1e6) and rounded to a whole number.
    int shift = 5 - static_cast<int>(std::floor(std::log10(std::fabs(value))));
    if (shift < -ExactPowers || shift > ExactPowers) {
        return ThroughText(value);
    }
    double scaled = shift >= 0 ? value * PowersOfTen[shift] : value / PowersOfTen[-shift];
    double digits = std::nearbyint(scaled);
    double fraction = std::fabs(scaled - std::trunc(scaled));
    // The scaling itself rounds: near a half, or where log10 missed the decade, the text decides.
    if (std::fabs(fraction - 0.5) < 1e-6 || std::fabs(digits) < 1e5 || std::fabs(digits) > 1e6) {
        return ThroughText(value);
    }
    return shift >= 0 ? digits / PowersOfTen[shift] : digits * PowersOfTen[-shift];
}

Point2 ReadBack(const Point2& value) {
    return {ReadBack(value.x), ReadBack(value.y)};
}
