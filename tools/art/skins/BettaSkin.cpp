// BettaSkin.cpp -- the betta's skin: body colours, markings and fin paint.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

SkinRecipe BettaSkin()
{
    SkinRecipe betta = Body("betta", HexColour(0x601028), HexColour(0x8a1030), HexColour(0xa02040));
    betta.iris = HexColour(0x301020);
    betta.markings = {ScaleNet(0.045f, HexColour(0x3848d0), 0.45f)};
    betta.tail = Fin(HexColour(0x3040c0), HexColour(0xc02030), 0.6f);
    betta.fins = Fin(HexColour(0x3848c8), HexColour(0xb02038), 0.6f);
    return betta;
}
