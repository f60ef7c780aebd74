// TurquoiseDiscusLayout.h -- where the turquoise discus's skin puts its eye, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
// The eye sits high on the steep face, a little behind body column 1; the aspect is the discus
// body's length over its mean half girth (CBodySurface::Aspect of its BodyShape).
constexpr SpeciesLayout kTurquoiseDiscusLayout{0.13f, 0.37f, 0.068f, 1.27f};

// Rows of the body grid, evenly spaced around it from the back to the belly: the painter spaces
// its lines by the heights these rows put them at, so that they lie evenly from the side.
constexpr int kTurquoiseDiscusBodyRows = 5;
} // namespace skin
