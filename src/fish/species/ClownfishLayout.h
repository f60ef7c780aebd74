// ClownfishLayout.h -- where the clownfish's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
// Eye centre along and around the body, its radius in fractions of the girth, and the body's
// aspect (its BodyShape's length over its mean half girth).
constexpr SpeciesLayout kClownfishLayout{0.12f, 0.34f, 0.125f, 2.49f};
} // namespace skin
