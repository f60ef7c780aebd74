// PaintEffects.cpp -- caustics, light shafts and the bubble.
#include "art/PaintEffects.h"

#include "art/Canvas.h"
#include "art/CellNoise.h"
#include "art/Colour.h"
#include "art/Noise.h"
#include "art/Random.h"

#include <cmath>
#include <vector>

namespace {
constexpr float kPi = 3.14159265f;

// Brightness 0..~1 of a caustic net at (x, y) in the unit square, its cell borders wobbled by noise.
float Caustic(const CCellNoise& cells, const CNoise& warp, float x, float y)
{
    // Displace the lookup by periodic noise so the cell borders bend like refracted light.
    const float wx = x + 0.02f * warp.Fractal(x * 8.0f, y * 3.0f, 3, 8, 3);
    const float wy = y + 0.05f * warp.Fractal(x * 8.0f + 9.0f, y * 3.0f + 5.0f, 3, 8, 3);
    float first = 0.0f;
    float second = 0.0f;
    cells.Nearest(wx, wy, first, second);
    const float border = second - first; // 0 on a border, in cell units
    return std::exp(-border * 6.0f);
}
} // namespace

CRgbImage PaintWaterGlow()
{
    constexpr int kSize = 128;
    // The picture is stretched about three times wider than tall over the back of the tank, so
    // its cells are drawn three times narrower to look round there.
    const CCellNoise coarse(9, 3, 0xC0A57);
    const CCellNoise fine(15, 5, 0xF1E5);
    const CNoise warp(0x3A7E5);
    const CNoise patches(0x9A7C4);
    const Rgb lightTint = HexColour(0x9fe0ff);
    CRgbImage image(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float u = static_cast<float>(x) / kSize;
            const float v = static_cast<float>(y) / kSize;
            // Two nets of different scale: where they cross the light gathers into bright knots.
            const float a = Caustic(coarse, warp, u, v);
            const float b = Caustic(fine, warp, u + 0.37f, v + 0.61f);
            // Large soft patches where the surface focuses more light.
            const float patch = 0.6f + 0.4f * patches.Fractal(u * 2.0f, v * 2.0f, 2, 2, 2);
            const float light = patch * (0.55f * a + 0.30f * b + 0.35f * a * b) + 0.04f;
            const Rgb c = Scale(lightTint, 0.95f * light);
            uint8_t* rgb = image.Pixel(x, y);
            rgb[0] = ToByte(c.r);
            rgb[1] = ToByte(c.g);
            rgb[2] = ToByte(c.b);
        }
    }
    return image;
}

CRgbImage PaintLightRays()
{
    constexpr int kSize = 256;
    constexpr int kRays = 11;
    CRandom random(0x6A1);
    struct Ray
    {
        float x;        // where it leaves the top edge, 0..1
        float slope;    // sideways drift per picture height
        float width;    // half-width at the top, picture widths
        float spread;   // extra half-width gained by the bottom
        float strength; // 0..1
        float reach;    // how far down it fades, picture heights
    };
    std::vector<Ray> rays;
    for (int i = 0; i < kRays; ++i) {
        Ray ray;
        ray.x = (static_cast<float>(i) + random.Range(0.15f, 0.85f)) / kRays;
        // Shafts fan out slightly, as from a sun overhead near the middle.
        ray.slope = (ray.x - 0.5f) * 0.2f + random.Range(-0.03f, 0.03f);
        ray.width = random.Range(0.006f, 0.028f);
        ray.spread = random.Range(0.01f, 0.04f);
        ray.strength = random.Range(0.35f, 1.0f);
        ray.reach = random.Range(0.55f, 1.1f);
        rays.push_back(ray);
    }
    const CNoise shimmer(0x5B1);
    const Rgb tint = HexColour(0xd8f0ff);
    CRgbImage image(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        const float depth = (static_cast<float>(y) + 0.5f) / kSize; // 0 at the top edge
        for (int x = 0; x < kSize; ++x) {
            const float u = (static_cast<float>(x) + 0.5f) / kSize;
            float light = 0.0f;
            for (const Ray& ray : rays) {
                // Sideways distance to the shaft's axis, measured around the wrap so it tiles.
                float d = u - (ray.x + ray.slope * depth);
                d -= std::round(d);
                const float halfWidth = ray.width + ray.spread * depth;
                // A shaft that widens spreads the same light thinner.
                const float across = std::exp(-(d * d) / (2.0f * halfWidth * halfWidth)) * ray.width / halfWidth;
                const float down = std::exp(-depth / ray.reach) * SmoothStep(0.0f, 0.08f, depth + 0.02f);
                light += ray.strength * across * down;
            }
            // Faint flicker along the shafts; its period matches the picture so the tiling holds.
            light *= 0.8f + 0.2f * shimmer.Fractal(u * 8.0f, depth * 3.0f, 2, 8);
            // A little light everywhere near the top, where the surface is.
            light += 0.12f * std::exp(-depth * 5.0f);
            const float fade = 1.0f - SmoothStep(0.75f, 1.0f, depth); // nothing reaches the bottom row
            const Rgb c = Scale(tint, 0.85f * light * fade);
            uint8_t* rgb = image.Pixel(x, y);
            rgb[0] = ToByte(c.r);
            rgb[1] = ToByte(c.g);
            rgb[2] = ToByte(c.b);
        }
    }
    return image;
}

CRgbImage PaintBubble()
{
    constexpr int kSize = 32;
    constexpr double kCentre = kSize / 2.0;
    constexpr double kRadius = 13.0;
    CCanvas canvas(kSize, kSize);
    cairo_t* cr = canvas.Context();

    // A faint body: clear in the middle, thickening towards the skin where light grazes it.
    cairo_pattern_t* body = cairo_pattern_create_radial(kCentre, kCentre, 0.0, kCentre, kCentre, kRadius);
    cairo_pattern_add_color_stop_rgba(body, 0.0, 0.55, 0.75, 0.9, 0.04);
    cairo_pattern_add_color_stop_rgba(body, 0.7, 0.6, 0.8, 0.95, 0.12);
    cairo_pattern_add_color_stop_rgba(body, 1.0, 0.75, 0.9, 1.0, 0.45);
    cairo_set_source(cr, body);
    cairo_arc(cr, kCentre, kCentre, kRadius, 0.0, 2.0 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(body);

    // The rim: a bright ring, brighter on the lit upper side.
    cairo_pattern_t* rim = cairo_pattern_create_linear(0.0, 2.0, 0.0, kSize - 2.0);
    cairo_pattern_add_color_stop_rgba(rim, 0.0, 0.95, 1.0, 1.0, 1.0);
    cairo_pattern_add_color_stop_rgba(rim, 1.0, 0.6, 0.8, 0.95, 0.85);
    cairo_set_source(cr, rim);
    cairo_set_line_width(cr, 1.8);
    cairo_arc(cr, kCentre, kCentre, kRadius, 0.0, 2.0 * kPi);
    cairo_stroke(cr);
    cairo_pattern_destroy(rim);

    // The window highlight up and to the left, just inside the rim, and its faint twin opposite.
    cairo_save(cr);
    cairo_translate(cr, kCentre - 5.5, kCentre - 5.5);
    cairo_rotate(cr, -kPi / 4.0);
    cairo_scale(cr, 1.0, 0.55);
    cairo_pattern_t* glint = cairo_pattern_create_radial(0.0, 0.0, 0.0, 0.0, 0.0, 4.0);
    cairo_pattern_add_color_stop_rgba(glint, 0.0, 1.0, 1.0, 1.0, 0.95);
    cairo_pattern_add_color_stop_rgba(glint, 1.0, 1.0, 1.0, 1.0, 0.0);
    cairo_set_source(cr, glint);
    cairo_arc(cr, 0.0, 0.0, 4.0, 0.0, 2.0 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(glint);
    cairo_restore(cr);

    cairo_set_source_rgba(cr, 0.8, 0.95, 1.0, 0.35);
    cairo_set_line_width(cr, 1.2);
    cairo_arc(cr, kCentre, kCentre, kRadius - 3.0, 0.15 * kPi, 0.45 * kPi);
    cairo_stroke(cr);

    return canvas.ToImage();
}
