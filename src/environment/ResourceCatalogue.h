// ResourceCatalogue.h -- every packed resource the program ships: its id and the base name of its files.
//
// The packer packs exactly this list (raw file: base name + DecodedExtension), and the loaders
// unpack by these ids and names, so the two sides read one table.
#pragma once

#include <cstdint>

struct PackedResourceEntry
{
    uint16_t id;
    const char* baseName; // temporary files are named after it; the raw art file too
};

constexpr int kBackdropPictureResource = 154; // "BackGround0": the picture on the waving sheet
constexpr int kRayResource = 164;             // "GuangXian": the light rays
constexpr int kWaterResource = 165;           // "Water": the floor's water glow
constexpr int kParticleResource = 166;        // "Particle1": one bubble
constexpr int kMusicResource = 227;           // "Music": the ambient recording, a WAV file
constexpr int kPlantResourceBase = 2000;      // + plant slot 0..5 ("cao" + slot); slot 2 is not shipped
constexpr int kSpeciesResourceBase = 10000;   // + species index 0..14 ("fish" + index)

constexpr PackedResourceEntry kPackedResourceCatalogue[] = {
    {kBackdropPictureResource, "BackGround0"},
    {kRayResource, "GuangXian"},
    {kWaterResource, "Water"},
    {kParticleResource, "Particle1"},
    {kMusicResource, "Music"},
    {kPlantResourceBase + 0, "cao0"},
    {kPlantResourceBase + 1, "cao1"},
    {kPlantResourceBase + 3, "cao3"},
    {kPlantResourceBase + 4, "cao4"},
    {kPlantResourceBase + 5, "cao5"},
    {kSpeciesResourceBase + 0, "fish0"},
    {kSpeciesResourceBase + 1, "fish1"},
    {kSpeciesResourceBase + 2, "fish2"},
    {kSpeciesResourceBase + 3, "fish3"},
    {kSpeciesResourceBase + 4, "fish4"},
    {kSpeciesResourceBase + 5, "fish5"},
    {kSpeciesResourceBase + 6, "fish6"},
    {kSpeciesResourceBase + 7, "fish7"},
    {kSpeciesResourceBase + 8, "fish8"},
    {kSpeciesResourceBase + 9, "fish9"},
    {kSpeciesResourceBase + 10, "fish10"},
    {kSpeciesResourceBase + 11, "fish11"},
    {kSpeciesResourceBase + 12, "fish12"},
    {kSpeciesResourceBase + 13, "fish13"},
    {kSpeciesResourceBase + 14, "fish14"},
};
