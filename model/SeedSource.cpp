#include "model/SeedSource.h"

#include <ctime>

namespace {

bool fixedSeedChosen = false;
uint32_t fixedSeed = 0;

}  // namespace

void SeedSource::UseSeed(uint32_t seed) {
    fixedSeedChosen = true;
    fixedSeed = seed;
}

void SeedSource::UseClock() {
    fixedSeedChosen = false;
}

bool SeedSource::UsesClock() {
    return !fixedSeedChosen;
}

uint32_t SeedSource::Seed() {
    if (fixedSeedChosen) {
        return fixedSeed;
    }
    return static_cast<uint32_t>(std::time(nullptr));
}
