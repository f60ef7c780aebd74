// CrossPlant.h -- kind 3: four folded strap blades crossed round an upright axis, each taller than
// the one before; never moves.
#pragma once

#include "environment/Plant.h"

class CCrossPlant final : public CPlant
{
public:
    // Specimens 1 to 9, once, into the cross display list.
    void DrawStatic();
};
