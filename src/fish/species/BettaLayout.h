// BettaLayout.h -- where the betta's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
// The eye sits high on the pointed head, a little behind the upturned mouth; its radius is a
// fraction of the girth; the aspect is the body's length over its mean half girth, as
// CBodySurface::Aspect() gives it for the betta's BodyShape.
constexpr SpeciesLayout kBettaLayout{0.10f, 0.36f, 0.14f, 3.30f};
} // namespace skin
