// GuppySkin.cpp -- the guppy's skin: body colours, markings and fin paint.
//
// A plain grey-olive fish at the front, its colour gathering toward the tail: a blue sheen, bold
// orange spots and blue and orange flecks over the rear half, where the male shows his colours.
// The tail, the show, is red-orange with black spots and a blue rim. The dorsal flag takes the
// same paint from a pale root; the clear pectoral and ventral fins use only that pale root.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

namespace {
constexpr Rgb kSheenBlue = HexColour(0x3a86e0);
constexpr Rgb kFleckBlue = HexColour(0x2f7cf8);
constexpr Rgb kOrange = HexColour(0xf47a1c);
constexpr Rgb kRimBlue = HexColour(0x2a5ef0);

// Spots confined to part of the body's length.
Marking Between(Marking spots, float u0, float u1)
{
    spots.u0 = u0;
    spots.u1 = u1;
    return spots;
}
} // namespace

SkinRecipe GuppySkin()
{
    SkinRecipe guppy = Body("guppy", HexColour(0x5c6240), HexColour(0x8e9278), HexColour(0xdcdccc));
    guppy.mottle = 0.08f;
    guppy.iris = HexColour(0xc8c8a8);
    guppy.markings = {
        // A dark edge to the gill cover, then the colours of the rear half, boldest near the stalk.
        Path({{0.23f, 0.22f}, {0.255f, 0.45f}, {0.235f, 0.72f}}, 0.012f, HexColour(0x555a40)),
        Patch(0.66f, 0.42f, 0.2f, kSheenBlue, 0.45f),
        Patch(0.84f, 0.48f, 0.11f, kOrange, 0.95f),
        Patch(0.52f, 0.58f, 0.085f, kOrange, 0.9f),
        Patch(0.72f, 0.26f, 0.06f, kBlack, 0.75f),
        Between(Spots(18, 0.018f, 0.035f, kFleckBlue, 0.85f, 0.2f, 0.75f), 0.35f, 1.0f),
        Between(Spots(14, 0.015f, 0.03f, kOrange, 0.85f, 0.25f, 0.75f), 0.35f, 1.0f),
    };
    guppy.tail = WithEdge(WithSpots(Fin(HexColour(0xe23a18), HexColour(0xff6c24), 0.35f), 22, kBlack), kRimBlue, 0.15f);
    guppy.fins = WithEdge(WithSpots(Fin(HexColour(0xb4b49c), HexColour(0xf04c1c), 0.3f), 14, kBlack), kRimBlue, 0.14f);
    return guppy;
}
