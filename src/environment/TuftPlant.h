// TuftPlant.h -- kind 1: a tuft of grass, four leaves of blades round an upright axis; never moves.
#pragma once

#include "environment/Plant.h"

class CTuftPlant final : public CPlant
{
public:
    // Specimens 1 to 9, once, into the tuft display list.
    void DrawStatic();
};
