// BettaSkin.cpp -- the betta's skin: body colours, markings and fin paint.
//
// A deep crimson fish, darkest along the back and over the head, its flank scales edged with an
// iridescent blue-violet that gathers into a sheen behind the gill cover. The fins carry the same
// blue-violet at their roots, shading out to red, with a brighter red rim and strong rays: a veil
// that reads blue near the body and red at its flowing edges.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

namespace {
constexpr Rgb kCrimson = HexColour(0x8a1030);
constexpr Rgb kIridescent = HexColour(0x3040c0);
constexpr Rgb kFinRed = HexColour(0xc01830);
constexpr Rgb kRimRed = HexColour(0xe8304a);
} // namespace

SkinRecipe BettaSkin()
{
    SkinRecipe betta = Body("betta", HexColour(0x4c0a1c), kCrimson, HexColour(0x9a1a38));
    betta.mottle = 0.07f;
    betta.iris = HexColour(0x9a3428);
    betta.markings = {
        // The dark head and the gill cover's edge, then the blue sheen and the scale edges behind it.
        Patch(0.06f, 0.42f, 0.26f, HexColour(0x3c0816), 0.55f),
        Path({{0.23f, 0.2f}, {0.255f, 0.45f}, {0.235f, 0.75f}}, 0.016f, HexColour(0x40081a)),
        Patch(0.5f, 0.42f, 0.3f, kIridescent, 0.14f),
        ScaleNet(0.09f, HexColour(0x4050d8), 0.22f),
    };
    betta.tail = WithEdge(Fin(kIridescent, kFinRed, 0.55f), kRimRed, 0.12f);
    betta.fins = WithEdge(Fin(kIridescent, kFinRed, 0.5f), kRimRed, 0.12f);
    return betta;
}
