// SkinRecipe.h -- what a species' first skin is painted from: body colours, markings and fin paint.
//
// The layout of a skin (fish/model/SkinLayout.h) is shared with the meshes. Marking positions are
// body fractions: u 0..1 along the body (0 at the snout, 1 at the tail root), v 0..1 from back to
// belly.
#pragma once

#include "art/Colour.h"
#include "fish/model/SkinLayout.h"

#include <utility>
#include <vector>

enum class MarkKind
{
    Bar,       // vertical band at u, half-width `size` (in u), bowed by `bend` at mid-height, optional edging
    Stripe,    // horizontal band at v from u0 to u1, half-width `size`
    Spots,     // `count` round spots of radius size..size2 with v in v0..v1
    Patch,     // soft irregular blotch centred at (u, v) with radius `size`
    WavyLines, // `count` wavy horizontal lines of half-width `size`
    ScaleNet,  // overlapping scales `size` long, outlined in the colour, their centres catching light
    Path,      // a round-capped stroke of half-width `size` through `points`
};

struct Marking
{
    MarkKind kind = MarkKind::Bar;
    Rgb colour;
    float opacity = 1.0f;
    float u = 0.0f, v = 0.0f;                    // centre (Bar uses u, Stripe uses v, Patch both)
    float size = 0.0f;                           // half-width or radius: in u for a Bar, in body heights (v) otherwise
    float size2 = 0.0f;                          // largest spot radius
    float u0 = 0.0f, u1 = 1.0f;                  // extent along the body (Stripe, Spots)
    float v0 = 0.0f, v1 = 1.0f;                  // extent around the body (Spots)
    float bend = 0.0f;                           // Bar: forward bow at mid-height, in u
    int count = 0;                               // Spots, WavyLines
    Rgb edge;                                    // Bar: colour of the edging
    float edgeWidth = 0.0f;                      // Bar: width of the edging, 0 for none
    std::vector<std::pair<float, float>> points; // Path: (u, v) points
};

struct FinPaint
{
    Rgb base;               // colour where the fin meets the body
    Rgb tip;                // colour at its outer edge
    Rgb edge;               // the rim
    float edgeWidth = 0.0f; // fraction of the fin's length taken by the rim, 0 for none
    float rays = 0.3f;      // how strongly the fin rays show, 0..1
    int spots = 0;          // dark or coloured spots scattered on the fin
    Rgb spotColour;
    int bands = 0; // bands across the fin, parallel to its edge
    Rgb bandColour;
};

struct SkinRecipe
{
    const char* animal = "";
    Rgb back;             // colour along the back (v = 0)
    Rgb flank;            // along the side (v = 0.45)
    Rgb belly;            // along the belly (v = 1)
    float mottle = 0.06f; // strength of the soft noise in the body colour
    bool eye = true;
    skin::SpeciesLayout layout{}; // where the eye goes, shared with the mesh
    Rgb iris;
    std::vector<Marking> markings; // painted in order, later ones on top
    FinPaint tail;
    FinPaint fins;
};

// The fifteen recipes, in catalogue order (fish0 to fish14).
const std::vector<SkinRecipe>& SpeciesSkins();
