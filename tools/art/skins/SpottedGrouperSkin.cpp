// SpottedGrouperSkin.cpp -- the spotted grouper's skin: body colours, markings and fin paint.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

SkinRecipe SpottedGrouperSkin()
{
    SkinRecipe grouper = Body("spotted grouper", HexColour(0x6a5430), HexColour(0x8a7040), HexColour(0xdccca4));
    grouper.iris = HexColour(0xc0a040);
    grouper.mottle = 0.12f;
    grouper.markings = {Spots(260, 0.014f, 0.032f, HexColour(0x3e2a14), 0.9f, 0.0f, 0.82f)};
    grouper.tail = WithEdge(WithSpots(Fin(HexColour(0x7a6038), HexColour(0x6a5030), 0.2f), 20, HexColour(0x3e2a14)),
                            HexColour(0xe0d8c0), 0.1f);
    grouper.fins = WithEdge(WithSpots(Fin(HexColour(0x806640), HexColour(0x6a5434), 0.3f), 16, HexColour(0x3e2a14)),
                            HexColour(0xe0d8c0), 0.08f);
    return grouper;
}
