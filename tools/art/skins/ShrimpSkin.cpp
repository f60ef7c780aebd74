// ShrimpSkin.cpp -- the shrimp's skin: body colours, markings and fin paint.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

SkinRecipe ShrimpSkin()
{
    SkinRecipe shrimp = Body("shrimp", HexColour(0xe88c6c), HexColour(0xf0a080), HexColour(0xf8ccb4));
    shrimp.iris = HexColour(0x201010);
    shrimp.markings = Join(BarSeries(9, 0.12f, 0.95f, 0.014f, HexColour(0xd04030), 0.45f),
                           {Stripe(0.12f, 0.05f, HexColour(0xfff0e0), 0.35f, 0.0f, 1.0f)});
    shrimp.tail = WithEdge(WithBands(Fin(HexColour(0xf0a080), HexColour(0xe07050), 0.2f), 1, HexColour(0xd04030)),
                           HexColour(0xf8e0d0), 0.12f);
    shrimp.fins = Fin(HexColour(0xf4b090), HexColour(0xe88868), 0.2f);
    return shrimp;
}
