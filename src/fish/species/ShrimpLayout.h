// ShrimpLayout.h -- where the shrimp's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
constexpr SpeciesLayout kShrimpLayout{0.06f, 0.30f, 0.07f, 1.75f};
} // namespace skin
