// MedakaSkin.cpp -- the medaka's skin: body colours, markings and fin paint.
//
// A pale orange-yellow fish that looks translucent: a warmer back with a faint dark line along its
// ridge, a thin faint line along the middle of the flank from behind the gill cover to the tail
// root, the silvery body cavity showing through the lower flank behind the head, a golden sheen on
// the gill cover and a fine net of scales. The big eye (placed by the layout) is dark with a
// silvery-blue iris. The fins are clear yellow, paler toward their edges.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

namespace {
constexpr Rgb kLineBrown = HexColour(0x9a6c34);
constexpr Rgb kSilver = HexColour(0xf6eee0);
constexpr Rgb kGold = HexColour(0xf8d890);

// Spots confined to part of the body's length.
Marking Between(Marking spots, float u0, float u1)
{
    spots.u0 = u0;
    spots.u1 = u1;
    return spots;
}
} // namespace

SkinRecipe MedakaSkin()
{
    SkinRecipe medaka = Body("medaka", HexColour(0xe2a44c), HexColour(0xf4c070), HexColour(0xf8e6c4));
    medaka.mottle = 0.05f;
    medaka.iris = HexColour(0xa8c4d8);
    medaka.markings = {
        ScaleNet(0.045f, HexColour(0xcc9248), 0.16f),
        // Fine dark specks over the back, thinning toward the flank.
        Between(Spots(36, 0.005f, 0.011f, HexColour(0xa8702c), 0.35f, 0.03f, 0.3f), 0.12f, 1.0f),
        // The ridge of the back, from behind the head to the tail root.
        Stripe(0.015f, 0.03f, HexColour(0xc08434), 0.45f, 0.14f, 1.0f),
        // The silvery body cavity behind the gill cover, over the belly in front of the anal fin.
        Patch(0.36f, 0.76f, 0.15f, kSilver, 0.35f),
        // The gill cover's golden sheen, behind the eye.
        Patch(0.19f, 0.56f, 0.12f, kGold, 0.45f),
        // The faint line along the middle of the flank.
        Stripe(0.5f, 0.011f, kLineBrown, 0.5f, 0.24f, 1.0f),
    };
    medaka.tail = WithEdge(Fin(HexColour(0xf0b862), HexColour(0xf6dcaa), 0.35f), HexColour(0xfbecd0), 0.1f);
    medaka.fins = WithEdge(Fin(HexColour(0xeeb45c), HexColour(0xf6dcaa), 0.35f), HexColour(0xfbecd0), 0.12f);
    return medaka;
}
