#pragma once

#include <cstdint>

// The shape generator's pseudo-random numbers: a 32-bit linear congruential generator whose
// values are bits 16 to 30 of the state. Seeding advances the state once.
class RandomSource {
public:
    static constexpr int MaxValue = 32767;

    explicit RandomSource(uint32_t seed);

    // The next value, 0 to MaxValue.
    int Next();

private:
    void Advance() { _state = _state * 22695477u + 1u; }

    uint32_t _state;
};
