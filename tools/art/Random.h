// Random.h -- the seeded generator behind every random choice of the painters and the composer.
//
// SplitMix64: tiny, fast and good enough for scattering spots and bubbles. The same seed gives the
// same sequence on every machine, which is what keeps the generated files byte-for-byte stable.
#pragma once

#include <cstdint>

class CRandom
{
public:
    explicit CRandom(uint64_t seed) : state(seed) {}

    uint64_t Next();

    // Uniform in [0, 1).
    float Uniform();

    // Uniform in [lo, hi).
    float Range(float lo, float hi) { return lo + (hi - lo) * Uniform(); }

    // Uniform integer in [0, count), count > 0.
    int Below(int count);

private:
    uint64_t state;
};
