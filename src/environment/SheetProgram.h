// SheetProgram.h -- two additive sheets, one behind the other, added to the frame in one pass.
//
// The water glow (or the flat ray sheet) and the tilted rays are large textured quads that the
// fixed pipeline draws one after the other, lit, fogged and blended with (source alpha, one): on a
// software rasteriser each costs a full screen of fill. Their planes are parallel, so the eye ray
// through a point of one plane meets the other at a point that is an affine function of the first;
// everything each sheet has at a pixel (its texture coordinates, its fog distance, its lit colour
// on either triangle of its quad) is therefore an affine function of the position on one plane.
// A small vertex program hands those functions down, the rasteriser interpolates them exactly as
// it would the sheets' own, and a fragment program samples both pictures, lights and fogs each as
// the fixed pipeline would and adds both, each weighted by its alpha, with blend (one, one).
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

    // The program, once made; it lives as long as the context, as the floor's display list does.
    bool IsReady() const { return state == State::Ready; }

private:
    enum class State
    {
        Untried,
        Ready,
        Unavailable
    };

    bool EnsureProgram();
    bool CanReproduce(const SheetQuad& back, const SheetQuad& front);

    State state = State::Untried;
    GlslFunctions gl;
    uint32_t program = 0;
    CVertexLighting lighting;

    // Uniform locations.
    int backPlace = -1;
    int frontPlace = -1;
    int backLower = -1;
    int backUpper = -1;
    int frontLower = -1;
    int frontUpper = -1;
    int backScroll = -1;
    int frontScroll = -1;
    int fogDensity = -1;
    int fogColour = -1;
    int backPicture = -1;
    int frontPicture = -1;
};
