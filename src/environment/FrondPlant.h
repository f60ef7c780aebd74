// FrondPlant.h -- kind 5: a fern of four fronds round an upright axis, their edges rippling.
#pragma once

#include "environment/Plant.h"

constexpr int kFrondWaveValues = 33; // one per column of the frond's upper strip

class CFrondPlant final : public CPlant
{
public:
    // Draws the sway frequency and step from the tank's random sequence; the frond never bends.
    CFrondPlant();

    // Every frame: the frond wave, then the four fronds.
    void DrawLive();

    // One frame's wave: a sway step whose values go unused, then the frond's own step, both
    // counting on the one sway tick, so the phase moves on every third call of either kind.
    // w[j] = 0.02 sin(j pi / 10 + phase); the last value is copied to the first.
    void StepFrondWave(float (&w)[kFrondWaveValues]);

private:
    void DrawFrond(const float (&w)[kFrondWaveValues]);
};
