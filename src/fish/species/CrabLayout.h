// CrabLayout.h -- where the crab's skin puts its shell, eyes, mouth parts and bumps, shared by its mesh and its
// painter.
//
// The crab's body picture is a map of its carapace seen from above and below. The shell takes the
// picture's left part, so that a painted circle stays round on it: along the picture from its front
// margin (0) to its back margin (kCrabShellU); around from the midline of the top (0) out to its
// widest rim (kCrabTopRim), and from the rim (kCrabUnderRim) in to the midline of the underside
// (1). The eyes, their stalks and the mouth parts take their paint from patches to the right.
#pragma once

#include "fish/model/SkinLayout.h"

namespace skin {
// The eye entry marks the patch the stalked eyes are textured from; the painter's own round eye is
// switched off for the crab. The aspect is the shell's length over its half width.
constexpr SpeciesLayout kCrabLayout{0.60f, 0.22f, 0.06f, 1.4f};

constexpr float kCrabShellU = 0.36f;   // the shell's length in the picture, as a fraction of the body's part
constexpr float kCrabTopRim = 0.45f;   // around at the widest rim, seen from above
constexpr float kCrabUnderRim = 0.55f; // and from below
// The patch the stalks and feelers are textured from, shell-coloured.
constexpr float kCrabStalkAlong = 0.80f;
constexpr float kCrabStalkAround = 0.22f;
// The patch the mouth parts are textured from.
constexpr float kCrabMouthAlong = 0.60f;
constexpr float kCrabMouthAround = 0.75f;
constexpr float kCrabMouthRadius = 0.06f;

// Along the picture of a point `shellAlong` of the way from the shell's front margin to its back.
constexpr float CrabShellPictureAlong(float shellAlong)
{
    return shellAlong * kCrabShellU;
}

// The raised granules on the left half of the shell (the right half mirrors them): centre (the
// fraction of the way along the shell, around) and radius in around. The mesh lifts the shell there; the painter
// lightens their crowns.
struct CrabTubercle
{
    float along, around, radius;
};
constexpr CrabTubercle kCrabTubercles[] = {
    // a row along the front margin, behind the eyes
    {0.13f, 0.10f, 0.048f},
    {0.15f, 0.20f, 0.051f},
    {0.20f, 0.29f, 0.048f},
    {0.26f, 0.36f, 0.045f},
    // the gastric region at the middle front
    {0.24f, 0.05f, 0.058f},
    {0.32f, 0.12f, 0.054f},
    {0.36f, 0.03f, 0.048f},
    // the hepatic and branchial regions at the sides
    {0.34f, 0.25f, 0.054f},
    {0.42f, 0.33f, 0.058f},
    {0.47f, 0.21f, 0.061f},
    {0.55f, 0.30f, 0.054f},
    {0.60f, 0.38f, 0.048f},
    {0.63f, 0.19f, 0.054f},
    {0.70f, 0.29f, 0.048f},
    // the cardiac region behind the middle
    {0.56f, 0.07f, 0.058f},
    {0.68f, 0.10f, 0.048f},
    {0.78f, 0.05f, 0.045f},
    {0.80f, 0.17f, 0.045f},
};
} // namespace skin
