#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

// The seeded generator of the tests. Its sequence is the same with every standard library: the
// standard engine is specified to the bit but the standard distributions are not, so the ranges
// are taken here, and a seed reproduces a run anywhere.
class TestRandom {
public:
    explicit TestRandom(uint32_t seed) : _engine(seed) {}

    uint32_t Next() { return static_cast<uint32_t>(_engine()); }
    // A whole number from 0 to n - 1; 0 when n is 0.
    size_t Below(size_t n) { return static_cast<size_t>((uint64_t{Next()} * n) >> 32); }
    // A whole number from low to high, both included.
    int Between(int low, int high) {
        return low + static_cast<int>(Below(static_cast<size_t>(int64_t{high} - low + 1)));
    }
    // A number from low up to, not including, high.
    double Uniform(double low, double high) { return low + (high - low) * (Next() / 4294967296.0); }

private:
    std::mt19937 _engine;
};
