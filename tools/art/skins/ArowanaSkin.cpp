// ArowanaSkin.cpp -- the arowana's skin: metallic gold under a net of large dark-rimmed scales, red fins.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"
#include "fish/species/ArowanaLayout.h"

#include <cmath>
#include <utility>
#include <vector>

using namespace skins;

namespace {
constexpr float kPi = 3.14159265f;

constexpr Rgb kGold = HexColour(0xc8b070);
constexpr Rgb kScaleRim = HexColour(0x4e3a12);
constexpr Rgb kScaleSheen = HexColour(0xf4e6b0);
constexpr Rgb kFinRed = HexColour(0xd03a20);

// The scales: about twenty along the trunk and eight from the back to the belly. Sizes are
// fractions of the body's length; the picture's v runs over the half girth, 1 / aspect of the
// length, so a scale's height in v is its length in u times the aspect and the scales are round on
// the fish.
constexpr float kScaleLength = 0.056f;   // a scale's diameter along the body
constexpr float kScaleStepU = 0.8f;      // between the scales of a row, in diameters
constexpr float kScaleStepV = 0.55f;     // between rows
constexpr float kScaleArc = 0.42f;       // the visible rim: this fraction of pi either side of the tail side
constexpr float kRimHalfWidth = 0.0085f; // in body heights (v)
constexpr float kSheenHalfWidth = 0.02f; // a broad lighter crescent inside each rim
constexpr float kSheenRadius = 0.55f;    // ...at this fraction of the scale's radius
constexpr int kArcPoints = 7;

// One scale's rim (or the ridge inside it) as a stroke: an arc on the tail side of the circle of
// `radius` (in u) about (u, v).
Marking ScaleArc(float u, float v, float radius, float halfWidth, Rgb colour, float opacity)
{
    const float radiusV = radius * skin::kArowanaLayout.bodyAspect;
    std::vector<std::pair<float, float>> points;
    for (int i = 0; i < kArcPoints; ++i) {
        const float angle = kScaleArc * kPi * (2.0f * i / (kArcPoints - 1) - 1.0f);
        points.emplace_back(u + radius * std::cos(angle), v + radiusV * std::sin(angle));
    }
    Marking arc = Path(points, halfWidth, colour);
    arc.opacity = opacity;
    return arc;
}

// The net from the gill cover to the tail root, back to belly, rows staggered by half a scale;
// painted from the tail forward, so the rims toward the head lie on top, as scales overlap.
std::vector<Marking> ScaleNetRound()
{
    const float radius = 0.5f * kScaleLength;
    const float stepU = kScaleStepU * kScaleLength;
    const float stepV = kScaleStepV * kScaleLength * skin::kArowanaLayout.bodyAspect;
    std::vector<Marking> net;
    int row = 0;
    for (float v = 0.0f; v < 1.0f + stepV; v += stepV, ++row) {
        const float offset = (row % 2) * 0.5f * stepU;
        for (float u = 1.0f + stepU - offset; u > skin::kArowanaGillCoverAlong; u -= stepU) {
            net.push_back(ScaleArc(u, v, radius * kSheenRadius, kSheenHalfWidth, kScaleSheen, 0.4f));
            net.push_back(ScaleArc(u, v, radius, kRimHalfWidth, kScaleRim, 0.9f));
        }
    }
    return net;
}
} // namespace

SkinRecipe ArowanaSkin()
{
    SkinRecipe arowana = Body("arowana", HexColour(0x7c7a48), kGold, HexColour(0xf0e6c4));
    arowana.mottle = 0.05f;
    arowana.iris = HexColour(0xd8a030);
    const float gill = skin::kArowanaGillCoverAlong;
    const float cleft = skin::kArowanaCleftAround;
    arowana.markings = Join(
        ScaleNetRound(),
        {
            // The smooth head: the gill cover's back edge, bowed toward the tail, and
            // the cleft running on from the jaws below the eye.
            Path({{gill - 0.02f, 0.08f}, {gill + 0.005f, 0.4f}, {gill - 0.015f, 0.85f}}, 0.014f, HexColour(0x6a5420)),
            Path({{0.0f, cleft}, {0.03f, cleft + 0.05f}, {0.05f, cleft + 0.07f}}, 0.018f, HexColour(0x3a2a10)),
        });
    // Fins: gold at the root going to red; the tail the reddest, with a darker rim.
    arowana.tail = WithEdge(Fin(HexColour(0xc89050), kFinRed, 0.45f), HexColour(0x901c10), 0.12f);
    arowana.fins = WithEdge(Fin(HexColour(0xb89458), kFinRed, 0.4f), HexColour(0xa02414), 0.1f);
    return arowana;
}
