// MedakaSkin.cpp -- the medaka's skin: body colours, markings and fin paint.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

SkinRecipe MedakaSkin()
{
    SkinRecipe medaka = Body("medaka", HexColour(0xe0a850), HexColour(0xf4c070), HexColour(0xf8e2b8));
    medaka.iris = HexColour(0x90a8b8);
    medaka.markings = {Stripe(0.46f, 0.012f, HexColour(0x8a6030), 0.55f, 0.2f, 1.0f),
                       ScaleNet(0.045f, HexColour(0xc89048), 0.15f)};
    medaka.tail = Fin(HexColour(0xf4c878), HexColour(0xf8e0b0), 0.25f);
    medaka.fins = Fin(HexColour(0xf4c878), HexColour(0xfae6c0), 0.25f);
    return medaka;
}
