// GuppyLayout.h -- where the guppy's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
// The eye sits on the small head just behind the snout, a little above the mouth line; the aspect is
// the guppy body's length over its mean half girth, as CBodySurface::Aspect() gives it.
constexpr SpeciesLayout kGuppyLayout{0.08f, 0.40f, 0.14f, 3.35f};
} // namespace skin
