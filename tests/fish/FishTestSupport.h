// FishTestSupport.h -- a fish of a given species, spawned in the tank's swim box, for tests.
#pragma once

#include "fish/Fish.h"
#include "platform/Random.h"

// Restarts the random sequence so that each case sees the same draws whatever ran before it.
inline CFish MakeTestFish(int species)
{
    ResetRand15();
    CFish fish;
    fish.Initialise(species);
    fish.Spawn(-90.0f, 90.0f, 10.0f, -22.0f, -50.0f, -10.0f);
    return fish;
}
