// SpeciesLayouts.h -- the skin layout of every species, in catalogue order.
#pragma once

#include "fish/model/SkinLayout.h"
#include "fish/species/BlueTangLayout.h"
#include "fish/species/ClownfishLayout.h"
#include "fish/species/GoldfishLayout.h"
#include "fish/species/GuppyLayout.h"
#include "fish/species/PinkDiscusLayout.h"
#include "fish/species/PinkTetraLayout.h"
#include "fish/species/WrasseLayout.h"

namespace skin {
// Species that are not modelled yet keep the eyes their skins were first painted with.
constexpr SpeciesLayout kSpeciesLayouts[15] = {
    {0.09f, 0.40f, 0.07f, 1.75f}, // angelfish (its eye painted as a circle of the picture)
    kPinkDiscusLayout,
    kGoldfishLayout,
    kGuppyLayout,
    kClownfishLayout,
    kWrasseLayout,
    kBlueTangLayout,
    kPinkTetraLayout,
    {0.07f, 0.40f, 0.07f, 1.75f}, // betta
    {0.07f, 0.40f, 0.10f, 1.75f}, // medaka
    {0.07f, 0.40f, 0.07f, 1.75f}, // turquoise discus
    {0.06f, 0.40f, 0.07f, 1.75f}, // arowana
    {0.10f, 0.32f, 0.07f, 1.75f}, // spotted grouper
    {0.07f, 0.40f, 0.07f, 1.75f}, // crab (its eyes are on stalks of their own)
    {0.06f, 0.30f, 0.07f, 1.75f}, // shrimp
};
} // namespace skin
