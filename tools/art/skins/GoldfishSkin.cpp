// GoldfishSkin.cpp -- the goldfish's skin: body colours, markings and fin paint.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

SkinRecipe GoldfishSkin()
{
    SkinRecipe goldfish = Body("goldfish", HexColour(0xe87410), HexColour(0xf08a1c), HexColour(0xf8d898));
    goldfish.iris = HexColour(0xd8a030);
    goldfish.markings = {ScaleNet(0.06f, HexColour(0xc06408), 0.25f),
                         // White patches: a broad, ragged one over the lower flank that runs into the
                         // pale belly, a small one further back, and a saddle across the back.
                         Patch(0.36f, 0.74f, 0.26f, kWhite, 0.9f), Patch(0.74f, 0.56f, 0.1f, kWhite, 0.8f),
                         Patch(0.56f, 0.04f, 0.14f, kWhite, 0.85f)};
    goldfish.tail = WithEdge(Fin(HexColour(0xf08a1c), HexColour(0xf8c898), 0.45f), HexColour(0xfff0e0), 0.2f);
    goldfish.fins = WithEdge(Fin(HexColour(0xf08a1c), HexColour(0xf8b070), 0.45f), HexColour(0xfff0e0), 0.15f);
    return goldfish;
}
