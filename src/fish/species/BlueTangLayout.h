// BlueTangLayout.h -- where the blue tang's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
// The eye sits high on the head, a seventh of the way back; its radius is 0.1 of the girth (the
// mesh eye's 0.018 units over the body's mean half girth), and the body is 2.16 times as long as
// its mean half girth (CBodySurface::Aspect of the tang's body).
constexpr SpeciesLayout kBlueTangLayout{0.15f, 0.34f, 0.1f, 2.16f};
} // namespace skin
