// PinkDiscusSkin.cpp -- the pink discus's skin: body colours, markings and fin paint.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"
#include "fish/species/PinkDiscusLayout.h"

using namespace skins;

SkinRecipe PinkDiscusSkin()
{
    // Pastel pink to salmon, a little deeper along the back and paler toward the belly.
    SkinRecipe pinkDiscus = Body("pink discus", HexColour(0xe88890), HexColour(0xf4a0a8), HexColour(0xf8c0b8));
    pinkDiscus.mottle = 0.05f;
    pinkDiscus.iris = HexColour(0xe01810);
    // Nine faint bars: the first through the eye, the last on the tail root.
    pinkDiscus.markings = BarSeries(9, skin::kPinkDiscusLayout.eyeAlong, 0.95f, 0.017f, HexColour(0xc05868), 0.3f);
    // A clear, pale fan tail; the fin bands and pectorals salmon with a rose rim.
    pinkDiscus.tail = Fin(HexColour(0xf4a8a8), HexColour(0xf8d4cc), 0.3f);
    pinkDiscus.fins = WithEdge(Fin(HexColour(0xf09498), HexColour(0xf6b8a8), 0.25f), HexColour(0xd05a6a), 0.1f);
    return pinkDiscus;
}
