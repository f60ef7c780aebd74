// TankBounds.h -- the fixed box of the tank, in tank units (y up, the camera looks down -z).
#pragma once

struct TankBounds
{
    float xMin = 0.0f;
    float xMax = 0.0f;
    float yTop = 0.0f;
    float yBottom = 0.0f;
    float zBack = 0.0f;
    float zFront = 0.0f;

    // The box every Part places and limits things in; set once at initialisation.
    static constexpr TankBounds Aquarium() { return TankBounds{-90.0f, 90.0f, 30.0f, -22.0f, -50.0f, 0.0f}; }
};
