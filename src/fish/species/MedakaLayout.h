// MedakaLayout.h -- where the medaka's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
// The big eye sits high on the small head, a tenth of the way back from the snout, its top nearly on
// the flat back; its radius, 0.158 of the girth, is 0.017 mesh units on a body 0.36 long whose aspect
// (length over mean half girth, as CBodySurface::Aspect() gives it) is 3.35 (MedakaMesh.cpp).
constexpr SpeciesLayout kMedakaLayout{0.10f, 0.35f, 0.158f, 3.35f};
} // namespace skin
