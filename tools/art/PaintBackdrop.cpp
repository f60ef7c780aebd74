// PaintBackdrop.cpp -- the reef: far ridge, boulder wall, sand floor, then the life on them, graded
// for depth and keyed against open water.
#include "art/PaintBackdrop.h"

#include "art/Canvas.h"
#include "art/CellNoise.h"
#include "art/Colour.h"
#include "art/Noise.h"
#include "art/Random.h"
#include "art/ReefCorals.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr int kSize = kBackdropSize;
constexpr float kLightX = -0.38f, kLightY = -0.78f, kLightZ = 0.5f; // unit; y down, z towards the viewer

float Bump(float x, float centre, float width)
{
    const float d = (x - centre) / width;
    return std::exp(-d * d);
}

// The outline of the scene, in pixels from the top, for each column x.
class CReefOutline
{
public:
    explicit CReefOutline(const CNoise& noise) : noise(noise) {}

    // Where the main wall would start without its boulders' lumps: two pinnacles, left and right,
    // with a lower saddle between them.
    float WallTop(float x) const
    {
        return 600.0f + 70.0f * noise.Fractal(x / 260.0f, 3.5f, 3) - 330.0f * Bump(x, 170.0f, 125.0f) -
               250.0f * Bump(x, 840.0f, 150.0f) - 90.0f * Bump(x, 520.0f, 80.0f);
    }

    // The distant ridge seen through the saddle.
    float FarTop(float x) const
    {
        return 470.0f + 45.0f * noise.Fractal(x / 180.0f, 9.5f, 3) - 80.0f * Bump(x, 640.0f, 170.0f);
    }

    // Where the sand begins below the wall.
    float SandTop(float x) const { return 880.0f + 22.0f * noise.Fractal(x / 300.0f, 15.5f, 2); }

private:
    const CNoise& noise;
};

// Boulder field: rounded lumps of two sizes. lump is high at a lump's centre, crack is 0 along the
// seams between lumps and 1 away from them.
struct Boulders
{
    float lump;
    float height;
    float crack;
};

Boulders SampleBoulders(const CCellNoise& big, const CCellNoise& small, const CNoise& grain, float u, float v)
{
    // The lookups are pushed about by noise so that no lump is a neat polygon.
    const float wu = u + 0.035f * grain.Fractal(u * 7.0f, v * 7.0f, 3);
    const float wv = v + 0.035f * grain.Fractal(u * 7.0f + 5.2f, v * 7.0f + 1.3f, 3);
    float a1 = 0.0f, a2 = 0.0f, b1 = 0.0f, b2 = 0.0f;
    big.Nearest(wu, wv, a1, a2);
    small.Nearest(wu, wv, b1, b2);
    const float rough = grain.Fractal(u * 48.0f, v * 48.0f, 4);
    const float ridges = 1.0f - std::fabs(grain.Fractal(u * 14.0f + 3.0f, v * 14.0f, 4));
    Boulders b;
    b.lump = 0.65f * (1.0f - a1) + 0.35f * (1.0f - b1);
    b.height = 0.45f * (1.0f - a1 * a1) + 0.2f * (1.0f - b1 * b1) + 0.25f * ridges * ridges + 0.07f * rough;
    b.crack = 0.35f + 0.65f * SmoothStep(0.0f, 0.12f, a2 - a1) * (0.6f + 0.4f * SmoothStep(0.0f, 0.08f, b2 - b1));
    return b;
}

// Per-pixel layer data kept for the later passes.
struct Layers
{
    std::vector<float> height; // boulder height field of the wall
    std::vector<uint8_t> wall; // 1 where the main wall is
    std::vector<int> skyline;  // first wall row of each column (kSize where none)
    std::vector<int> wallFoot; // last wall row of each column
};

// Rock colour at a point: warm grey stone mottled with pink coralline crust, green algae on the
// upper faces and dark purple encrusting patches.
Rgb RockColour(const CNoise& noise, float u, float v, float upFacing)
{
    const Rgb darkStone = HexColour(0x4e4843);
    const Rgb paleStone = HexColour(0x8c7e6c);
    const Rgb coralline = HexColour(0xb8718a);
    const Rgb algae = HexColour(0x5e7c3a);
    const Rgb encrust = HexColour(0x5a3c6c);
    const Rgb sponge = HexColour(0xc8903a);
    Rgb c = Mix(darkStone, paleStone, 0.5f + 0.5f * noise.Fractal(u * 9.0f, v * 9.0f, 4));
    const float pink = SmoothStep(0.05f, 0.3f, noise.Fractal(u * 7.0f + 3.1f, v * 7.0f, 4));
    c = Mix(c, coralline, 0.75f * pink);
    const float green = SmoothStep(0.1f, 0.35f, noise.Fractal(u * 6.0f + 8.7f, v * 5.0f, 3)) * Clamp01(upFacing * 2.0f);
    c = Mix(c, algae, 0.8f * green);
    c = Mix(c, encrust, 0.7f * SmoothStep(0.25f, 0.4f, noise.Fractal(u * 11.0f + 2.2f, v * 11.0f + 6.0f, 3)));
    c = Mix(c, sponge, 0.85f * SmoothStep(0.32f, 0.42f, noise.Fractal(u * 14.0f + 5.5f, v * 14.0f + 1.3f, 2)));
    return c;
}

void PaintFarRidge(CCanvas& canvas, const CReefOutline& outline)
{
    const CNoise grain(0xFA3);
    const Rgb haze = HexColour(0x2a5670);
    canvas.BeginPixels();
    for (int x = 0; x < kSize; ++x) {
        const float top = outline.FarTop(static_cast<float>(x));
        for (int y = std::max(0, static_cast<int>(top)); y < kSize; ++y) {
            const float u = static_cast<float>(x) / kSize;
            const float v = static_cast<float>(y) / kSize;
            // Far away: little contrast left, mostly the blue of the water between; the upper
            // slopes catch a little more light.
            const float light = 0.85f + 0.12f * grain.Fractal(u * 16.0f, v * 16.0f, 4) -
                                0.35f * SmoothStep(top, top + 250.0f, static_cast<float>(y));
            canvas.WritePixel(x, y, Scale(haze, light), 1.0f);
        }
    }
    canvas.EndPixels();
}

void PaintSand(CCanvas& canvas, const CReefOutline& outline)
{
    const CNoise noise(0x5A4D);
    CRandom grains(0x5A4E);
    const Rgb deepSand = HexColour(0xb09a70);
    const Rgb lightSand = HexColour(0xecdcb0);
    canvas.BeginPixels();
    for (int x = 0; x < kSize; ++x) {
        const float top = outline.SandTop(static_cast<float>(x)) - 30.0f; // hidden under the wall's foot
        for (int y = static_cast<int>(top); y < kSize; ++y) {
            const float u = static_cast<float>(x) / kSize;
            const float v = static_cast<float>(y) / kSize;
            const float nearness = SmoothStep(top, static_cast<float>(kSize), static_cast<float>(y));
            Rgb c = Mix(deepSand, lightSand, 0.3f + 0.6f * nearness + 0.15f * noise.Fractal(u * 8.0f, v * 8.0f, 3));
            // Ripples run across the view and crowd together with distance.
            const float phase = static_cast<float>(y) * (0.2f - 0.08f * nearness) +
                                7.0f * noise.Fractal(u * 5.0f, v * 12.0f, 3) + u * 3.0f;
            const float ripple = std::sin(phase);
            c = Scale(c, 0.92f + 0.1f * ripple + 0.06f * (grains.Uniform() - 0.5f));
            canvas.WritePixel(x, y, c, 1.0f);
        }
    }
    canvas.EndPixels();
}

void PaintWall(CCanvas& canvas, const CReefOutline& outline, Layers& layers)
{
    const CCellNoise big(9, 9, 0xB01D);
    const CCellNoise small(23, 23, 0x5B01);
    const CNoise grain(0x62A1);
    const CNoise colours(0xC010);
    layers.height.assign(static_cast<size_t>(kSize) * kSize, 0.0f);
    layers.wall.assign(static_cast<size_t>(kSize) * kSize, 0);
    layers.skyline.assign(kSize, kSize);
    layers.wallFoot.assign(kSize, 0);
    std::vector<float> lump(static_cast<size_t>(kSize) * kSize, 0.0f);
    std::vector<float> crack(static_cast<size_t>(kSize) * kSize, 1.0f);

    // First the shape: which pixels are rock, and their height for the shading. Boulders bulge
    // past the outline where they are high (lump reaches at most 1), so the edges are lumpy; rows
    // that no bulge can reach are skipped.
    constexpr float kTopBulge = 70.0f;
    constexpr float kFootBulge = 40.0f;
    std::vector<float> wallTop(kSize);
    std::vector<float> sandTop(kSize);
    float highest = kSize;
    float lowest = 0.0f;
    for (int x = 0; x < kSize; ++x) {
        wallTop[x] = outline.WallTop(static_cast<float>(x));
        sandTop[x] = outline.SandTop(static_cast<float>(x));
        highest = std::min(highest, wallTop[x] - kTopBulge * 0.45f);
        lowest = std::max(lowest, sandTop[x] + kFootBulge * 0.5f);
    }
    const int firstRow = std::max(0, static_cast<int>(highest) - 2);
    const int lastRow = std::min(kSize - 1, static_cast<int>(lowest) + 2);
    for (int y = firstRow; y <= lastRow; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const size_t i = static_cast<size_t>(y) * kSize + x;
            const Boulders b =
                SampleBoulders(big, small, grain, static_cast<float>(x) / kSize, static_cast<float>(y) / kSize);
            layers.height[i] = b.height;
            lump[i] = b.lump;
            crack[i] = b.crack;
            const float fy = static_cast<float>(y);
            const bool belowTop = fy > wallTop[x] - kTopBulge * (b.lump - 0.55f);
            const bool aboveSand = fy < sandTop[x] + kFootBulge * (b.lump - 0.5f);
            if (belowTop && aboveSand) {
                layers.wall[i] = 1;
                layers.skyline[x] = std::min(layers.skyline[x], y);
                layers.wallFoot[x] = std::max(layers.wallFoot[x], y);
            }
        }
    }

    // Then the colour: lit by the height field's slope, darkened in the seams and lower down.
    canvas.BeginPixels();
    for (int y = 1; y < kSize - 1; ++y) {
        for (int x = 1; x < kSize - 1; ++x) {
            const size_t i = static_cast<size_t>(y) * kSize + x;
            if (!layers.wall[i])
                continue;
            const float gx = (layers.height[i + 1] - layers.height[i - 1]) * 22.0f;
            const float gy = (layers.height[i + kSize] - layers.height[i - kSize]) * 22.0f;
            const float len = std::sqrt(gx * gx + gy * gy + 1.0f);
            const float nx = -gx / len, ny = -gy / len, nz = 1.0f / len;
            const float diffuse = std::max(0.0f, nx * kLightX + ny * kLightY + nz * kLightZ);
            const float u = static_cast<float>(x) / kSize;
            const float v = static_cast<float>(y) / kSize;
            // Rock near the rim of the wall meets open water: keep it from going flat there.
            const float rim = 1.0f - SmoothStep(0.0f, 30.0f, static_cast<float>(y - layers.skyline[x]));
            // The wall's own form: its upper reaches face the light, its foot lies in the shade of
            // everything above it.
            const float fromTop = static_cast<float>(y - layers.skyline[x]);
            const float form = 1.15f - 0.55f * SmoothStep(0.0f, 420.0f, fromTop);
            const float shade =
                (0.25f + 0.95f * diffuse) * crack[i] * (0.75f + 0.25f * lump[i]) * form * (1.0f + 0.15f * rim);
            canvas.WritePixel(x, y, Scale(RockColour(colours, u, v, -ny), shade), 1.0f);
        }
    }
    canvas.EndPixels();
}

// Shadow cast on the sand by the wall's foot.
void ShadeSandByWall(CCanvas& canvas, const Layers& layers)
{
    canvas.BeginPixels();
    for (int x = 0; x < kSize; ++x) {
        for (int y = layers.wallFoot[x] + 1; y < std::min(kSize, layers.wallFoot[x] + 60); ++y) {
            Rgb c;
            float alpha = 0.0f;
            canvas.ReadPixel(x, y, c, alpha);
            const float d = static_cast<float>(y - layers.wallFoot[x]);
            canvas.WritePixel(x, y, Scale(c, 0.45f + 0.55f * SmoothStep(0.0f, 60.0f, d)), alpha);
        }
    }
    canvas.EndPixels();
}

// The row where column x's wall starts, near x (the highest of a few neighbours), so that what is
// planted there stands on rock.
double GroundAt(const Layers& layers, double x)
{
    const int c = std::clamp(static_cast<int>(x), 3, kSize - 4);
    int top = kSize;
    for (int d = -3; d <= 3; ++d)
        top = std::min(top, layers.skyline[c + d]);
    return top + 6.0;
}

// Whether (x, y) is on the wall, a margin in from its edges.
bool OnWall(const Layers& layers, double x, double y, int margin)
{
    const int ix = static_cast<int>(x);
    const int iy = static_cast<int>(y);
    if (ix < 0 || ix >= kSize || iy < 0 || iy >= kSize)
        return false;
    return iy > layers.skyline[ix] + margin && iy < layers.wallFoot[ix] - margin / 2;
}

// Coral colonies crowd the wall: massive heads of many kinds, scattered wherever there is rock,
// drawn from the top down so the nearer, lower ones overlap those above.
void ScatterColonies(CCanvas& canvas, const Layers& layers, CRandom& random, const CNoise& folds)
{
    const Rgb palette[] = {HexColour(0xb89a50), HexColour(0x8a9a50), HexColour(0xc8a040), HexColour(0x8a6a4a),
                           HexColour(0x9a7ab0), HexColour(0xc08090), HexColour(0x5a9a80), HexColour(0xd0c8a0),
                           HexColour(0x6a8a4a), HexColour(0x7a5a8a), HexColour(0xc07a40), HexColour(0xa0b868)};
    constexpr int kPalette = sizeof(palette) / sizeof(palette[0]);
    const CoralSurface surfaces[] = {CoralSurface::Grooved, CoralSurface::Polyps, CoralSurface::Knobbly,
                                     CoralSurface::Smooth};
    struct Colony
    {
        double x, y, r;
        int colour, surface;
    };
    std::vector<Colony> colonies;
    for (int attempt = 0; attempt < 4000 && colonies.size() < 85; ++attempt) {
        const double r = random.Range(16.0f, 52.0f);
        const double x = random.Range(0.0f, kSize);
        const double y = random.Range(200.0f, 900.0f);
        if (!OnWall(layers, x, y, static_cast<int>(r * 0.5)))
            continue;
        bool crowded = false;
        for (const Colony& c : colonies)
            crowded = crowded || std::hypot(c.x - x, c.y - y) < (c.r + r) * 0.75;
        if (!crowded)
            colonies.push_back({x, y, r, random.Below(kPalette), random.Below(4)});
    }
    std::sort(colonies.begin(), colonies.end(), [](const Colony& a, const Colony& b) { return a.y < b.y; });
    for (const Colony& c : colonies)
        PaintCoralHead(canvas, folds, c.x, c.y, c.r * random.Range(1.0f, 1.4f), c.r * 0.8, palette[c.colour],
                       surfaces[c.surface]);
}

void PlantReef(CCanvas& canvas, const Layers& layers)
{
    cairo_t* cr = canvas.Context();
    CRandom random(0x2EEF);
    const CNoise folds(0xB2A1);

    ScatterColonies(canvas, layers, random, folds);

    // A few big heads that anchor the picture.
    PaintCoralHead(canvas, folds, 330.0, 730.0, 78.0, 56.0, HexColour(0xb0a458), CoralSurface::Grooved);
    PaintCoralHead(canvas, folds, 930.0, 805.0, 66.0, 48.0, HexColour(0xc09a50), CoralSurface::Grooved);
    PaintCoralHead(canvas, folds, 700.0, 640.0, 58.0, 42.0, HexColour(0x8ab070), CoralSurface::Polyps);

    // Sponges and soft corals on ledges.
    PaintTubeSponges(cr, random, 455.0, 700.0, 110.0, HexColour(0xd86a2a));
    PaintTubeSponges(cr, random, 795.0, 575.0, 90.0, HexColour(0x8a4a9a));
    PaintTubeSponges(cr, random, 70.0, 875.0, 80.0, HexColour(0xd8b038));
    PaintTubeSponges(cr, random, 220.0, 560.0, 60.0, HexColour(0x5a70c0));
    PaintSoftCoral(cr, random, 620.0, 770.0, 95.0, HexColour(0xe0507a));
    PaintSoftCoral(cr, random, 880.0, 700.0, 80.0, HexColour(0xf08a40));
    PaintSoftCoral(cr, random, 260.0, 640.0, 70.0, HexColour(0xc060c8));
    PaintSoftCoral(cr, random, 130.0, 700.0, 60.0, HexColour(0xf0c040));
    PaintAnemone(cr, random, 560.0, 660.0, 45.0, HexColour(0x9a5a30), HexColour(0xf0d090));
    PaintAnemone(cr, random, 820.0, 860.0, 50.0, HexColour(0xb04868), HexColour(0xf8c0d0));

    // The skyline: fans and whips reaching into open water, staghorn thickets along the top.
    PaintSeaWhips(cr, random, 300.0, GroundAt(layers, 300.0), 200.0, HexColour(0xe0b030));
    PaintSeaWhips(cr, random, 700.0, GroundAt(layers, 700.0), 150.0, HexColour(0xd04830));
    PaintSeaFan(cr, random, 165.0, GroundAt(layers, 165.0), 230.0, HexColour(0x7a2c7a), HexColour(0xc870c0));
    PaintSeaFan(cr, random, 835.0, GroundAt(layers, 835.0), 200.0, HexColour(0xa02828), HexColour(0xf07050));
    PaintSeaFan(cr, random, 560.0, GroundAt(layers, 560.0), 150.0, HexColour(0xc06020), HexColour(0xf0b060));
    PaintStaghorn(cr, random, 420.0, GroundAt(layers, 420.0), 120.0, HexColour(0xc8b088), HexColour(0xb8a0e0));
    PaintStaghorn(cr, random, 760.0, GroundAt(layers, 760.0), 100.0, HexColour(0xb8a078), HexColour(0x90c0e8));
    PaintStaghorn(cr, random, 985.0, GroundAt(layers, 985.0), 90.0, HexColour(0xc0a890), HexColour(0xe8b0c8));
    PaintStaghorn(cr, random, 250.0, GroundAt(layers, 250.0), 70.0, HexColour(0xa89068), HexColour(0xe0d090));
    PaintAnemone(cr, random, 640.0, GroundAt(layers, 640.0) + 4.0, 60.0, HexColour(0xb04868), HexColour(0xf8c0d0));
    PaintSoftCoral(cr, random, 40.0, GroundAt(layers, 40.0), 90.0, HexColour(0xe84860));

    // The sand floor in front.
    PaintAnemone(cr, random, 380.0, 915.0, 55.0, HexColour(0x5a9a5a), HexColour(0xd0f0a0));
    PaintSeaGrass(cr, random, 40.0, 1010.0, 130.0);
    PaintSeaGrass(cr, random, 110.0, 1020.0, 90.0);
    PaintSeaGrass(cr, random, 980.0, 1015.0, 120.0);
    PaintSeaGrass(cr, random, 770.0, 1020.0, 70.0);
    PaintPebbles(cr, random, 0.0, kSize, 905.0, 1015.0, 70);
    PaintStarfish(cr, random, 600.0, 965.0, 34.0, HexColour(0xe05a2a));
    PaintStarfish(cr, random, 240.0, 985.0, 26.0, HexColour(0xd8a030));
}

// Water between the viewer and the reef: a blue veil thickening downwards and with depth of shade,
// and dancing light from the surface on the upper reef.
void GradeForWater(CCanvas& canvas)
{
    const CCellNoise cells(16, 12, 0xCA05);
    const CNoise warp(0xCA06);
    const Rgb veil = HexColour(0x1e4a6a);
    canvas.BeginPixels();
    for (int y = 0; y < kSize; ++y) {
        const float v = static_cast<float>(y) / kSize;
        for (int x = 0; x < kSize; ++x) {
            Rgb c;
            float alpha = 0.0f;
            canvas.ReadPixel(x, y, c, alpha);
            if (alpha <= 0.0f)
                continue;
            const float u = static_cast<float>(x) / kSize;
            float f1 = 0.0f, f2 = 0.0f;
            cells.Nearest(u + 0.02f * warp.Fractal(u * 6.0f, v * 6.0f, 2),
                          v + 0.02f * warp.Fractal(u * 6.0f + 4.0f, v * 6.0f, 2), f1, f2);
            const float caustic = std::exp(-(f2 - f1) * 10.0f) * (1.0f - SmoothStep(0.3f, 0.85f, v));
            c = Multiply(c, {1.0f + 0.35f * caustic, 1.0f + 0.45f * caustic, 1.0f + 0.5f * caustic});
            // Reds fade first in water, and a faint blue veil lies over everything.
            c = Multiply(c, {0.92f, 0.97f, 1.0f});
            c = Mix(c, veil, 0.1f);
            canvas.WritePixel(x, y, c, alpha);
        }
    }
    canvas.EndPixels();
}

// The finished picture: a pixel is reef when at least half covered, and then never darker than the
// darkest paint; anything less is open water, pure black.
CRgbImage KeyOpenWater(CCanvas& canvas)
{
    canvas.BeginPixels();
    CRgbImage image(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            Rgb c;
            float alpha = 0.0f;
            canvas.ReadPixel(x, y, c, alpha);
            uint8_t* rgb = image.Pixel(x, y);
            if (alpha < 0.5f) {
                rgb[0] = rgb[1] = rgb[2] = 0;
                continue;
            }
            rgb[0] = std::max(ToByte(c.r), kDarkestPaint[0]);
            rgb[1] = std::max(ToByte(c.g), kDarkestPaint[1]);
            rgb[2] = std::max(ToByte(c.b), kDarkestPaint[2]);
        }
    }
    return image;
}
} // namespace

CRgbImage PaintBackdrop()
{
    const CNoise shape(0x0D71E);
    const CReefOutline outline(shape);
    CCanvas canvas(kSize, kSize);
    Layers layers;
    PaintFarRidge(canvas, outline);
    PaintSand(canvas, outline);
    PaintWall(canvas, outline, layers);
    ShadeSandByWall(canvas, layers);
    PlantReef(canvas, layers);
    GradeForWater(canvas);
    return KeyOpenWater(canvas);
}
