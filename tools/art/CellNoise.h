// CellNoise.h -- cellular (Worley) noise on a periodic grid of jittered points.
//
// For any point of the unit square it gives the distances to the nearest and second-nearest
// feature point. The nearest distance shapes rounded lumps (boulders, coral heads); the difference
// of the two is small along the borders between cells (cracks, the bright net of caustics). The
// grid wraps, so patterns tile. Distances are in units of one cell's height.
#pragma once

#include <cstdint>
#include <vector>

class CCellNoise
{
public:
    CCellNoise(int cellsX, int cellsY, uint64_t seed);

    void Nearest(float x, float y, float& first, float& second) const;

private:
    int cellsX;
    int cellsY;
    std::vector<float> points; // x, y of each cell's feature point, 0.1..0.9 within the cell
};
