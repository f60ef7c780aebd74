// TurquoiseDiscusSkin.cpp -- the turquoise discus's skin: body colours, markings and fin paint.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

SkinRecipe TurquoiseDiscusSkin()
{
    SkinRecipe turquoiseDiscus =
        Body("turquoise discus", HexColour(0x2890a0), HexColour(0x30b0b8), HexColour(0x58c4c4));
    turquoiseDiscus.iris = HexColour(0xd01010);
    turquoiseDiscus.markings = {WavyLines(9, 0.018f, HexColour(0x9a4020), 0.9f),
                                Bar(0.1f, 0.03f, HexColour(0x20606a), 0.4f)};
    turquoiseDiscus.tail = Fin(HexColour(0x70b8b8), HexColour(0xb0d8d8), 0.2f);
    turquoiseDiscus.fins =
        WithEdge(WithBands(Fin(HexColour(0x30a8b0), HexColour(0x40b8c0), 0.2f), 3, HexColour(0x9a4020)),
                 HexColour(0xe07040), 0.1f);
    return turquoiseDiscus;
}
