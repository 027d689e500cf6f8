#pragma once

#include <cstdint>

// Where the shape generator takes its seed from, program-wide. The editor uses the clock in
// whole seconds, so two shapes made within one second agree; tests and the batch tool fix a
// seed to make random shapes repeatable.
class SeedSource {
public:
    static void UseSeed(uint32_t seed);
    static void UseClock();
    static bool UsesClock();
    // The fixed seed, or the current time in whole seconds.
    static uint32_t Seed();
};
