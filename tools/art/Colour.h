// Colour.h -- linear mixing of RGB colours, with components in 0..1.
#pragma once

#include <algorithm>
#include <cstdint>

struct Rgb
{
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

// 0xRRGGBB, as colours are written in the painting tables.
constexpr Rgb HexColour(uint32_t hex)
{
    return {static_cast<float>((hex >> 16) & 0xff) / 255.0f, static_cast<float>((hex >> 8) & 0xff) / 255.0f,
            static_cast<float>(hex & 0xff) / 255.0f};
}

inline Rgb Mix(const Rgb& a, const Rgb& b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

inline Rgb Scale(const Rgb& c, float k)
{
    return {c.r * k, c.g * k, c.b * k};
}

inline Rgb Multiply(const Rgb& a, const Rgb& b)
{
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}

inline float Clamp01(float v)
{
    return std::min(1.0f, std::max(0.0f, v));
}

// Hermite step between the two edges, 0 below lo and 1 above hi.
inline float SmoothStep(float lo, float hi, float v)
{
    const float t = Clamp01((v - lo) / (hi - lo));
    return t * t * (3.0f - 2.0f * t);
}

// A 0..1 component as a byte, rounded.
inline uint8_t ToByte(float v)
{
    return static_cast<uint8_t>(Clamp01(v) * 255.0f + 0.5f);
}
