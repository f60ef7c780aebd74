// PaintPlants.cpp -- leaves drawn from a few shape numbers: outline, midrib, veins and colour.
#include "art/PaintPlants.h"

#include "art/Canvas.h"
#include "art/Colour.h"
#include "art/Noise.h"
#include "art/Random.h"

#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979;
constexpr int kSize = 128;

// One leaf shape. Positions along the leaf are t = 0 at the base to 1 at the tip; the half-width at
// t is width * sin(pi * t^taper)^fullness, so taper below 1 puts the widest point near the base
// and fullness below 1 gives a broad, blunt outline. A strap keeps its full width up to the tip
// and ends in a round cap.
struct LeafShape
{
    float width; // largest half-width, as a fraction of the leaf's length
    float taper;
    float fullness;
    bool strap;        // parallel sides and a rounded tip
    int lateralVeins;  // pairs of side veins leaving the midrib towards the tip
    int parallelVeins; // veins running along the leaf beside the midrib (grass, straps)
    Rgb base;          // colour at the base
    Rgb tip;           // colour at the tip
    Rgb vein;          // colour of the midrib and veins
    Rgb rim;           // colour the edge shades to
};

// A leaf placed in the picture: along a gently curved axis from (baseX, baseY) to (tipX, tipY),
// the axis bowing sideways by `bow` pixels at its middle.
struct LeafPlacement
{
    double baseX, baseY, tipX, tipY, bow;
    float lengthScale; // widths are relative to this leaf's own length times this
};

struct Frame
{
    double x, y;   // point on the axis
    double nx, ny; // unit normal to the axis (to the leaf's left)
};

Frame AxisAt(const LeafPlacement& leaf, double t)
{
    const double dx = leaf.tipX - leaf.baseX;
    const double dy = leaf.tipY - leaf.baseY;
    const double length = std::sqrt(dx * dx + dy * dy);
    const double ux = dx / length;
    const double uy = dy / length;
    // The bow is a parabola across the axis, zero at both ends.
    const double side = leaf.bow * 4.0 * t * (1.0 - t);
    const double slope = leaf.bow * 4.0 * (1.0 - 2.0 * t) / length;
    Frame f;
    f.x = leaf.baseX + dx * t - uy * side;
    f.y = leaf.baseY + dy * t + ux * side;
    // Tangent is u + slope * n; the normal is the tangent turned a quarter.
    const double tx = ux - uy * slope;
    const double ty = uy + ux * slope;
    const double tl = std::sqrt(tx * tx + ty * ty);
    f.nx = -ty / tl;
    f.ny = tx / tl;
    return f;
}

double HalfWidth(const LeafShape& shape, const LeafPlacement& leaf, double t)
{
    const double length = std::hypot(leaf.tipX - leaf.baseX, leaf.tipY - leaf.baseY) * leaf.lengthScale;
    if (shape.strap) {
        // Narrower at the very base, then parallel sides up to a round cap as long as it is wide.
        const double full = shape.width * length;
        const double spine = std::hypot(leaf.tipX - leaf.baseX, leaf.tipY - leaf.baseY);
        const double capStart = 1.0 - full / spine;
        const double cap =
            t <= capStart ? 1.0 : std::sqrt(std::max(0.0, 1.0 - std::pow((t - capStart) / (1.0 - capStart), 2.0)));
        return full * cap * (0.6 + 0.4 * std::min(1.0, t * 5.0));
    }
    const double s = std::sin(kPi * std::pow(t, shape.taper));
    return shape.width * length * std::pow(std::max(0.0, s), shape.fullness);
}

void OutlinePath(cairo_t* cr, const LeafShape& shape, const LeafPlacement& leaf)
{
    constexpr int kSteps = 48;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        const Frame f = AxisAt(leaf, t);
        const double w = HalfWidth(shape, leaf, t);
        i == 0 ? cairo_move_to(cr, f.x + f.nx * w, f.y + f.ny * w) : cairo_line_to(cr, f.x + f.nx * w, f.y + f.ny * w);
    }
    for (int i = kSteps; i >= 0; --i) {
        const double t = static_cast<double>(i) / kSteps;
        const Frame f = AxisAt(leaf, t);
        const double w = HalfWidth(shape, leaf, t);
        cairo_line_to(cr, f.x - f.nx * w, f.y - f.ny * w);
    }
    cairo_close_path(cr);
}

void AxisPath(cairo_t* cr, const LeafPlacement& leaf, double offset, const LeafShape& shape, double t1)
{
    constexpr int kSteps = 32;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = t1 * i / kSteps;
        const Frame f = AxisAt(leaf, t);
        const double w = HalfWidth(shape, leaf, t) * offset;
        i == 0 ? cairo_move_to(cr, f.x + f.nx * w, f.y + f.ny * w) : cairo_line_to(cr, f.x + f.nx * w, f.y + f.ny * w);
    }
}

void DrawLeaf(cairo_t* cr, const LeafShape& shape, const LeafPlacement& leaf)
{
    const Frame base = AxisAt(leaf, 0.0);
    const Frame tip = AxisAt(leaf, 1.0);

    // Body: colour from base to tip, then the edges shaded towards the rim colour so the blade
    // reads as curved.
    cairo_pattern_t* along = cairo_pattern_create_linear(base.x, base.y, tip.x, tip.y);
    cairo_pattern_add_color_stop_rgb(along, 0.0, shape.base.r, shape.base.g, shape.base.b);
    cairo_pattern_add_color_stop_rgb(along, 1.0, shape.tip.r, shape.tip.g, shape.tip.b);
    cairo_set_source(cr, along);
    OutlinePath(cr, shape, leaf);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(along);
    SetSource(cr, shape.rim, 0.8f);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);

    cairo_save(cr);
    OutlinePath(cr, shape, leaf);
    cairo_clip(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);

    // Veins beside the midrib, running the length of grass and straps.
    SetSource(cr, shape.vein, 0.45f);
    cairo_set_line_width(cr, 0.7);
    for (int k = 1; k <= shape.parallelVeins; ++k) {
        const double offset = static_cast<double>(k) / (shape.parallelVeins + 1);
        AxisPath(cr, leaf, offset, shape, 1.0);
        cairo_stroke(cr);
        AxisPath(cr, leaf, -offset, shape, 1.0);
        cairo_stroke(cr);
    }

    // Side veins: from the midrib, curving out and up towards the edge.
    SetSource(cr, shape.vein, 0.6f);
    cairo_set_line_width(cr, 0.9);
    for (int k = 0; k < shape.lateralVeins; ++k) {
        const double t0 = 0.08 + 0.8 * (k + 0.5) / shape.lateralVeins;
        const double t1 = std::min(1.0, t0 + 0.16);
        const Frame f0 = AxisAt(leaf, t0);
        const Frame fm = AxisAt(leaf, (t0 + t1) * 0.5);
        const Frame f1 = AxisAt(leaf, t1);
        for (double sideSign : {1.0, -1.0}) {
            const double wm = HalfWidth(shape, leaf, (t0 + t1) * 0.5) * 0.6 * sideSign;
            const double w1 = HalfWidth(shape, leaf, t1) * 0.95 * sideSign;
            cairo_move_to(cr, f0.x, f0.y);
            cairo_curve_to(cr, fm.x + fm.nx * wm, fm.y + fm.ny * wm, f1.x + f1.nx * w1, f1.y + f1.ny * w1,
                           f1.x + f1.nx * w1, f1.y + f1.ny * w1);
            cairo_stroke(cr);
        }
    }

    // The midrib, thick at the base and fading out before the tip.
    cairo_pattern_t* rib = cairo_pattern_create_linear(base.x, base.y, tip.x, tip.y);
    cairo_pattern_add_color_stop_rgba(rib, 0.0, shape.vein.r, shape.vein.g, shape.vein.b, 0.95);
    cairo_pattern_add_color_stop_rgba(rib, 1.0, shape.vein.r, shape.vein.g, shape.vein.b, 0.1);
    cairo_set_source(cr, rib);
    cairo_set_line_width(cr, std::max(1.0, HalfWidth(shape, leaf, 0.3) * 0.12));
    AxisPath(cr, leaf, 0.0, shape, 0.97);
    cairo_stroke(cr);
    cairo_pattern_destroy(rib);
    cairo_restore(cr);
}

// Fine mottling over the painted leaf so no two spots of it are quite the same green.
void Mottle(CCanvas& canvas, uint64_t seed)
{
    const CNoise noise(seed);
    canvas.BeginPixels();
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            Rgb c;
            float alpha = 0.0f;
            canvas.ReadPixel(x, y, c, alpha);
            if (alpha <= 0.0f)
                continue;
            const float n = noise.Fractal(x / 10.0f, y / 10.0f, 3);
            canvas.WritePixel(x, y, Scale(c, 1.0f + 0.14f * n), alpha);
        }
    }
    canvas.EndPixels();
}

// The leaves, one entry each: width, taper, fullness, strap, side veins, parallel veins, then the
// base, tip, vein and rim colours.
// clang-format off
constexpr LeafShape kRosetteLeaf{0.2f, 0.85f, 0.7f, false, 7, 0,
                                 HexColour(0x3f7a22), HexColour(0x6aa83a), HexColour(0xa8d878), HexColour(0x24501a)};
constexpr LeafShape kGrassBlade{0.035f, 0.5f, 0.6f, false, 0, 1,
                                HexColour(0x2f6a24), HexColour(0x7ab848), HexColour(0x9ad070), HexColour(0x1e4818)};
constexpr LeafShape kStrapBlade{0.1f, 1.0f, 1.0f, true, 0, 3,
                                HexColour(0x5a3a22), HexColour(0x9a4a38), HexColour(0xc88068), HexColour(0x3a2418)};
constexpr LeafShape kStarLeaf{0.26f, 1.2f, 0.8f, false, 5, 0,
                              HexColour(0x5a9a2a), HexColour(0x9ccc48), HexColour(0xd0ec98), HexColour(0x30601c)};
constexpr LeafShape kFrondStem{0.012f, 0.3f, 0.2f, false, 0, 0,
                               HexColour(0x3a5a1c), HexColour(0x5a7a2c), HexColour(0x4a6a24), HexColour(0x2a4414)};
constexpr LeafShape kFrondLeaflet{0.22f, 0.9f, 0.8f, false, 0, 0,
                                  HexColour(0x2e6a2a), HexColour(0x4c9240), HexColour(0x8cc478), HexColour(0x1c4418)};
// clang-format on

CRgbImage PaintLeaves(const LeafShape& shape, const std::vector<LeafPlacement>& leaves, uint64_t seed)
{
    CCanvas canvas(kSize, kSize);
    for (const LeafPlacement& leaf : leaves)
        DrawLeaf(canvas.Context(), shape, leaf);
    Mottle(canvas, seed);
    return canvas.ToImage();
}

CRgbImage PaintGrass()
{
    // Blades side by side, leaning a little each way, of different heights.
    CRandom random(0x62A55);
    std::vector<LeafPlacement> blades;
    constexpr int kBlades = 9;
    for (int i = 0; i < kBlades; ++i) {
        const double x = 8.0 + 112.0 * i / (kBlades - 1) + random.Range(-3.0f, 3.0f);
        const double lean = random.Range(-14.0f, 14.0f);
        blades.push_back({x, 130.0, x + lean, random.Range(2.0f, 24.0f), random.Range(-6.0f, 6.0f), 1.8f});
    }
    return PaintLeaves(kGrassBlade, blades, 0x62A56);
}

CRgbImage PaintFrond()
{
    CCanvas canvas(kSize, kSize);
    cairo_t* cr = canvas.Context();
    const LeafPlacement stem{64.0, 130.0, 66.0, 4.0, 5.0, 1.0f};
    // Leaflets in pairs along the stem, shrinking towards the tip and pointing up and out.
    constexpr int kPairs = 11;
    for (int k = 0; k < kPairs; ++k) {
        const double t = 0.1 + 0.86 * k / kPairs;
        const Frame f = AxisAt(stem, t);
        const double length = 50.0 * (1.0 - t) + 8.0;
        for (double side : {1.0, -1.0}) {
            const double angle = side * (0.42 * kPi) * (1.0 - 0.35 * t); // from the stem, radians
            // The stem's direction is up the picture; turn it by the angle for the leaflet.
            const double dx = std::sin(angle);
            const double dy = -std::cos(angle);
            const LeafPlacement leaflet{f.x, f.y, f.x + dx * length, f.y + dy * length, -side * length * 0.1, 1.0f};
            DrawLeaf(cr, kFrondLeaflet, leaflet);
        }
    }
    DrawLeaf(cr, kFrondStem, stem);
    Mottle(canvas, 0xF20D);
    return canvas.ToImage();
}
} // namespace

std::vector<PlantPicture> PaintPlants()
{
    std::vector<PlantPicture> pictures;
    pictures.push_back({"cao0", PaintLeaves(kRosetteLeaf, {{64.0, 127.0, 62.0, 3.0, 6.0, 1.2f}}, 0xCA00)});
    pictures.push_back({"cao1", PaintGrass()});
    pictures.push_back({"cao3", PaintLeaves(kStrapBlade, {{64.0, 128.0, 64.0, 2.0, 3.0, 3.0f}}, 0xCA03)});
    pictures.push_back({"cao4", PaintLeaves(kStarLeaf, {{64.0, 127.0, 64.0, 6.0, 0.0, 1.0f}}, 0xCA04)});
    pictures.push_back({"cao5", PaintFrond()});
    return pictures;
}
