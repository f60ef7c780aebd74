// SkinRecipe.cpp -- the first skins of the fifteen animals, as colours and markings.
#include "art/SkinRecipe.h"

namespace {
Marking Bar(float u, float halfWidth, Rgb colour, float opacity = 1.0f, float bend = 0.0f)
{
    Marking m;
    m.kind = MarkKind::Bar;
    m.u = u;
    m.size = halfWidth;
    m.colour = colour;
    m.opacity = opacity;
    m.bend = bend;
    return m;
}

Marking EdgedBar(float u, float halfWidth, Rgb colour, Rgb edge, float edgeWidth, float bend)
{
    Marking m = Bar(u, halfWidth, colour, 1.0f, bend);
    m.edge = edge;
    m.edgeWidth = edgeWidth;
    return m;
}

Marking Stripe(float v, float halfWidth, Rgb colour, float opacity, float u0 = 0.0f, float u1 = 1.0f)
{
    Marking m;
    m.kind = MarkKind::Stripe;
    m.v = v;
    m.size = halfWidth;
    m.colour = colour;
    m.opacity = opacity;
    m.u0 = u0;
    m.u1 = u1;
    return m;
}

Marking Spots(int count, float rMin, float rMax, Rgb colour, float opacity, float v0 = 0.0f, float v1 = 1.0f)
{
    Marking m;
    m.kind = MarkKind::Spots;
    m.count = count;
    m.size = rMin;
    m.size2 = rMax;
    m.colour = colour;
    m.opacity = opacity;
    m.v0 = v0;
    m.v1 = v1;
    return m;
}

Marking Patch(float u, float v, float radius, Rgb colour, float opacity)
{
    Marking m;
    m.kind = MarkKind::Patch;
    m.u = u;
    m.v = v;
    m.size = radius;
    m.colour = colour;
    m.opacity = opacity;
    return m;
}

Marking WavyLines(int count, float halfWidth, Rgb colour, float opacity)
{
    Marking m;
    m.kind = MarkKind::WavyLines;
    m.count = count;
    m.size = halfWidth;
    m.colour = colour;
    m.opacity = opacity;
    return m;
}

Marking ScaleNet(float scaleLength, Rgb colour, float opacity)
{
    Marking m;
    m.kind = MarkKind::ScaleNet;
    m.size = scaleLength;
    m.colour = colour;
    m.opacity = opacity;
    return m;
}

Marking Path(std::vector<std::pair<float, float>> points, float halfWidth, Rgb colour)
{
    Marking m;
    m.kind = MarkKind::Path;
    m.points = std::move(points);
    m.size = halfWidth;
    m.colour = colour;
    return m;
}

// Evenly spaced faint bars from u0 to u1, as the discus and the shrimp's segments carry.
std::vector<Marking> BarSeries(int count, float u0, float u1, float halfWidth, Rgb colour, float opacity)
{
    std::vector<Marking> bars;
    for (int i = 0; i < count; ++i)
        bars.push_back(Bar(u0 + (u1 - u0) * static_cast<float>(i) / static_cast<float>(count - 1), halfWidth, colour,
                           opacity, 0.02f));
    return bars;
}

FinPaint Fin(Rgb base, Rgb tip, float rays = 0.3f)
{
    FinPaint fin;
    fin.base = base;
    fin.tip = tip;
    fin.rays = rays;
    return fin;
}

FinPaint WithEdge(FinPaint fin, Rgb edge, float width)
{
    fin.edge = edge;
    fin.edgeWidth = width;
    return fin;
}

FinPaint WithSpots(FinPaint fin, int count, Rgb colour)
{
    fin.spots = count;
    fin.spotColour = colour;
    return fin;
}

FinPaint WithBands(FinPaint fin, int count, Rgb colour)
{
    fin.bands = count;
    fin.bandColour = colour;
    return fin;
}

std::vector<Marking> Join(std::vector<Marking> a, const std::vector<Marking>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

SkinRecipe Body(const char* animal, Rgb back, Rgb flank, Rgb belly)
{
    SkinRecipe recipe;
    recipe.animal = animal;
    recipe.back = back;
    recipe.flank = flank;
    recipe.belly = belly;
    return recipe;
}

constexpr Rgb kBlack = HexColour(0x121214);
constexpr Rgb kWhite = HexColour(0xf8f8f6);

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

    SkinRecipe pinkDiscus = Body("pink discus", HexColour(0xe88890), HexColour(0xf4a0a8), HexColour(0xf8c4c0));
    pinkDiscus.iris = HexColour(0xd01010);
    pinkDiscus.markings = Join(BarSeries(9, 0.08f, 0.94f, 0.022f, HexColour(0xc05868), 0.35f),
                               {ScaleNet(0.035f, HexColour(0xd88088), 0.15f)});
    pinkDiscus.tail = Fin(HexColour(0xf0b0b0), HexColour(0xf8d8d0), 0.25f);
    pinkDiscus.fins = WithEdge(Fin(HexColour(0xf0a0a0), HexColour(0xf8c8b0), 0.35f), HexColour(0x40a0e0), 0.12f);
    skins.push_back(pinkDiscus);

    SkinRecipe goldfish = Body("goldfish", HexColour(0xe06c0c), HexColour(0xf08a1c), HexColour(0xf8d490));
    goldfish.iris = HexColour(0xe0a020);
    goldfish.eyeSize = 0.08f;
    goldfish.markings = {ScaleNet(0.06f, HexColour(0xb85a08), 0.3f), Patch(0.32f, 0.72f, 0.13f, kWhite, 0.85f),
                         Patch(0.62f, 0.22f, 0.1f, kWhite, 0.8f), Patch(0.82f, 0.62f, 0.08f, kWhite, 0.75f)};
    goldfish.tail = WithEdge(Fin(HexColour(0xf08a1c), HexColour(0xf8c898), 0.45f), HexColour(0xfff0e0), 0.2f);
    goldfish.fins = WithEdge(Fin(HexColour(0xf08a1c), HexColour(0xf8b070), 0.45f), HexColour(0xfff0e0), 0.15f);
    skins.push_back(goldfish);

    SkinRecipe guppy = Body("guppy", HexColour(0x5e664a), HexColour(0x8c9080), HexColour(0xd0d0c0));
    guppy.iris = HexColour(0xc0c8a0);
    guppy.markings = {Spots(28, 0.015f, 0.035f, HexColour(0x3a78f0), 0.85f, 0.15f, 0.8f),
                      Spots(22, 0.015f, 0.03f, HexColour(0xf08a20), 0.85f, 0.2f, 0.8f),
                      Patch(0.7f, 0.45f, 0.16f, HexColour(0x40a0e0), 0.35f)};
    guppy.tail = WithEdge(WithSpots(Fin(HexColour(0xe84020), HexColour(0xff7a30), 0.3f), 16, kBlack),
                          HexColour(0x2860e8), 0.16f);
    guppy.fins =
        WithEdge(WithSpots(Fin(HexColour(0xd85028), HexColour(0xf08840), 0.3f), 8, kBlack), HexColour(0x2860e8), 0.14f);
    skins.push_back(guppy);

    SkinRecipe clownfish = Body("clownfish", HexColour(0xf06410), HexColour(0xff7f1a), HexColour(0xffa050));
    clownfish.iris = HexColour(0xe06010);
    // The head band curves back around the gill cover; the middle band bulges forward.
    clownfish.markings = {EdgedBar(0.2f, 0.065f, kWhite, kBlack, 0.014f, -0.05f),
                          EdgedBar(0.52f, 0.06f, kWhite, kBlack, 0.014f, 0.09f),
                          EdgedBar(0.9f, 0.035f, kWhite, kBlack, 0.012f, 0.0f)};
    clownfish.tail = WithEdge(Fin(HexColour(0xff8020), HexColour(0xff9838), 0.25f), kBlack, 0.2f);
    clownfish.fins = WithEdge(Fin(HexColour(0xff8020), HexColour(0xff9030), 0.25f), kBlack, 0.22f);
    skins.push_back(clownfish);

    SkinRecipe wrasse = Body("wrasse", HexColour(0xa8c840), HexColour(0x2fb8c8), HexColour(0x9ee6f0));
    wrasse.iris = HexColour(0xd04020);
    wrasse.eyeU = 0.05f;
    wrasse.markings = {Stripe(0.5f, 0.065f, kBlack, 0.95f, 0.0f, 1.0f),
                       Stripe(0.2f, 0.08f, HexColour(0xc8d840), 0.5f, 0.05f, 0.95f)};
    wrasse.tail = WithEdge(Fin(HexColour(0x28a8b8), HexColour(0x60c8d0), 0.3f), kBlack, 0.1f);
    wrasse.fins = WithEdge(Fin(HexColour(0x30b0c0), HexColour(0xb0d850), 0.3f), HexColour(0x1a3a80), 0.12f);
    skins.push_back(wrasse);

    SkinRecipe blueTang = Body("blue tang", HexColour(0x1840b0), HexColour(0x1d4fd0), HexColour(0x3c74e4));
    blueTang.iris = HexColour(0x101830);
    blueTang.markings = {
        // The "palette": a black band from the eye along the back to the tail root, and a loop
        // hanging from it that encloses a blue window behind the pectoral fin.
        Path({{0.08f, 0.38f}, {0.22f, 0.16f}, {0.5f, 0.12f}, {0.78f, 0.2f}, {0.97f, 0.42f}}, 0.07f, kBlack),
        Path({{0.3f, 0.2f}, {0.36f, 0.46f}, {0.55f, 0.6f}, {0.78f, 0.55f}, {0.92f, 0.4f}}, 0.06f, kBlack)};
    blueTang.tail = WithEdge(Fin(HexColour(0xffd018), HexColour(0xffe040), 0.2f), kBlack, 0.12f);
    blueTang.fins = WithEdge(Fin(HexColour(0x1d4fd0), HexColour(0x2858d8), 0.25f), kBlack, 0.2f);
    skins.push_back(blueTang);

    SkinRecipe pinkTetra = Body("pink tetra", HexColour(0xe890b8), HexColour(0xf7a6c8), HexColour(0xe6e6f0));
    pinkTetra.iris = HexColour(0xe01818);
    pinkTetra.eyeSize = 0.08f;
    pinkTetra.markings = {Stripe(0.66f, 0.14f, HexColour(0xf4f0f8), 0.25f, 0.15f, 0.85f),
                          ScaleNet(0.04f, HexColour(0xe088b0), 0.15f)};
    pinkTetra.tail = Fin(HexColour(0xf7b4d0), HexColour(0xfcdcea), 0.25f);
    pinkTetra.fins = Fin(HexColour(0xf7b0d0), HexColour(0xfcd8e8), 0.25f);
    skins.push_back(pinkTetra);

    SkinRecipe betta = Body("betta", HexColour(0x601028), HexColour(0x8a1030), HexColour(0xa02040));
    betta.iris = HexColour(0x301020);
    betta.markings = {ScaleNet(0.045f, HexColour(0x3848d0), 0.45f)};
    betta.tail = Fin(HexColour(0x3040c0), HexColour(0xc02030), 0.6f);
    betta.fins = Fin(HexColour(0x3848c8), HexColour(0xb02038), 0.6f);
    skins.push_back(betta);

    SkinRecipe medaka = Body("medaka", HexColour(0xe0a850), HexColour(0xf4c070), HexColour(0xf8e2b8));
    medaka.iris = HexColour(0x90a8b8);
    medaka.eyeSize = 0.1f;
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
    arowana.eyeU = 0.06f;
    arowana.markings = {ScaleNet(0.11f, HexColour(0x5a4418), 0.9f)};
    arowana.tail = WithEdge(Fin(HexColour(0xb89060), HexColour(0xd04028), 0.4f), HexColour(0xa02018), 0.1f);
    arowana.fins = Fin(HexColour(0xc09060), HexColour(0xd04830), 0.4f);
    skins.push_back(arowana);

    SkinRecipe grouper = Body("spotted grouper", HexColour(0x6a5430), HexColour(0x8a7040), HexColour(0xdccca4));
    grouper.iris = HexColour(0xc0a040);
    grouper.eyeU = 0.1f;
    grouper.eyeV = 0.32f;
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
    shrimp.eyeU = 0.06f;
    shrimp.eyeV = 0.3f;
    shrimp.markings = Join(BarSeries(9, 0.12f, 0.95f, 0.014f, HexColour(0xd04030), 0.45f),
                           {Stripe(0.12f, 0.05f, HexColour(0xfff0e0), 0.35f, 0.0f, 1.0f)});
    shrimp.tail = WithEdge(WithBands(Fin(HexColour(0xf0a080), HexColour(0xe07050), 0.2f), 1, HexColour(0xd04030)),
                           HexColour(0xf8e0d0), 0.12f);
    shrimp.fins = Fin(HexColour(0xf4b090), HexColour(0xe88868), 0.2f);
    skins.push_back(shrimp);

    return skins;
}
} // namespace

const std::vector<SkinRecipe>& SpeciesSkins()
{
    static const std::vector<SkinRecipe> skins = BuildRecipes();
    return skins;
}
