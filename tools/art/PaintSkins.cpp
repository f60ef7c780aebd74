// PaintSkins.cpp -- one painter for every species: body shading, then markings, eye and fin strip.
#include "art/PaintSkins.h"

#include "art/Canvas.h"
#include "art/Noise.h"
#include "art/Random.h"

#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979;
constexpr double kBodyW = kSkinBodyWidth;
constexpr double kBodyH = kSkinHeight;
constexpr int kFinStripWidth = kSkinWidth - kSkinBodyWidth;
constexpr int kFinHalfHeight = kSkinHeight / 2;

// Back, flank and belly colours blended around the body: the back holds until a little above the
// flank line, the belly brightens quickly below it, as light from above shades a fish.
Rgb BodyColour(const SkinRecipe& recipe, float v)
{
    if (v < 0.45f)
        return Mix(recipe.back, recipe.flank, SmoothStep(0.0f, 0.45f, v));
    return Mix(recipe.flank, recipe.belly, SmoothStep(0.45f, 1.0f, v));
}

void PaintBody(CCanvas& canvas, const SkinRecipe& recipe, const CNoise& noise)
{
    canvas.BeginPixels();
    for (int y = 0; y < kSkinHeight; ++y) {
        const float v = (static_cast<float>(y) + 0.5f) / kSkinHeight;
        for (int x = 0; x < kSkinBodyWidth; ++x) {
            const float mottle = noise.Fractal(static_cast<float>(x) / 20.0f, static_cast<float>(y) / 20.0f, 4);
            canvas.WritePixel(x, y, Scale(BodyColour(recipe, v), 1.0f + recipe.mottle * mottle), 1.0f);
        }
    }
    canvas.EndPixels();
}

void BarPath(cairo_t* cr, const Marking& m, float halfWidth)
{
    // Down the left edge, up the right edge; the bow follows a half sine from back to belly.
    constexpr int kSteps = 16;
    for (int i = 0; i <= kSteps; ++i) {
        const double v = static_cast<double>(i) / kSteps;
        const double u = m.u - halfWidth - m.bend * std::sin(kPi * v);
        i == 0 ? cairo_move_to(cr, u * kBodyW, v * kBodyH) : cairo_line_to(cr, u * kBodyW, v * kBodyH);
    }
    for (int i = kSteps; i >= 0; --i) {
        const double v = static_cast<double>(i) / kSteps;
        cairo_line_to(cr, (m.u + halfWidth - m.bend * std::sin(kPi * v)) * kBodyW, v * kBodyH);
    }
    cairo_close_path(cr);
}

// A closed blob whose radius wanders with noise, so patches look painted by nature, not a compass.
void BlobPath(cairo_t* cr, const CNoise& noise, double cx, double cy, double radius, float seedOffset)
{
    constexpr int kSteps = 40;
    for (int i = 0; i < kSteps; ++i) {
        const double a = 2.0 * kPi * i / kSteps;
        const float wobble = noise.Sample(static_cast<float>(std::cos(a)) * 1.5f + seedOffset,
                                          static_cast<float>(std::sin(a)) * 1.5f + seedOffset);
        const double r = radius * (1.0 + 0.35 * wobble);
        const double px = cx + r * std::cos(a);
        const double py = cy + r * std::sin(a);
        i == 0 ? cairo_move_to(cr, px, py) : cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
}

// A smooth curve through the points (Catmull-Rom turned into Bezier segments).
void SmoothPath(cairo_t* cr, const std::vector<std::pair<float, float>>& points)
{
    auto at = [&](int i) {
        const int n = static_cast<int>(points.size());
        const auto& p = points[i < 0 ? 0 : (i >= n ? n - 1 : i)];
        return std::pair<double, double>(p.first * kBodyW, p.second * kBodyH);
    };
    cairo_move_to(cr, at(0).first, at(0).second);
    for (int i = 0; i + 1 < static_cast<int>(points.size()); ++i) {
        const auto p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        cairo_curve_to(cr, p1.first + (p2.first - p0.first) / 6.0, p1.second + (p2.second - p0.second) / 6.0,
                       p2.first - (p3.first - p1.first) / 6.0, p2.second - (p3.second - p1.second) / 6.0, p2.first,
                       p2.second);
    }
}

void PaintScaleNet(cairo_t* cr, const Marking& m)
{
    const double length = m.size * kBodyH;
    const double across = length * 0.8;
    const double down = length * 0.55;
    cairo_set_line_width(cr, std::max(1.0, length * 0.09));
    int row = 0;
    for (double y = 0.0; y < kBodyH + length; y += down, ++row) {
        // Rows are staggered by half a scale; drawn from the tail forward so each scale's rim lies
        // over the one behind it, as real scales overlap towards the tail.
        const double offset = (row % 2) * across * 0.5;
        for (double x = kBodyW + across - offset; x > -across; x -= across) {
            cairo_pattern_t* sheen = cairo_pattern_create_radial(x, y, 0.0, x, y, length * 0.5);
            cairo_pattern_add_color_stop_rgba(sheen, 0.0, 1.0, 1.0, 0.95, 0.22 * m.opacity);
            cairo_pattern_add_color_stop_rgba(sheen, 1.0, 1.0, 1.0, 0.95, 0.0);
            cairo_set_source(cr, sheen);
            cairo_arc(cr, x, y, length * 0.5, 0.0, 2.0 * kPi);
            cairo_fill(cr);
            cairo_pattern_destroy(sheen);
            SetSource(cr, m.colour, m.opacity);
            cairo_arc(cr, x, y, length * 0.5, -0.42 * kPi, 0.42 * kPi);
            cairo_stroke(cr);
        }
    }
}

void PaintMarking(cairo_t* cr, const Marking& m, CRandom& random, const CNoise& noise)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (m.kind) {
    case MarkKind::Bar:
        if (m.edgeWidth > 0.0f) {
            SetSource(cr, m.edge, m.opacity);
            BarPath(cr, m, m.size + m.edgeWidth);
            cairo_fill(cr);
        }
        SetSource(cr, m.colour, m.opacity);
        BarPath(cr, m, m.size);
        cairo_fill(cr);
        break;
    case MarkKind::Stripe:
        SetSource(cr, m.colour, m.opacity);
        cairo_set_line_width(cr, 2.0 * m.size * kBodyH);
        cairo_move_to(cr, m.u0 * kBodyW, m.v * kBodyH);
        cairo_line_to(cr, m.u1 * kBodyW, m.v * kBodyH);
        cairo_stroke(cr);
        break;
    case MarkKind::Spots:
        SetSource(cr, m.colour, m.opacity);
        for (int i = 0; i < m.count; ++i) {
            const double x = random.Range(m.u0, m.u1) * kBodyW;
            const double y = random.Range(m.v0, m.v1) * kBodyH;
            const double r = random.Range(m.size, m.size2) * kBodyH;
            const double aspect = random.Range(0.75f, 1.25f);
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_scale(cr, aspect, 1.0 / aspect);
            cairo_arc(cr, 0.0, 0.0, r, 0.0, 2.0 * kPi);
            cairo_restore(cr);
            cairo_fill(cr);
        }
        break;
    case MarkKind::Patch: {
        const double cx = m.u * kBodyW;
        const double cy = m.v * kBodyH;
        const double r = m.size * kBodyH;
        cairo_pattern_t* soft = cairo_pattern_create_radial(cx, cy, 0.0, cx, cy, r * 1.35);
        cairo_pattern_add_color_stop_rgba(soft, 0.0, m.colour.r, m.colour.g, m.colour.b, m.opacity);
        cairo_pattern_add_color_stop_rgba(soft, 0.6, m.colour.r, m.colour.g, m.colour.b, m.opacity);
        cairo_pattern_add_color_stop_rgba(soft, 1.0, m.colour.r, m.colour.g, m.colour.b, 0.0);
        cairo_set_source(cr, soft);
        BlobPath(cr, noise, cx, cy, r, random.Range(0.0f, 50.0f));
        cairo_fill(cr);
        cairo_pattern_destroy(soft);
        break;
    }
    case MarkKind::WavyLines:
        SetSource(cr, m.colour, m.opacity);
        cairo_set_line_width(cr, 2.0 * m.size * kBodyH);
        for (int i = 0; i < m.count; ++i) {
            const double base = (i + 0.5) / m.count;
            const float phase = random.Range(0.0f, 6.2832f);
            const float row = random.Range(0.0f, 100.0f);
            for (int s = 0; s <= 64; ++s) {
                const double u = s / 64.0;
                const double v = base + 0.022 * std::sin(2.0 * kPi * u * 3.5 + phase) +
                                 0.03 * noise.Sample(static_cast<float>(u) * 6.0f, row);
                s == 0 ? cairo_move_to(cr, u * kBodyW, v * kBodyH) : cairo_line_to(cr, u * kBodyW, v * kBodyH);
            }
            cairo_stroke(cr);
        }
        break;
    case MarkKind::ScaleNet:
        PaintScaleNet(cr, m);
        break;
    case MarkKind::Path:
        SetSource(cr, m.colour, m.opacity);
        cairo_set_line_width(cr, 2.0 * m.size * kBodyH);
        SmoothPath(cr, m.points);
        cairo_stroke(cr);
        break;
    }
}

void PaintEye(cairo_t* cr, const SkinRecipe& recipe)
{
    // An ellipse of the picture that is a circle on the fish: r across the girth, r / aspect along.
    const double x = recipe.layout.eyeAlong * kBodyW;
    const double y = recipe.layout.eyeAround * kBodyH;
    const double r = recipe.layout.eyeRadius * kBodyH;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, skin::EyeRadiusU(recipe.layout) * kSkinWidth / r, 1.0);
    cairo_translate(cr, -x, -y);
    cairo_set_source_rgb(cr, 0.08, 0.08, 0.08);
    cairo_arc(cr, x, y, r, 0.0, 2.0 * kPi);
    cairo_fill(cr);
    SetSource(cr, recipe.iris);
    cairo_arc(cr, x, y, r * 0.8, 0.0, 2.0 * kPi);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.02, 0.02, 0.03);
    cairo_arc(cr, x, y, r * 0.45, 0.0, 2.0 * kPi);
    cairo_fill(cr);
    cairo_set_source_rgba(cr, 1.0, 1.0, 1.0, 0.9);
    cairo_arc(cr, x - r * 0.3, y - r * 0.3, r * 0.18, 0.0, 2.0 * kPi);
    cairo_fill(cr);
    cairo_restore(cr);
}

// One fin of the strip, rows y0..y0+63: colour from base to tip, rays along its length, bands and
// the rim across it.
void PaintFin(CCanvas& canvas, const FinPaint& fin, int y0, const CNoise& noise)
{
    constexpr float kRaySpacing = 9.0f; // pixels between rays
    canvas.BeginPixels();
    for (int y = y0; y < y0 + kFinHalfHeight; ++y) {
        // Distance in pixels to the nearest ray.
        const float along = std::fmod(static_cast<float>(y - y0) + kRaySpacing * 0.5f, kRaySpacing);
        const float rayDistance = std::fabs(along - kRaySpacing * 0.5f);
        const float ray = std::exp(-rayDistance * rayDistance / 1.2f);
        for (int x = kSkinBodyWidth; x < kSkinWidth; ++x) {
            const float t = (static_cast<float>(x - kSkinBodyWidth) + 0.5f) / kFinStripWidth;
            Rgb c = Mix(fin.base, fin.tip, t);
            c = Scale(c, 1.0f - 0.4f * fin.rays * ray + 0.05f * noise.Sample(x / 6.0f, y / 6.0f));
            if (fin.bands > 0) {
                const float phase = t * (fin.bands + 0.6f);
                const float band = std::exp(-std::pow((phase - std::round(phase)) * 4.0f, 2.0f));
                if (phase > 0.5f)
                    c = Mix(c, fin.bandColour, 0.85f * band);
            }
            if (fin.edgeWidth > 0.0f)
                c = Mix(c, fin.edge, SmoothStep(1.0f - fin.edgeWidth - 0.04f, 1.0f - fin.edgeWidth + 0.04f, t));
            canvas.WritePixel(x, y, c, 1.0f);
        }
    }
    canvas.EndPixels();
}

void PaintFinSpots(cairo_t* cr, const FinPaint& fin, int y0, CRandom& random)
{
    SetSource(cr, fin.spotColour, 0.9f);
    const double inner = 1.0 - fin.edgeWidth; // spots stay off the rim
    for (int i = 0; i < fin.spots; ++i) {
        const double x = kSkinBodyWidth + random.Range(0.1f, static_cast<float>(inner) - 0.05f) * kFinStripWidth;
        const double y = y0 + random.Range(3.0f, kFinHalfHeight - 3.0f);
        cairo_arc(cr, x, y, random.Range(1.2f, 2.4f), 0.0, 2.0 * kPi);
        cairo_fill(cr);
    }
}
} // namespace

CRgbImage PaintSkin(const SkinRecipe& recipe, uint64_t seed)
{
    CCanvas canvas(kSkinWidth, kSkinHeight);
    cairo_t* cr = canvas.Context();
    const CNoise noise(seed);
    CRandom random(seed ^ 0x5EED5EEDull);

    PaintBody(canvas, recipe, noise);
    PaintFin(canvas, recipe.tail, 0, noise);
    PaintFin(canvas, recipe.fins, kFinHalfHeight, noise);

    cairo_save(cr);
    cairo_rectangle(cr, 0.0, 0.0, kBodyW, kBodyH);
    cairo_clip(cr);
    for (const Marking& marking : recipe.markings)
        PaintMarking(cr, marking, random, noise);
    if (recipe.eye)
        PaintEye(cr, recipe);
    cairo_restore(cr);

    cairo_save(cr);
    cairo_rectangle(cr, kBodyW, 0.0, kFinStripWidth, kBodyH);
    cairo_clip(cr);
    PaintFinSpots(cr, recipe.tail, 0, random);
    PaintFinSpots(cr, recipe.fins, kFinHalfHeight, random);
    cairo_restore(cr);

    return canvas.ToImage();
}
