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

    skins.push_back(PinkDiscusSkin());

    skins.push_back(GoldfishSkin());

    skins.push_back(GuppySkin());

    skins.push_back(ClownfishSkin());

    skins.push_back(WrasseSkin());

    skins.push_back(BlueTangSkin());

    skins.push_back(PinkTetraSkin());

    SkinRecipe betta = Body("betta", HexColour(0x601028), HexColour(0x8a1030), HexColour(0xa02040));
    betta.iris = HexColour(0x301020);
    betta.markings = {ScaleNet(0.045f, HexColour(0x3848d0), 0.45f)};
    betta.tail = Fin(HexColour(0x3040c0), HexColour(0xc02030), 0.6f);
    betta.fins = Fin(HexColour(0x3848c8), HexColour(0xb02038), 0.6f);
    skins.push_back(betta);

    SkinRecipe medaka = Body("medaka", HexColour(0xe0a850), HexColour(0xf4c070), HexColour(0xf8e2b8));
    medaka.iris = HexColour(0x90a8b8);
    medaka.markings = {Stripe(0.46f, 0.012f, HexColour(0x8a6030), 0.55f, 0.2f, 1.0f),
                       ScaleNet(0.045f, HexColour(0xc89048), 0.15f)};
    medaka.tail = Fin(HexColour(0xf4c878), HexColour(0xf8e0b0), 0.25f);
    medaka.fins = Fin(HexColour(0xf4c878), HexColour(0xfae6c0), 0.25f);
    skins.push_back(medaka);

    SkinRecipe turquoiseDiscus =
        Body("turquoise discus", HexColour(0x2890a0), HexColour(0x30b0b8), HexColour(0x58c4c4));
    turquoiseDiscus.iris = HexColour(0xd01010);
    turquoiseDiscus.markings = {WavyLines(9, 0.018f, HexColour(0x9a4020), 0.9f),
                                Bar(0.1f, 0.03f, HexColour(0x20606a), 0.4f)};
    turquoiseDiscus.tail = Fin(HexColour(0x70b8b8), HexColour(0xb0d8d8), 0.2f);
    turquoiseDiscus.fins =
        WithEdge(WithBands(Fin(HexColour(0x30a8b0), HexColour(0x40b8c0), 0.2f), 3, HexColour(0x9a4020)),
                 HexColour(0xe07040), 0.1f);
    skins.push_back(turquoiseDiscus);

    SkinRecipe arowana = Body("arowana", HexColour(0x8a8450), HexColour(0xc8b070), HexColour(0xece4c8));
    arowana.iris = HexColour(0xd0a040);
    arowana.markings = {ScaleNet(0.11f, HexColour(0x5a4418), 0.9f)};
    arowana.tail = WithEdge(Fin(HexColour(0xb89060), HexColour(0xd04028), 0.4f), HexColour(0xa02018), 0.1f);
    arowana.fins = Fin(HexColour(0xc09060), HexColour(0xd04830), 0.4f);
    skins.push_back(arowana);

    SkinRecipe grouper = Body("spotted grouper", HexColour(0x6a5430), HexColour(0x8a7040), HexColour(0xdccca4));
    grouper.iris = HexColour(0xc0a040);
    grouper.mottle = 0.12f;
    grouper.markings = {Spots(260, 0.014f, 0.032f, HexColour(0x3e2a14), 0.9f, 0.0f, 0.82f)};
    grouper.tail = WithEdge(WithSpots(Fin(HexColour(0x7a6038), HexColour(0x6a5030), 0.2f), 20, HexColour(0x3e2a14)),
                            HexColour(0xe0d8c0), 0.1f);
    grouper.fins = WithEdge(WithSpots(Fin(HexColour(0x806640), HexColour(0x6a5434), 0.3f), 16, HexColour(0x3e2a14)),
                            HexColour(0xe0d8c0), 0.08f);
    skins.push_back(grouper);

    SkinRecipe crab = Body("crab", HexColour(0xb83418), HexColour(0xd04020), HexColour(0xf0c898));
    crab.eye = false; // on stalks of their own
    crab.mottle = 0.15f;
    crab.markings = {Spots(70, 0.012f, 0.03f, HexColour(0xe8744c), 0.6f, 0.0f, 0.7f),
                     Spots(40, 0.01f, 0.02f, HexColour(0x7a1e10), 0.55f, 0.0f, 0.6f)};
    // The fin strip dresses the legs and claws: red at the joint, dark at the tips.
    crab.tail = Fin(HexColour(0xd04020), HexColour(0x4a1a10), 0.0f);
    crab.fins = WithEdge(Fin(HexColour(0xd8502c), HexColour(0xa02818), 0.0f), HexColour(0x301008), 0.25f);
    skins.push_back(crab);

    SkinRecipe shrimp = Body("shrimp", HexColour(0xe88c6c), HexColour(0xf0a080), HexColour(0xf8ccb4));
    shrimp.iris = HexColour(0x201010);
    shrimp.markings = Join(BarSeries(9, 0.12f, 0.95f, 0.014f, HexColour(0xd04030), 0.45f),
                           {Stripe(0.12f, 0.05f, HexColour(0xfff0e0), 0.35f, 0.0f, 1.0f)});
    shrimp.tail = WithEdge(WithBands(Fin(HexColour(0xf0a080), HexColour(0xe07050), 0.2f), 1, HexColour(0xd04030)),
                           HexColour(0xf8e0d0), 0.12f);
    shrimp.fins = Fin(HexColour(0xf4b090), HexColour(0xe88868), 0.2f);
    skins.push_back(shrimp);

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
