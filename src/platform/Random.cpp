// Random.cpp -- a linear congruential generator returning bits 16 to 30 of its state.
#include "platform/Random.h"

namespace {
uint32_t state = 1;
}

int Rand15()
{
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

void ResetRand15(uint32_t seed) { state = seed; }
