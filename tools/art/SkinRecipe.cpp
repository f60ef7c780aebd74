// SkinRecipe.cpp -- the first skins of the fifteen animals, as colours and markings.
#include "art/SkinRecipe.h"

#include "art/SkinMarkings.h"
#include "art/skins/SpeciesSkins.h"
#include "fish/model/SpeciesLayouts.h"

namespace {
using namespace skins;

std::vector<SkinRecipe> BuildRecipes()
{
    std::vector<SkinRecipe> skins;

    SkinRecipe angelfish = Body("angelfish", HexColour(0xb8bcb8), HexColour(0xd8dde0), HexColour(0xeef0ee));
    angelfish.iris = HexColour(0xb02818);
    angelfish.markings = {
        ScaleNet(0.05f, HexColour(0xa0a8b0), 0.15f), Patch(0.22f, -0.06f, 0.3f, HexColour(0xe8c850), 0.45f),
        Bar(0.07f, 0.045f, kBlack, 0.95f, 0.005f),   Bar(0.33f, 0.06f, kBlack, 0.95f, 0.015f),
        Bar(0.62f, 0.05f, kBlack, 0.9f, 0.015f),     Bar(0.88f, 0.035f, kBlack, 0.75f, 0.01f)};
    angelfish.tail = WithBands(Fin(HexColour(0xd0d4d4), HexColour(0xe8eaea), 0.35f), 3, HexColour(0x303234));
    angelfish.fins = WithBands(Fin(HexColour(0x303234), HexColour(0xd8dcdc), 0.3f), 2, kBlack);
    skins.push_back(angelfish);
    // The other fourteen are painted to their meshes, each in a file of its own.
    skins.push_back(PinkDiscusSkin());
    skins.push_back(GoldfishSkin());
    skins.push_back(GuppySkin());
    skins.push_back(ClownfishSkin());
    skins.push_back(WrasseSkin());
    skins.push_back(BlueTangSkin());
    skins.push_back(PinkTetraSkin());
    skins.push_back(BettaSkin());
    skins.push_back(MedakaSkin());
    skins.push_back(TurquoiseDiscusSkin());
    skins.push_back(ArowanaSkin());
    skins.push_back(SpottedGrouperSkin());
    skins.push_back(CrabSkin());
    skins.push_back(ShrimpSkin());

    return skins;
}

std::vector<SkinRecipe> WithLayouts(std::vector<SkinRecipe> skins)
{
    for (size_t s = 0; s < skins.size(); ++s)
        skins[s].layout = skin::kSpeciesLayouts[s];
    return skins;
}
} // namespace

const std::vector<SkinRecipe>& SpeciesSkins()
{
    static const std::vector<SkinRecipe> skins = WithLayouts(BuildRecipes());
    return skins;
}
