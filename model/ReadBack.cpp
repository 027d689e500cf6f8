#include "model/ReadBack.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Powers of ten up to 1e22 are exact doubles, so one multiplication or division by them rounds
// as the parser rounds the decimal text.
constexpr int ExactPowers = 22;
constexpr double PowersOfTen[ExactPowers + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Magnitudes whose six digits scale by an exact power of ten (the shift below stays within
// -16 .. 22).
constexpr double Smallest = 1e-16;
constexpr double Largest = 1e22;

double ThroughText(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%g", value);
    return std::strtod(text, nullptr);
}

// floor(log10(magnitude)), or one less near a power of ten: from the binary exponent times
// log10(2), about 1233 / 4096.
int Decade(double magnitude) {
    std::uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    int binary = static_cast<int>((bits >> 52) & 0x7ff) - 1023;
    int decade = (binary * 1233) >> 12;
    bool above = decade >= 0 ? magnitude >= PowersOfTen[decade] * 10
                             : magnitude * PowersOfTen[-decade] >= 10;
    return above ? decade + 1 : decade;
}

}  // namespace

double ReadBack(double value) {
    if (value == 0) {
        return value;  // "0" or "-0"
    }
    double magnitude = std::fabs(value);
    if (!(magnitude >= Smallest && magnitude < Largest)) {
        return ThroughText(value);
    }
    // Six digits: the magnitude scaled into [1e5, 1e6) and rounded to a whole number.
    int shift = 5 - Decade(magnitude);
    double scaled = shift >= 0 ? magnitude * PowersOfTen[shift] : magnitude / PowersOfTen[-shift];
    double whole = std::floor(scaled);
    double digits = scaled - whole < 0.5 ? whole : whole + 1;
    // The scaling itself rounds: near a half, or where the decade was missed, the text decides.
    if (std::fabs(scaled - whole - 0.5) < 1e-6 || digits < 1e5 || digits > 1e6) {
        return ThroughText(value);
    }
    double read = shift >= 0 ? digits / PowersOfTen[shift] : digits * PowersOfTen[-shift];
    return value < 0 ? -read : read;
}

Point2 ReadBack(const Point2& value) {
    return {ReadBack(value.x), ReadBack(value.y)};
}
