// PinkDiscusLayout.h -- where the pink discus's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
// The eye sits between body columns 1 and 2, a little above the middle of the face; the aspect is
// the discus body's length over its mean half girth (CBodySurface::Aspect of its BodyShape).
constexpr SpeciesLayout kPinkDiscusLayout{0.115f, 0.36f, 0.06f, 1.24f};
} // namespace skin
