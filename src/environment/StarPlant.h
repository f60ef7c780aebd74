// StarPlant.h -- kind 4: eight leaves lying in a star on a tilted disc, swaying and bending.
#pragma once

#include "environment/Plant.h"

class CStarPlant final : public CPlant
{
public:
    // Draws the sway frequency and step and the bend speed from the tank's random sequence.
    CStarPlant();

    // Every frame: one sway step and one bend step (the bend moves every third frame), then the
    // eight leaves.
    void DrawLive();
};
