// Random.cpp -- SplitMix64.
#include "art/Random.h"

uint64_t CRandom::Next()
{
    state += 0x9E3779B97F4A7C15ull;
    uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float CRandom::Uniform()
{
    // The top 24 bits fill a float's mantissa exactly, so the result never rounds up to 1.
    return static_cast<float>(Next() >> 40) * (1.0f / 16777216.0f);
}

int CRandom::Below(int count)
{
    return static_cast<int>(Next() % static_cast<uint64_t>(count));
}
