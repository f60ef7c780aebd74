// AquariumSettings.cpp -- the two ways the settings record changes besides the phase publication.
#include "ui/AquariumSettings.h"

void AquariumSettings::BulkUpdate(const AquariumSettings& values)
{
    int32_t keptCounts[kSpeciesCount];
    for (int s = 0; s < kSpeciesCount; ++s)
        keptCounts[s] = fishCount[s];
    const float keptFrontPhase = currentFrontPhase;
    const float keptBackPhase = currentBackPhase;

    *this = values;

    for (int s = 0; s < kSpeciesCount; ++s)
        fishCount[s] = keptCounts[s];
    frontPhaseSaved = 0.0f;
    backPhaseSaved = 0.0f;
    // The published phases belong to the colour animation, not to the update.
    currentFrontPhase = keptFrontPhase;
    currentBackPhase = keptBackPhase;
}

void AquariumSettings::StoreFishCounts(const int32_t (&counts)[kSpeciesCount])
{
    for (int s = 0; s < kSpeciesCount; ++s)
        fishCount[s] = counts[s] > kMaxFishPerSpecies ? kMaxFishPerSpecies : counts[s];
}

AquariumSettings AquariumSettings::Defaults()
{
    AquariumSettings settings;
    settings.fogSetting = 100;
    return settings;
}
