// GoldfishLayout.h -- where the goldfish's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
// The eye sits between body columns 2 and 3, a little above the mouth line; its painted radius is
// just under a tenth of the girth there, just inside the mesh eye. 1.35 is the body's length over its mean
// half girth (CBodySurface::Aspect of the goldfish body).
constexpr SpeciesLayout kGoldfishLayout{0.15f, 0.38f, 0.095f, 1.35f};
} // namespace skin
