// WrasseLayout.h -- where the wrasse's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
// The eye over body column 3 (10% of the body), high on the head, on the dark stripe; its radius,
// 0.08 of the girth, is 0.0086 mesh units on a body 0.4 long with aspect 3.73 (WrasseMesh.cpp).
constexpr SpeciesLayout kWrasseLayout{0.104f, 0.38f, 0.08f, 3.73f};
} // namespace skin
