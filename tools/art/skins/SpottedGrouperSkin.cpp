// SpottedGrouperSkin.cpp -- the spotted grouper's skin: body colours, markings and fin paint.
//
// Sandy brown-olive, darker along the back and pale toward the belly, densely covered in dark
// brown spots of two sizes from the snout to the tail root, fewer on the pale belly. A dark line
// marks the big mouth from the snout back under the eye, and a faint one the rear edge of the
// gill cover. The fins carry the body's spots on a darker ground; they lighten outward to
// a dark rim (which the dorsal fin's spines stop short of); the tail has a pale rim.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

namespace {
constexpr Rgb kBack = HexColour(0x66502c);
constexpr Rgb kFlank = HexColour(0x8a7040); // sandy brown-olive
constexpr Rgb kBelly = HexColour(0xe2d4ac);
constexpr Rgb kSpot = HexColour(0x3a2612);    // dark brown
constexpr Rgb kTailRim = HexColour(0xe4dcc4); // the tail's pale edge
constexpr Rgb kFinRim = HexColour(0x4a3820);  // the other fins darken to theirs

// Around the body (v) the lips meet at the snout's middle and a little lower at the corner of
// the mouth, which lies under the eye (u, along the body).
constexpr float kMouthTipV = 0.5f;
constexpr float kMouthCornerU = 0.115f;
constexpr float kMouthCornerV = 0.54f;
// The gill cover's rear edge, just ahead of the pectoral fans (at u 0.38).
constexpr float kGillCoverU = 0.33f;

// Spots over the whole body from the back down to the belly's edge, and a few on the belly.
constexpr float kSpottedTo = 0.8f;
} // namespace

SkinRecipe SpottedGrouperSkin()
{
    SkinRecipe grouper = Body("spotted grouper", kBack, kFlank, kBelly);
    grouper.iris = HexColour(0xb08c40);
    grouper.mottle = 0.12f;
    grouper.markings = {
        Path({{0.0f, kMouthTipV}, {0.06f, 0.515f}, {kMouthCornerU, kMouthCornerV}}, 0.05f, kSpot),
        Path({{kGillCoverU - 0.025f, 0.2f}, {kGillCoverU, 0.4f}, {kGillCoverU - 0.01f, 0.62f}}, 0.012f,
             HexColour(0x5a4424)),
        Spots(110, 0.03f, 0.05f, kSpot, 0.9f, 0.0f, kSpottedTo),
        Spots(260, 0.012f, 0.026f, kSpot, 0.9f, 0.0f, kSpottedTo),
        Spots(30, 0.012f, 0.022f, kSpot, 0.55f, kSpottedTo, 0.95f),
    };
    grouper.tail = WithEdge(WithSpots(Fin(HexColour(0x76603a), HexColour(0x5e4a2c), 0.25f), 22, kSpot), kTailRim, 0.1f);
    grouper.fins = WithEdge(WithSpots(Fin(HexColour(0x7c6440), HexColour(0xa08a5c), 0.3f), 18, kSpot), kFinRim, 0.12f);
    return grouper;
}
