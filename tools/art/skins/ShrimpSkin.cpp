// ShrimpSkin.cpp -- the shrimp's skin: a translucent pink-orange shell banded red at its joints.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"
#include "fish/species/ShrimpLayout.h"

using namespace skins;

namespace {
constexpr Rgb kShell = HexColour(0xf0a080);
constexpr Rgb kJointRed = HexColour(0xc83828);
constexpr Rgb kGlassy = HexColour(0xfff0e4); // the clear middle of each shell plate

// A red band on every joint of the tail, from the carapace's rim to the telson, and a pale, glassy
// band across the middle of each segment between them. The joints are the body tube's rings.
std::vector<Marking> SegmentBands()
{
    std::vector<Marking> bands;
    for (int ring = skin::kShrimpCarapaceEnd; ring <= skin::kShrimpTelsonStart; ++ring) {
        const float along = skin::ShrimpRingAlong(ring);
        if (ring < skin::kShrimpTelsonStart)
            bands.push_back(Bar(along + 0.5f * skin::ShrimpRingAlong(1), 0.018f, kGlassy, 0.35f));
        bands.push_back(Bar(along, 0.011f, kJointRed, 0.7f));
    }
    return bands;
}
} // namespace

SkinRecipe ShrimpSkin()
{
    SkinRecipe shrimp = Body("shrimp", HexColour(0xe88a68), kShell, HexColour(0xfbdcc8));
    shrimp.mottle = 0.04f;
    shrimp.iris = HexColour(0x180c0c);
    const float carapaceEnd = skin::ShrimpRingAlong(skin::kShrimpCarapaceEnd);
    shrimp.markings = Join(
        {
            // The carapace: a glassy sheen over the gills and a darker ridge line toward the rostrum.
            Patch(0.5f * carapaceEnd, 0.45f, 0.26f, kGlassy, 0.18f),
            Stripe(0.02f, 0.03f, HexColour(0xd86848), 0.5f, 0.0f, carapaceEnd),
            // The telson's reddish point.
            Bar(0.96f, 0.04f, HexColour(0xd85038), 0.5f),
        },
        SegmentBands());
    // The tail fan: pink at the root, a red band before its pale, clear edge.
    shrimp.tail = WithEdge(WithBands(Fin(kShell, HexColour(0xf4b8a0), 0.15f), 1, HexColour(0xc83828)),
                           HexColour(0xfff4ec), 0.14f);
    // Legs and feelers: translucent, fading to clear at their tips, with faint red rings.
    shrimp.fins = WithBands(Fin(HexColour(0xf4a888), HexColour(0xfce4d8), 0.0f), 3, HexColour(0xd86048));
    return shrimp;
}
