// PaintEffects.h -- the three additive pictures of the tank's lighting: water glow, light rays, bubble.
//
// All three are drawn with additive blending, so black adds nothing and brightness is light.
#pragma once

#include "art/RgbImage.h"

// "Water", 128 x 128: caustic light on black, tiling without a seam both across and down (it
// scrolls sideways over the back of the tank and repeats).
CRgbImage PaintWaterGlow();

// "GuangXian", 256 x 256: soft shafts of light falling from the top edge and fading downwards;
// tiles across, since the ray sheet scrolls a little sideways.
CRgbImage PaintLightRays();

// "Particle1", 32 x 32: a bubble, a bright rim with a highlight, nearly clear inside.
CRgbImage PaintBubble();
