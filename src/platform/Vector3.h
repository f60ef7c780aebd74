// Vector3.h -- a point or direction in the tank, in tank units (y up, the camera looks down -z).
#pragma once

struct Vector3
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};
