// FishPortrait.h -- one species' mesh parts drawn on their own, posed at rest or by its own chains.
//
// Shared by the fish viewer and the build-time snapshots of the population sheet. The model is
// turned as the tank turns it (heading 0, level, head to the left as a viewer of the tank sees
// it) and lit as the tank lights it; the caller sets the projection and the view.
#pragma once

#include "fish/Fish.h"

// All pose arrays zero: the rest pose.
void ClearPose(PoseArrays& pose);

// The fish's own chains run into a 90-degree turn, with its mouth open; the body turned back by
// the head's heading so that the head still points left.
void MidTurnPose(int species, PoseArrays& pose);

// The tank's lighting: GL_LIGHT1, white at this intensity, far to the right, below and in front,
// fixed to the eye; smooth shading and the depth test.
void SetUpTankLight(float intensity);

// Draws the species' parts in the current modelview at this size, with whatever skin is bound.
// False, drawing nothing, when the species has no mesh.
bool DrawFishPortrait(int species, const PoseArrays& pose, float size);
