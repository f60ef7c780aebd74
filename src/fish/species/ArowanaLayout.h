// ArowanaLayout.h -- where the arowana's skin puts its eye, gill cover and mouth, shared by mesh and painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
// The eye just behind the corner of the mouth (3.5% of the body), high on the head; its radius,
// 0.11 of the girth, is 0.011 mesh units on a body 0.442 long with aspect 4.40 (ArowanaMesh.cpp).
constexpr SpeciesLayout kArowanaLayout{0.035f, 0.32f, 0.11f, 4.40f};

// The back edge of the gill cover, along the body: body column 1, where the scales begin.
constexpr float kArowanaGillCoverAlong = 0.17f;
// Where the mouth's cleft meets the body at its front section, around from the back: the jaws
// close along this row, and the painted cleft runs on from it.
constexpr float kArowanaCleftAround = 0.59f;
} // namespace skin
