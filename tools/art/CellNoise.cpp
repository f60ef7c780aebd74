// CellNoise.cpp -- nearest feature points among the 3 x 3 cells around a point.
#include "art/CellNoise.h"

#include "art/Random.h"

#include <cmath>

CCellNoise::CCellNoise(int cellsX, int cellsY, uint64_t seed)
    : cellsX(cellsX), cellsY(cellsY), points(static_cast<size_t>(cellsX) * cellsY * 2)
{
    CRandom random(seed);
    for (float& p : points)
        p = random.Range(0.1f, 0.9f);
}

void CCellNoise::Nearest(float x, float y, float& first, float& second) const
{
    // Cells are cellsX / cellsY times narrower than tall on the unit square; measure as if square.
    const float cx = (x - std::floor(x)) * cellsX;
    const float cy = (y - std::floor(y)) * cellsY;
    const int ix = static_cast<int>(std::floor(cx));
    const int iy = static_cast<int>(std::floor(cy));
    first = second = 1e9f;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int gx = ((ix + dx) % cellsX + cellsX) % cellsX;
            const int gy = ((iy + dy) % cellsY + cellsY) % cellsY;
            const float* p = &points[(static_cast<size_t>(gy) * cellsX + gx) * 2];
            const float px = static_cast<float>(ix + dx) + p[0] - cx;
            const float py = static_cast<float>(iy + dy) + p[1] - cy;
            const float d = std::sqrt(px * px + py * py);
            if (d < first) {
                second = first;
                first = d;
            } else if (d < second) {
                second = d;
            }
        }
    }
}
