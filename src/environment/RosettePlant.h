// RosettePlant.h -- kind 0: a rosette of eight leaves in three rings, broad and arching outside,
// tall and upright inside.
#pragma once

#include "environment/Plant.h"

class CRosettePlant final : public CPlant
{
public:
    // Draws the sway frequency and step and the bend speed from the tank's random sequence.
    CRosettePlant();

    // Specimen 0, every frame: one sway step and three bend steps (one per ring; only the third
    // moves the bend, against the innermost ring's limit), then the three rings bent and swaying.
    void DrawLive();

    // Specimens 1 to 9, once, into the rosette display list: the same rings, unbent and still.
    void DrawStatic();

private:
    void DrawRings(bool live);
    void DrawPetal(bool live, const float* sway, const float* bendAngles);
};
