// SpeciesCatalogue.h -- the fifteen species in drawing order, by SpeciesId 0 to 14.
#pragma once

#include "fish/SpeciesDescriptor.h"

constexpr int kSpeciesTotal = 15;

// Species ids in catalogue order: the drawing order, the skin index and the count index.
enum SpeciesIdentity : int
{
    kAngelfish = 0,
    kPinkDiscus,
    kGoldfish,
    kGuppy,
    kClownfish,
    kWrasse,
    kBlueTang,
    kPinkTetra,
    kBetta,
    kMedaka,
    kTurquoiseDiscus,
    kArowana,
    kSpottedGrouper,
    kCrab,
    kShrimp,
};

// The descriptor of species `id` (0 to 14).
const SpeciesDescriptor& SpeciesCatalogue(int id);
