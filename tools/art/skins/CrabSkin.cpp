// CrabSkin.cpp -- the crab's skin: a red-orange shell with pale granules, a cream underside, dark eyes and dark-tipped
// limbs.
#include "art/skins/SpeciesSkins.h"

#include "art/SkinMarkings.h"
#include "fish/species/CrabLayout.h"

using namespace skins;

namespace {
// Only the shell's own part of the picture: the top from its midline to its rim, then the underside.
Marking OnTop(Marking m)
{
    m.u0 = skin::CrabShellPictureAlong(0.05f);
    m.u1 = skin::CrabShellPictureAlong(0.97f);
    m.v0 = 0.02f;
    m.v1 = skin::kCrabTopRim - 0.02f;
    return m;
}
} // namespace

SkinRecipe CrabSkin()
{
    // The picture maps the shell from above (top half) and below (bottom half); the back colour is
    // the crown, the flank colour the rim, the belly colour the middle of the underside.
    SkinRecipe crab = Body("crab", HexColour(0xb02c14), HexColour(0xd04020), HexColour(0xeccaa0));
    crab.eye = false; // the eyes stand on stalks, painted from their own patch below
    crab.mottle = 0.14f;
    const skin::SpeciesLayout& layout = skin::kCrabLayout;
    crab.markings = {
        // Dark red freckles over the shell.
        OnTop(Spots(36, 0.008f, 0.018f, HexColour(0x7a1a0c), 0.55f)),
        // The underside's rim keeps some of the shell's red before it pales.
        Stripe(skin::kCrabUnderRim + 0.04f, 0.05f, HexColour(0xd05c34), 0.6f, 0.0f, skin::kCrabShellU),
    };
    // The granules' crowns catch the light.
    for (const skin::CrabTubercle& t : skin::kCrabTubercles)
        crab.markings.push_back(
            Patch(skin::CrabShellPictureAlong(t.along), t.around, 0.45f * t.radius, HexColour(0xee8050), 0.6f));
    // The eyes' patch, black with a glint at its middle (the tip of each eye), and the mouth plates'.
    crab.markings.push_back(
        Patch(layout.eyeAlong, layout.eyeAround, 1.1f * layout.eyeRadius, HexColour(0x100c0a), 1.0f));
    crab.markings.push_back(
        Patch(layout.eyeAlong, layout.eyeAround, 0.18f * layout.eyeRadius, HexColour(0x8a8078), 0.8f));
    crab.markings.push_back(
        Patch(skin::kCrabMouthAlong, skin::kCrabMouthAround, 1.2f * skin::kCrabMouthRadius, HexColour(0xe0946a), 1.0f));
    // The claws (the strip's tail half): red arms, the hands deepening, black finger tips.
    crab.tail = WithEdge(Fin(HexColour(0xcc3c1c), HexColour(0xa02814), 0.1f), HexColour(0x1c0c08), 0.17f);
    // The legs (its other half): red at the body, darker down to near-black tips.
    crab.fins = WithEdge(Fin(HexColour(0xd04020), HexColour(0x8a2c18), 0.12f), HexColour(0x2c120a), 0.2f);
    return crab;
}
