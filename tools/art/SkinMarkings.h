// SkinMarkings.h -- the small vocabulary skin recipes are written in: markings, fin paint, colours.
#pragma once

#include "art/SkinRecipe.h"

#include <utility>
#include <vector>

namespace skins {
constexpr Rgb kBlack = HexColour(0x121214);
constexpr Rgb kWhite = HexColour(0xf8f8f6);

inline Marking Bar(float u, float halfWidth, Rgb colour, float opacity = 1.0f, float bend = 0.0f)
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

inline Marking EdgedBar(float u, float halfWidth, Rgb colour, Rgb edge, float edgeWidth, float bend)
{
    Marking m = Bar(u, halfWidth, colour, 1.0f, bend);
    m.edge = edge;
    m.edgeWidth = edgeWidth;
    return m;
}

inline Marking Stripe(float v, float halfWidth, Rgb colour, float opacity, float u0 = 0.0f, float u1 = 1.0f)
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

inline Marking Spots(int count, float rMin, float rMax, Rgb colour, float opacity, float v0 = 0.0f, float v1 = 1.0f)
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

inline Marking Patch(float u, float v, float radius, Rgb colour, float opacity)
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

inline Marking WavyLines(int count, float halfWidth, Rgb colour, float opacity)
{
    Marking m;
    m.kind = MarkKind::WavyLines;
    m.count = count;
    m.size = halfWidth;
    m.colour = colour;
    m.opacity = opacity;
    return m;
}

inline Marking ScaleNet(float scaleLength, Rgb colour, float opacity)
{
    Marking m;
    m.kind = MarkKind::ScaleNet;
    m.size = scaleLength;
    m.colour = colour;
    m.opacity = opacity;
    return m;
}

inline Marking Path(std::vector<std::pair<float, float>> points, float halfWidth, Rgb colour)
{
    Marking m;
    m.kind = MarkKind::Path;
    m.points = std::move(points);
    m.size = halfWidth;
    m.colour = colour;
    return m;
}

// Evenly spaced faint bars from u0 to u1, as the discus and the shrimp's segments carry.
inline std::vector<Marking> BarSeries(int count, float u0, float u1, float halfWidth, Rgb colour, float opacity)
{
    std::vector<Marking> bars;
    for (int i = 0; i < count; ++i)
        bars.push_back(Bar(u0 + (u1 - u0) * static_cast<float>(i) / static_cast<float>(count - 1), halfWidth, colour,
                           opacity, 0.02f));
    return bars;
}

inline FinPaint Fin(Rgb base, Rgb tip, float rays = 0.3f)
{
    FinPaint fin;
    fin.base = base;
    fin.tip = tip;
    fin.rays = rays;
    return fin;
}

inline FinPaint WithEdge(FinPaint fin, Rgb edge, float width)
{
    fin.edge = edge;
    fin.edgeWidth = width;
    return fin;
}

inline FinPaint WithSpots(FinPaint fin, int count, Rgb colour)
{
    fin.spots = count;
    fin.spotColour = colour;
    return fin;
}

inline FinPaint WithBands(FinPaint fin, int count, Rgb colour)
{
    fin.bands = count;
    fin.bandColour = colour;
    return fin;
}

inline std::vector<Marking> Join(std::vector<Marking> a, const std::vector<Marking>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline SkinRecipe Body(const char* animal, Rgb back, Rgb flank, Rgb belly)
{
    SkinRecipe recipe;
    recipe.animal = animal;
    recipe.back = back;
    recipe.flank = flank;
    recipe.belly = belly;
    return recipe;
}
} // namespace skins
