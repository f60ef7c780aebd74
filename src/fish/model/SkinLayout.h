// SkinLayout.h -- where each region of a species skin lies, shared by the mesh and the painter.
//
// A skin is 256 x 128 pixels. The body fills the left 7/8 (x 0..223): u runs along the body from
// the snout (0) to the tail root, v around it from the back (top row) over the flank to the belly
// (bottom row), so a vertical bar of the animal is a vertical band of the picture. The fin strip
// (x 224..255) holds the tail fin in its top half and every other fin in its bottom half, each
// painted from the fin's root (left) to its free edge (right).
//
// Positions on the body are fractions: along (0 snout .. 1 tail root) and around (0 back .. 1
// belly). The mesh maps its surface to the same fractions, so a band painted at 40% of the body
// lands at 40% of the body, and the eye rings of the mesh map onto the painted eye. Pictures are
// uploaded bottom row first, as BMP stores them, so texture v is 1 - (row fraction from the top).
//
// This header is plain data and arithmetic: the build-time painter includes it as well.
#pragma once

namespace skin {
constexpr int kWidth = 256;
constexpr int kHeight = 128;
constexpr int kBodyWidth = 224;                      // pixels; the fin strip takes the rest
constexpr float kBodyU = float(kBodyWidth) / kWidth; // texture u where the body ends
constexpr float kTexelU = 1.0f / kWidth;
constexpr float kTexelV = 1.0f / kHeight;

// What differs per species. The eye's radius is a fraction of the body's girth (around); its
// extent along the body follows from the aspect, so that a painted circle is a circle on the fish.
struct SpeciesLayout
{
    float eyeAlong; // centre of the eye
    float eyeAround;
    float eyeRadius;  // in fractions of around
    float bodyAspect; // body length over its half girth (back over the flank to the belly)
};

// The painted eye's radii as fractions of the whole picture: across (u) and down (v). A circle of
// radius r (in girth) spans r / aspect of the body's length.
constexpr float EyeRadiusU(const SpeciesLayout& layout)
{
    return layout.eyeRadius / layout.bodyAspect * kBodyU;
}
constexpr float EyeRadiusV(const SpeciesLayout& layout)
{
    return layout.eyeRadius;
}

// Texture coordinates of a body point. The body keeps half a texel inside its part of the picture,
// so the linear filter never blends in the fin strip, across the picture's wrapping edge at the
// snout or beside it at the tail root.
constexpr float BodyU(float along)
{
    return 0.5f * kTexelU + (kBodyU - kTexelU) * along;
}
constexpr float BodyV(float around)
{
    return 1.0f - around;
}

// Fin strip: outward 0 at the root .. 1 at the free edge; across 0..1 down the tail's half (the
// top) or the other fins' half, a texel inside its borders.
constexpr float FinU(float outward)
{
    return kBodyU + kTexelU + outward * (1.0f - kBodyU - 2.0f * kTexelU);
}
constexpr float FinV(float across, bool tail)
{
    return BodyV((tail ? 0.0f : 0.5f) + kTexelV + across * (0.5f - 2.0f * kTexelV));
}
} // namespace skin
