// ClownfishSkin.cpp -- the clownfish's skin: bright orange, three black-edged white bands, black-rimmed fins.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"

using namespace skins;

SkinRecipe ClownfishSkin()
{
    SkinRecipe clownfish = Body("clownfish", HexColour(0xf06812), HexColour(0xff7f1a), HexColour(0xffa048));
    clownfish.mottle = 0.04f;
    clownfish.iris = HexColour(0xe86a14);
    // Body fractions along the mesh: the eye ends at 0.17, the pectoral fins stand at 0.27, the
    // spiny dorsal gives way to the soft one at 0.65 and the tail stalk begins at 0.86. The head band
    // follows the gill cover, bowing back at mid-height; the middle band bulges toward the head; the
    // last band rings the tail stalk.
    constexpr float kEdge = 0.02f;
    clownfish.markings = {EdgedBar(0.225f, 0.05f, kWhite, kBlack, kEdge, -0.035f),
                          EdgedBar(0.57f, 0.055f, kWhite, kBlack, kEdge, 0.075f),
                          EdgedBar(0.915f, 0.032f, kWhite, kBlack, 0.016f, 0.0f)};
    clownfish.tail = WithEdge(Fin(HexColour(0xff8420), HexColour(0xff9a3a), 0.25f), kBlack, 0.2f);
    clownfish.fins = WithEdge(Fin(HexColour(0xff8420), HexColour(0xff9430), 0.25f), kBlack, 0.22f);
    return clownfish;
}
