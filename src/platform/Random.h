// Random.h -- the tank's one pseudo-random sequence: 15-bit values, never seeded from the clock.
//
// Every random choice of the simulation is a remainder of Rand15() (0 to 32767), so a run places
// and animates the same way every time, on every machine.
#pragma once

#include <cstdint>

constexpr int kRand15Max = 32767;

// The next value, 0 to 32767.
int Rand15();

// Restarts the sequence; tests use it to make a case independent of the ones before it.
void ResetRand15(uint32_t seed = 1);
