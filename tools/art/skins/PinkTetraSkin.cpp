// PinkTetraSkin.cpp -- the pink tetra's skin: body colours, markings and fin paint.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

// A translucent pink fish: a deeper pink back, the spine and the body cavity showing faintly
// through the flank, a silvery belly and gill cover, and a large red eye (placed by the layout).
// Its fins are clear pink, fading to almost white at their edges.
SkinRecipe PinkTetraSkin()
{
    SkinRecipe pinkTetra = Body("pink tetra", HexColour(0xe48ab4), HexColour(0xf7a6c8), HexColour(0xeceaf2));
    pinkTetra.mottle = 0.04f;
    pinkTetra.iris = HexColour(0xe01818);
    const Rgb silver = HexColour(0xf2f0f8);
    pinkTetra.markings = {
        ScaleNet(0.045f, HexColour(0xe090b8), 0.18f),
        // The silvery sac of the belly, from behind the gill cover to above the anal fin.
        Patch(0.36f, 0.78f, 0.2f, silver, 0.55f),
        Stripe(0.86f, 0.12f, silver, 0.5f, 0.12f, 0.8f),
        // The gill cover's sheen behind the eye.
        Patch(0.2f, 0.52f, 0.16f, silver, 0.35f),
        // The spine, seen through the flesh.
        Stripe(0.4f, 0.018f, HexColour(0xc8709c), 0.35f, 0.24f, 1.0f),
    };
    pinkTetra.tail = Fin(HexColour(0xf4a8ca), HexColour(0xfbe0ee), 0.3f);
    pinkTetra.fins = Fin(HexColour(0xf4aacb), HexColour(0xfce4f0), 0.3f);
    return pinkTetra;
}
