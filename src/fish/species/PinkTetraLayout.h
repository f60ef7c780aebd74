// PinkTetraLayout.h -- where the pink tetra's skin puts its eye, shared by its mesh and its painter.
//
// The tetra's eye is painted only: a large red eye high on the short head. The aspect is the
// body's length over its mean half girth (CBodySurface::Aspect of the tetra's body shape), so a
// painted circle stays round on the fish.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
constexpr SpeciesLayout kPinkTetraLayout{0.13f, 0.36f, 0.14f, 2.68f};
} // namespace skin
