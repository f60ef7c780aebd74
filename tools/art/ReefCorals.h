// ReefCorals.h -- the living things of the reef picture, each drawn where the backdrop places it.
//
// Positions are in pixels of the picture, y downwards; (x, y) is where the thing grows from. Light
// comes from above and a little to the left, as on the rock it stands on. Everything drawn here is
// opaque paint; what is left unpainted stays open water.
#pragma once

#include "art/Canvas.h"
#include "art/Colour.h"
#include "art/Noise.h"
#include "art/Random.h"

// A gorgonian fan: a flat lace of branches spreading upwards from one stalk, cross-linked into a net
// with holes through which the water shows.
void PaintSeaFan(cairo_t* cr, CRandom& random, double x, double y, double height, Rgb colour, Rgb tips);

// Staghorn coral: a thicket of thick, round-tipped branches pointing up and out.
void PaintStaghorn(cairo_t* cr, CRandom& random, double x, double y, double size, Rgb colour, Rgb tips);

// The surfaces of massive corals.
enum class CoralSurface
{
    Grooved, // brain coral: meandering valleys
    Polyps,  // star coral: a dense pattern of round polyps
    Knobbly, // lobe coral: small lumps all over
    Smooth,  // encrusting sheet: only faint mottling
};

// A coral head of radii (rx, ry) centred at (cx, cy): a dome with a slightly irregular outline,
// cut flat at the bottom where it sits on the rock, with a soft shadow under it. Painted pixel by
// pixel onto the canvas.
void PaintCoralHead(CCanvas& canvas, const CNoise& noise, double cx, double cy, double rx, double ry, Rgb colour,
                    CoralSurface surface);

// A cluster of tube sponges standing on (x, y), each open at the top.
void PaintTubeSponges(cairo_t* cr, CRandom& random, double x, double y, double size, Rgb colour);

// A sea anemone: a short column crowned with curling tentacles.
void PaintAnemone(cairo_t* cr, CRandom& random, double x, double y, double size, Rgb colour, Rgb tips);

// A soft tree coral: pale branching stems ending in clusters of coloured polyps.
void PaintSoftCoral(cairo_t* cr, CRandom& random, double x, double y, double size, Rgb colour);

// Sea whips: a few long, thin, swaying rods.
void PaintSeaWhips(cairo_t* cr, CRandom& random, double x, double y, double height, Rgb colour);

// A five-armed starfish lying on the sand.
void PaintStarfish(cairo_t* cr, CRandom& random, double x, double y, double radius, Rgb colour);

// A tuft of sea grass rooted at (x, y).
void PaintSeaGrass(cairo_t* cr, CRandom& random, double x, double y, double height);

// Pebbles and bits of shell scattered over the sand between x0 and x1 at depth y0..y1.
void PaintPebbles(cairo_t* cr, CRandom& random, double x0, double x1, double y0, double y1, int count);
