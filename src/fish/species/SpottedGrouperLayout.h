// SpottedGrouperLayout.h -- where the spotted grouper's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
constexpr SpeciesLayout kSpottedGrouperLayout{0.10f, 0.32f, 0.07f, 1.75f};
} // namespace skin
