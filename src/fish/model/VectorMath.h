// VectorMath.h -- the little vector arithmetic the fish models are built with.
#pragma once

#include "platform/Vector3.h"

#include <cmath>

inline Vector3 operator+(Vector3 a, Vector3 b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vector3 operator-(Vector3 a, Vector3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vector3 operator*(Vector3 a, float s)
{
    return {a.x * s, a.y * s, a.z * s};
}
inline Vector3 Lerp(Vector3 a, Vector3 b, float t)
{
    return a + (b - a) * t;
}
inline Vector3 Cross(Vector3 a, Vector3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float Length(Vector3 a)
{
    return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
}
// Unit length; a zero vector gives the left half's outward side (-y).
inline Vector3 Normalised(Vector3 a)
{
    const float length = Length(a);
    return length > 0.0f ? a * (1.0f / length) : Vector3{0.0f, -1.0f, 0.0f};
}
