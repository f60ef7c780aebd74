// FishStore.cpp -- constructing, placing and spawning the records; the live-count operations.
#include "fish/FishStore.h"

#include "environment/FloorAndLight.h"
#include "platform/Random.h"
#include "view/TankBounds.h"

CFishStore::CFishStore()
{
    for (int s = 0; s < kSpeciesTotal; ++s)
        for (int i = 0; i < kFishPerSpecies; ++i)
            fish[s][i].Initialise(s);
}

void CFishStore::PlaceAll(const CFloorAndLight& floor, const TankBounds& bounds)
{
    const int width = static_cast<int>(bounds.xMax - bounds.xMin);
    for (int s = 0; s < kSpeciesTotal; ++s) {
        const SpeciesDescriptor& species = SpeciesCatalogue(s);
        for (int i = 0; i < kFishPerSpecies; ++i) {
            CFish& f = fish[s][i];
            const int r50 = Rand15() % 50;
            const int r20 = Rand15() % 20; // unused by species that start at the back limit
            const int column = Rand15() % width;
            const int row = species.randomRowAtSpawn ? 15 + Rand15() % 30 : 20;

            if (floor.HasFloor() && column < floor.Columns() && row < floor.Rows() - 1) {
                const FloorVertex& v = floor.Vertex(column, row);
                f.position.x = v.x;
                f.position.y = bounds.yBottom - v.height + static_cast<float>(r50) + 10.0f;
                f.position.z = v.z + bounds.zBack + static_cast<float>(r20);
            } else {
                // Without a floor the fish start where the flat floor would put them.
                f.position.x = static_cast<float>(column) + bounds.xMin;
                f.position.y = bounds.yBottom + static_cast<float>(r50) + 10.0f;
                f.position.z = static_cast<float>(row) + 2.0f * bounds.zBack + static_cast<float>(r20);
            }
            if (species.startsAtBackLimit)
                f.position.z = -50.0f;
            f.Spawn(bounds.xMin, bounds.xMax, bounds.yTop - 20.0f, bounds.yBottom, bounds.zBack, bounds.zFront - 10.0f);
        }
    }
}

void AddFish(int32_t (&counts)[kSpeciesTotal], int species)
{
    if (species < 0 || species >= kSpeciesTotal)
        return;
    int64_t total = 0; // counts read from the settings file may be any 32-bit value
    for (int32_t count : counts)
        total += count;
    if (total >= kMaxFishInTank)
        return;
    counts[species] += 1;
    if (counts[species] > kFishPerSpecies)
        counts[species] = kFishPerSpecies;
}

void DeleteFish(int32_t (&counts)[kSpeciesTotal], int species)
{
    if (species < 0 || species >= kSpeciesTotal)
        return;
    counts[species] = counts[species] > 0 ? counts[species] - 1 : 0;
}

void RandomizeCounts(int32_t (&counts)[kSpeciesTotal])
{
    for (int32_t& count : counts)
        count = Rand15() % 4;
}

void ClearCounts(int32_t (&counts)[kSpeciesTotal])
{
    for (int32_t& count : counts)
        count = 0;
}
