#include "model/RandomSource.h"

RandomSource::RandomSource(uint32_t seed) : _state(seed) {
    Advance();
}

int RandomSource::Next() {
    Advance();
    return static_cast<int>((_state >> 16) & 0x7fffu);
}
