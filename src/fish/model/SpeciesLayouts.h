// SpeciesLayouts.h -- the skin layout of every species, in catalogue order.
#pragma once

#include "fish/model/SkinLayout.h"
#include "fish/species/ArowanaLayout.h"
#include "fish/species/BettaLayout.h"
#include "fish/species/BlueTangLayout.h"
#include "fish/species/ClownfishLayout.h"
#include "fish/species/CrabLayout.h"
#include "fish/species/GoldfishLayout.h"
#include "fish/species/GuppyLayout.h"
#include "fish/species/MedakaLayout.h"
#include "fish/species/PinkDiscusLayout.h"
#include "fish/species/PinkTetraLayout.h"
#include "fish/species/ShrimpLayout.h"
#include "fish/species/SpottedGrouperLayout.h"
#include "fish/species/TurquoiseDiscusLayout.h"
#include "fish/species/WrasseLayout.h"

namespace skin {
constexpr SpeciesLayout kSpeciesLayouts[15] = {
    {0.09f, 0.40f, 0.07f, 1.75f}, // angelfish (its eye painted as a circle of the picture)
    kPinkDiscusLayout,
    kGoldfishLayout,
    kGuppyLayout,
    kClownfishLayout,
    kWrasseLayout,
    kBlueTangLayout,
    kPinkTetraLayout,
    kBettaLayout,
    kMedakaLayout,
    kTurquoiseDiscusLayout,
    kArowanaLayout,
    kSpottedGrouperLayout,
    kCrabLayout,
    kShrimpLayout,
};
} // namespace skin
