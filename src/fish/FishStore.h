// FishStore.h -- all 750 fish records of the tank, and the operations on a set of live counts.
//
// Every species has 50 records from start to end; its live count says how many of them swim.
// Records are never created or freed while the tank runs: a record that stops being live keeps
// its state and resumes from it when it becomes live again.
#pragma once

#include "fish/Fish.h"
#include "fish/SpeciesCatalogue.h"

#include <cstdint>

class CFloorAndLight;
struct TankBounds;

constexpr int kFishPerSpecies = 50;
constexpr int kMaxFishInTank = 50; // the population dialog never lets the total exceed this

class CFishStore
{
public:
    // Gives every record its species' start values, species 0 to 14, record 0 to 49.
    CFishStore();

    CFish& At(int species, int index) { return fish[species][index]; }
    const CFish& At(int species, int index) const { return fish[species][index]; }

    // Places every record, live or not, above the floor and gives it its swim limits.
    void PlaceAll(const CFloorAndLight& floor, const TankBounds& bounds);

private:
    CFish fish[kSpeciesTotal][kFishPerSpecies];
};

// Operations on a set of fifteen live counts, as the population dialog offers them. `species`
// outside 0..14 (nothing selected) leaves the set as it is.
void AddFish(int32_t (&counts)[kSpeciesTotal], int species);    // only while the total is below 50
void DeleteFish(int32_t (&counts)[kSpeciesTotal], int species); // never below 0
void RandomizeCounts(int32_t (&counts)[kSpeciesTotal]);         // each 0 to 3
void ClearCounts(int32_t (&counts)[kSpeciesTotal]);
