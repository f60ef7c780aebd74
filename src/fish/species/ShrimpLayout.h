// ShrimpLayout.h -- where the shrimp's skin puts its eye and its segment joints, shared by its mesh and its painter.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
// The body tube's rings, head to tail; ring r lies at the fraction r / (kShrimpRings - 1) of the
// body's picture, so a joint painted there lands on the ring.
constexpr int kShrimpRings = 14;
constexpr int kShrimpCarapaceEnd = 6;  // the ring where the carapace ends and the first tail segment starts
constexpr int kShrimpTelsonStart = 12; // the ring where the sixth tail segment ends and the telson begins

constexpr float ShrimpRingAlong(int ring)
{
    return static_cast<float>(ring) / (kShrimpRings - 1);
}

// The painted eye lies on the face, where the eye stalks grow out of it: the stalked eyes take their
// colour from its dark middle. The aspect is the tube's length over its mean half girth.
constexpr SpeciesLayout kShrimpLayout{0.035f, 0.30f, 0.10f, 5.8f};
} // namespace skin
