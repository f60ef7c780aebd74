// Noise.cpp -- gradient noise on a shuffled lattice.
#include "art/Noise.h"

#include "art/Random.h"

#include <cmath>

namespace {
float Fade(float t)
{
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

float Lerp(float a, float b, float t)
{
    return a + (b - a) * t;
}

int Wrap(int i, int period)
{
    const int m = i % period;
    return m < 0 ? m + period : m;
}
} // namespace

CNoise::CNoise(uint64_t seed)
{
    CRandom random(seed);
    for (int i = 0; i < 256; ++i)
        permutation[i] = static_cast<uint8_t>(i);
    for (int i = 255; i > 0; --i) {
        const int j = random.Below(i + 1);
        const uint8_t t = permutation[i];
        permutation[i] = permutation[j];
        permutation[j] = t;
    }
    for (int i = 0; i < 256; ++i)
        permutation[256 + i] = permutation[i];
}

float CNoise::Gradient(int ix, int iy, float dx, float dy, int periodX, int periodY) const
{
    const int hash = permutation[permutation[Wrap(ix, periodX) & 255] + (Wrap(iy, periodY) & 255)];
    // Eight directions: the four axes and the four diagonals (scaled to unit length).
    constexpr float kDiagonal = 0.70710678f;
    switch (hash & 7) {
    case 0:
        return dx;
    case 1:
        return -dx;
    case 2:
        return dy;
    case 3:
        return -dy;
    case 4:
        return (dx + dy) * kDiagonal;
    case 5:
        return (dx - dy) * kDiagonal;
    case 6:
        return (-dx + dy) * kDiagonal;
    default:
        return (-dx - dy) * kDiagonal;
    }
}

float CNoise::Sample(float x, float y, int periodX, int periodY) const
{
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const float dx = x - fx;
    const float dy = y - fy;
    const float n00 = Gradient(ix, iy, dx, dy, periodX, periodY);
    const float n10 = Gradient(ix + 1, iy, dx - 1.0f, dy, periodX, periodY);
    const float n01 = Gradient(ix, iy + 1, dx, dy - 1.0f, periodX, periodY);
    const float n11 = Gradient(ix + 1, iy + 1, dx - 1.0f, dy - 1.0f, periodX, periodY);
    const float u = Fade(dx);
    // A unit gradient reaches at most about 0.7 at a cell centre; scale to roughly -1..1.
    return 1.4f * Lerp(Lerp(n00, n10, u), Lerp(n01, n11, u), Fade(dy));
}

float CNoise::Fractal(float x, float y, int octaves, int periodX, int periodY) const
{
    float sum = 0.0f;
    float amplitude = 1.0f;
    float norm = 0.0f;
    float frequency = 1.0f;
    int spanX = periodX;
    int spanY = periodY;
    for (int o = 0; o < octaves; ++o) {
        // Each octave is offset so that lattice points of the octaves do not line up.
        sum += amplitude * Sample(x * frequency + 17.3f * o, y * frequency + 31.7f * o, spanX, spanY);
        norm += amplitude;
        amplitude *= 0.5f;
        frequency *= 2.0f;
        spanX *= 2;
        spanY *= 2;
    }
    return sum / norm;
}
