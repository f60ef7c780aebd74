// CrabLayout.h -- where the crab's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
constexpr SpeciesLayout kCrabLayout{0.07f, 0.40f, 0.07f, 1.75f};
} // namespace skin
