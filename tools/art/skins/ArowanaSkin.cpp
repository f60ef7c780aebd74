// ArowanaSkin.cpp -- the arowana's skin: body colours, markings and fin paint.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

SkinRecipe ArowanaSkin()
{
    SkinRecipe arowana = Body("arowana", HexColour(0x8a8450), HexColour(0xc8b070), HexColour(0xece4c8));
    arowana.iris = HexColour(0xd0a040);
    arowana.markings = {ScaleNet(0.11f, HexColour(0x5a4418), 0.9f)};
    arowana.tail = WithEdge(Fin(HexColour(0xb89060), HexColour(0xd04028), 0.4f), HexColour(0xa02018), 0.1f);
    arowana.fins = Fin(HexColour(0xc09060), HexColour(0xd04830), 0.4f);
    return arowana;
}
