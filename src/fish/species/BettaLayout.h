// BettaLayout.h -- where the betta's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
constexpr SpeciesLayout kBettaLayout{0.07f, 0.40f, 0.07f, 1.75f};
} // namespace skin
