// SpottedGrouperLayout.h -- where the spotted grouper's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
// The eye over body column 3 (12.6% of the body), high on the big head; its painted radius, 0.045
// of the girth, is 0.0074 mesh units on a body 0.42 long with aspect 2.54 (its BodyShape's length
// over its mean half girth, SpottedGrouperMesh.cpp). The mesh eye is drawn somewhat larger.
constexpr SpeciesLayout kSpottedGrouperLayout{0.126f, 0.30f, 0.045f, 2.54f};
} // namespace skin
