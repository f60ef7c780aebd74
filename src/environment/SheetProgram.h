// SheetProgram.h -- two additive sheets, one behind the other, added to the frame in one pass.
//
// The water glow (or the flat ray sheet) and the tilted rays are large textured quads that the
// fixed pipeline draws one after the other, fogged and blended with (source alpha, one): on a
// software rasteriser each costs a full screen of fill. Their planes are parallel, so the eye ray
// through a point of one plane meets the other at a point that is an affine function of the first:
// each sheet's texture coordinates and fog distance at a pixel are affine functions of the position
// on one plane. A small vertex program hands those down, the rasteriser interpolates them exactly
// as it would the sheets' own, and a fragment program samples both pictures, fogs each as the fixed
// pipeline would and adds both, each weighted by its alpha, with blend (one, one).
//
// Every instruction of the fragment program costs a full screen too. The pass reproduces sheets
// whose lit colour is white all over, as the tank's light leaves them at full strength: modulating
// by any other colour made the pass dearer than the sheets it replaces (measured on the software
// rasteriser), so such sheets are left to the plain path. The program comes in variants, each made
// on first use: with fog or without, and, only where an edge of either sheet shows, with the
// per-pixel test of which sheets lie there.
//
// The pass is drawn on the front sheet's plane, over the union of both sheets; a pixel outside
// both is discarded. It is tested and writes depth as the front sheet would, which differs from
// drawing the sheets one by one only where nothing but the back sheet lies: there the depth
// written is the front plane's. Nothing lies between the two planes, so no test answers otherwise.
#pragma once

#include "environment/VertexLighting.h"
#include "platform/GlFunctions.h"

#include <cstdint>

struct SheetQuad
{
    uint32_t texture;
    float left, bottom, right, top; // corners in the sheet's own plane, tank units
    float depth;                    // z of its plane
    float tilt;                     // degrees about z, the sheet turned as glRotatef turns it
    float scroll;                   // texture u at the left edge; u grows by 1 to the right, v 0 to 1 upwards
};

// Its programs are made with the context current and live as long as it, as display lists do.
class CSheetProgram
{
public:
    // Adds `back` and then `front`, whose plane stands nearer the eye, under the current model-view
    // matrix, as two quads in the current colour with the current lighting, fog and texturing would,
    // each blended with (source alpha, one). Afterwards the front sheet's picture is bound, the blend
    // function is (source alpha, one) and the current texture coordinate is the front quad's last,
    // as drawing the sheets leaves them. Draws nothing and answers false when the GL offers no
    // shading language, or its state is one the pass does not reproduce (see CanReproduce).
    bool Draw(const SheetQuad& back, const SheetQuad& front);

private:
    enum class State
    {
        Untried,
        Ready,
        Unavailable
    };
    // One variant of the program and its uniforms' locations.
    struct Variant
    {
        State state = State::Untried;
        uint32_t program = 0;
        int places = -1;
        int low = -1;
        int high = -1;
        int distanceRow = -1;
        int fogRates = -1;
        int fogColour = -1;
    };
    static constexpr int kFogged = 1;
    static constexpr int kEdges = 2;

    bool CanReproduce(const SheetQuad& back, const SheetQuad& front);
    Variant* Ready(int variant);

    bool functionsLoaded = false;
    bool functionsMissing = false;
    GlslFunctions gl;
    Variant variants[4]; // indexed by kFogged plus kEdges
    CVertexLighting lighting;
};
