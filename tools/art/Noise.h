// Noise.h -- seeded gradient noise and its fractal sum, the grain of every natural surface we paint.
//
// Lattice gradient noise in 2D with a quintic fade: smooth, band-limited, about -1..1 (rarely past
// +-0.9). The lattice can wrap after `periodX` cells across and `periodY` cells down, so a picture
// sampled over exactly that many cells tiles without a seam; both default to the table's 256.
#pragma once

#include <array>
#include <cstdint>

class CNoise
{
public:
    explicit CNoise(uint64_t seed);

    // One octave at (x, y) in lattice cells.
    float Sample(float x, float y, int periodX = 256, int periodY = 256) const;

    // Sum of `octaves` octaves, each at twice the frequency and half the amplitude of the one
    // before, normalised back to about -1..1. Wraps after the periods of the first octave.
    float Fractal(float x, float y, int octaves, int periodX = 256, int periodY = 256) const;

private:
    float Gradient(int ix, int iy, float dx, float dy, int periodX, int periodY) const;

    std::array<uint8_t, 512> permutation; // two copies of a shuffled 0..255
};
