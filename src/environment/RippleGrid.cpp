// RippleGrid.cpp -- the ripple tables, clicks, the per-frame push of the texture coordinates, drawing.
#include "environment/RippleGrid.h"

#include "platform/GLHeaders.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace {
constexpr int kLastCell = CRippleGrid::kGridSize - 1;       // 31: the grid's last index
constexpr int kLastStep = CRippleGrid::kAmplitudeSteps - 1; // 2047: the table's silent end
constexpr double kStepsAcrossGrid = 800.0;                  // distance steps over 31 cells
constexpr int kOscillationCycles = 18;                      // crests over the whole table
constexpr int kEnvelopePower = 8;                           // how fast the crests die down
constexpr double kFirstCrest = 0.0999838;                   // the table's maximum, at index 55
constexpr int kFirstAge = 28;                               // a new ripple's age
constexpr double kEndAgeBase = 341.0; // end age = width x D / 32 + 341, D cells to the farthest corner
constexpr double kEndAgePerPixelCell = 0.03125;
// Ages stop growing here, so that a grid left in ripple mode for months never overflows them. End
// ages stay below it, so an age held here still counts as finished.
constexpr int kAgeCeiling = 1 << 30;

using VectorTable = std::array<std::array<CRippleGrid::VectorEntry, CRippleGrid::kGridSize>, CRippleGrid::kGridSize>;
using AmplitudeTable = std::array<double, CRippleGrid::kAmplitudeSteps>;

VectorTable BuildVectorTable()
{
    VectorTable table{};
    for (int di = 0; di <= kLastCell; ++di) {
        for (int dj = 0; dj <= kLastCell; ++dj) {
            CRippleGrid::VectorEntry& e = table[di][dj];
            const double d = std::sqrt(static_cast<double>(di * di + dj * dj));
            e.vx = d > 0.0 ? di / d : 0.0;
            e.vy = d > 0.0 ? dj / d : 0.0;
            e.r = static_cast<int>(d * kStepsAcrossGrid / kLastCell);
        }
    }
    return table;
}

// The wave a ripple sends out, as it passes a point: 18 crests, each a sin^2 bump that falls back
// to 0 between crests (the water settles between rings, the picture shows undistorted), under an
// envelope that dies away as the eighth power of the remaining table:
//
//     u = index - 1,   amplitude = A (1 - u / 2046)^8 sin^2(18 pi u / 2046)
//
// The wave starts one step in, so entries 0 and 1 are 0 (an age that has not yet reached a vertex
// pushes nothing), and the envelope reaches 0 exactly at entry 2047, where every finished or
// far-off ripple is looked up. A scales the first crest, at index 55, to 0.0999838 (A = 0.1246,
// close to 1/8); the crests that follow land at 169, 282, 396 and 509 with 0.062484, 0.037923,
// 0.022263 and 0.012585, about every 113.7 steps, with troughs below 1e-5 between them.
AmplitudeTable BuildAmplitudeTable()
{
    AmplitudeTable table{};
    const double span = kLastStep - 1; // u runs 0..2046
    const double pi = std::acos(-1.0);
    double highest = 0.0;
    for (int index = 1; index <= kLastStep; ++index) {
        const double u = index - 1;
        const double wave = std::sin(kOscillationCycles * pi * u / span);
        table[index] = std::pow(1.0 - u / span, kEnvelopePower) * wave * wave;
        highest = std::max(highest, table[index]);
    }
    for (double& a : table)
        a *= kFirstCrest / highest;
    table[kLastStep] = 0.0; // already 0 up to rounding; the silence of finished ripples relies on it
    return table;
}

const VectorTable& Vectors()
{
    static const VectorTable table = BuildVectorTable();
    return table;
}

const AmplitudeTable& Amplitudes()
{
    static const AmplitudeTable table = BuildAmplitudeTable();
    return table;
}

// The grid index of a click `pixel` pixels into a window side of `size` pixels. Clicks outside the
// window (a drag beyond its edge, a stale mouse position after a resize) land on the edge row or
// column: the vector table has 32 entries per axis and a centre outside 0..31 would index past it.
int32_t GridIndex(int pixel, int size)
{
    const double cell = static_cast<double>(pixel) / size * CRippleGrid::kGridSize;
    return static_cast<int32_t>(std::clamp(cell, 0.0, static_cast<double>(kLastCell)));
}

// A texture coordinate pushed past either edge of the copy (0..extent) comes back reflected in
// that edge. Near the window's border the rings then show the picture mirrored, continuous across
// the border: clamped, every vertex pushed out would sample the same edge texel and smear it into
// streaks; left alone, it would sample texels the copy never filled, or wrap to the far side.
double ReflectIntoCopy(double c, double extent)
{
    if (c < 0.0)
        c = -c;
    if (c > extent)
        c = 2.0 * extent - c;
    return std::clamp(c, 0.0, extent); // a push larger than the whole copy, on a tiny copy
}
} // namespace

const CRippleGrid::VectorEntry& CRippleGrid::Vector(int di, int dj)
{
    return Vectors()[std::clamp(di, 0, kLastCell)][std::clamp(dj, 0, kLastCell)];
}

double CRippleGrid::Amplitude(int index)
{
    return Amplitudes()[std::clamp(index, 0, kLastStep)];
}

CRippleGrid::CRippleGrid()
{
    Resize(1, 1);
}

void CRippleGrid::Resize(int newWidth, int newHeight)
{
    width = std::max(newWidth, 1);
    height = std::max(newHeight, 1);
    const double diagonalPixels = std::floor(std::hypot(static_cast<double>(width), static_cast<double>(height)));
    diagonal = static_cast<int32_t>(std::min(diagonalPixels, static_cast<double>(kAgeCeiling - kAmplitudeSteps)));
    for (int k = 0; k < kRippleCount; ++k) {
        cx[k] = 0;
        cy[k] = 0;
        t[k] = diagonal + kAmplitudeSteps; // past the end of the table: finished and silent
        tMax[k] = 0;
    }
    PlaceVerticesAtRest();
}

void CRippleGrid::SetTextureExtent(float s, float t)
{
    // Written so that NaN, like anything out of range, falls back to the whole texture.
    sExtent = s > 0.0f && s <= 1.0f ? s : 1.0f;
    tExtent = t > 0.0f && t <= 1.0f ? t : 1.0f;
    PlaceVerticesAtRest();
}

// Positions and rest coordinates, and the displaced coordinates at rest too: the frame draws the
// grid before its first Step, and must show the copy undistorted then.
void CRippleGrid::PlaceVerticesAtRest()
{
    for (int i = 0; i < kGridSize; ++i) {
        for (int j = 0; j < kGridSize; ++j) {
            Vertex& v = vertices[i * kGridSize + j];
            const float fi = static_cast<float>(i) / kLastCell;
            const float fj = static_cast<float>(j) / kLastCell;
            v.x = 2.0f * fi - 1.0f;
            v.y = 2.0f * fj - 1.0f;
            v.s0 = fi * sExtent;
            v.t0 = fj * tExtent;
            v.s = v.s0;
            v.t = v.t0;
        }
    }
}

bool CRippleGrid::AddRipple(int x, int y)
{
    int k = 0;
    while (k < kRippleCount && IsRunning(k))
        ++k;
    if (k == kRippleCount)
        return false;

    cx[k] = GridIndex(x, width);
    cy[k] = GridIndex(y, height);
    t[k] = kFirstAge;
    // The ripple runs until its rings have crossed the farthest corner of the grid.
    double farthest = 0.0;
    for (int corner = 0; corner < 4; ++corner) {
        const int cornerX = (corner == 1 || corner == 2) ? kGridSize : 0; // (0,0) (32,0) (32,32) (0,32)
        const int cornerY = corner >= 2 ? kGridSize : 0;
        farthest = std::max(farthest, std::hypot(static_cast<double>(cornerX - cx[k]), cornerY - cy[k]));
    }
    const double endAge = width * farthest * kEndAgePerPixelCell + kEndAgeBase;
    tMax[k] = static_cast<int32_t>(std::min(endAge, static_cast<double>(kAgeCeiling - kAgeStep)));
    return true;
}

void CRippleGrid::Step()
{
    const AmplitudeTable& amplitude = Amplitudes();
    const VectorTable& vector = Vectors();

    double fade[kRippleCount]; // (1 - age / 2048)^2: older ripples push less
    for (int k = 0; k < kRippleCount; ++k) {
        t[k] = std::min(t[k] + kAgeStep, kAgeCeiling);
        const double f = 1.0 - t[k] / static_cast<double>(kAmplitudeSteps);
        fade[k] = f * f;
    }

    for (int i = 0; i < kGridSize; ++i) {
        for (int j = 0; j < kGridSize; ++j) {
            Vertex& v = vertices[i * kGridSize + j];
            double s = v.s0;
            double tc = v.t0;
            for (int k = 0; k < kRippleCount; ++k) {
                const int di = i - cx[k];
                const int dj = j - cy[k];
                const VectorEntry& e = vector[std::abs(di)][std::abs(dj)];
                const int a = std::clamp(t[k] - e.r, 0, kLastStep);
                const double push = fade[k] * amplitude[a];
                s += (di < 0 ? -1.0 : 1.0) * push * e.vx;
                tc += (dj < 0 ? -1.0 : 1.0) * push * e.vy;
            }
            v.s = static_cast<float>(ReflectIntoCopy(s, sExtent));
            v.t = static_cast<float>(ReflectIntoCopy(tc, tExtent));
        }
    }
}

void CRippleGrid::Draw() const
{
    for (int i = 0; i < kLastCell; ++i) {
        for (int j = 0; j < kLastCell; ++j) {
            const Vertex* corners[4] = {&VertexAt(i, j), &VertexAt(i, j + 1), &VertexAt(i + 1, j + 1),
                                        &VertexAt(i + 1, j)};
            glBegin(GL_POLYGON);
            for (const Vertex* c : corners) {
                glTexCoord2f(c->s, c->t);
                glVertex3f(c->x, c->y, 0.0f);
            }
            glEnd();
        }
    }
}
