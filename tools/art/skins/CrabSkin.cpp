// CrabSkin.cpp -- the crab's skin: body colours, markings and fin paint.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

SkinRecipe CrabSkin()
{
    SkinRecipe crab = Body("crab", HexColour(0xb83418), HexColour(0xd04020), HexColour(0xf0c898));
    crab.eye = false; // on stalks of their own
    crab.mottle = 0.15f;
    crab.markings = {Spots(70, 0.012f, 0.03f, HexColour(0xe8744c), 0.6f, 0.0f, 0.7f),
                     Spots(40, 0.01f, 0.02f, HexColour(0x7a1e10), 0.55f, 0.0f, 0.6f)};
    // The fin strip dresses the legs and claws: red at the joint, dark at the tips.
    crab.tail = Fin(HexColour(0xd04020), HexColour(0x4a1a10), 0.0f);
    crab.fins = WithEdge(Fin(HexColour(0xd8502c), HexColour(0xa02818), 0.0f), HexColour(0x301008), 0.25f);
    return crab;
}
