// MedakaLayout.h -- where the medaka's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
constexpr SpeciesLayout kMedakaLayout{0.07f, 0.40f, 0.10f, 1.75f};
} // namespace skin
