// ReefCorals.cpp -- fans, corals, sponges, anemones, grass and stones of the reef picture.
#include "art/ReefCorals.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double kPi = 3.14159265358979;

struct Point
{
    double x, y;
};

// Light from above-left, towards the viewer; unit length. x right, y down, z out of the picture.
constexpr double kLightX = -0.38, kLightY = -0.78, kLightZ = 0.5;

void SetRgb(cairo_t* cr, const Rgb& c, double alpha = 1.0)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

// A stroke from a to b bowed sideways by `bow` pixels, as living branches never run straight.
void BowedLine(cairo_t* cr, Point a, Point b, double bow)
{
    const double mx = (a.x + b.x) * 0.5;
    const double my = (a.y + b.y) * 0.5;
    const double len = std::max(1e-6, std::hypot(b.x - a.x, b.y - a.y));
    const double nx = -(b.y - a.y) / len;
    const double ny = (b.x - a.x) / len;
    cairo_move_to(cr, a.x, a.y);
    cairo_curve_to(cr, mx + nx * bow, my + ny * bow, mx + nx * bow, my + ny * bow, b.x, b.y);
}

struct FanTwig
{
    Point a, b;
    int level;
};

void GrowFan(CRandom& random, std::vector<FanTwig>& twigs, Point from, double angle, double length, int level,
             int levels)
{
    const Point to{from.x + length * std::sin(angle), from.y - length * std::cos(angle)};
    twigs.push_back({from, to, level});
    if (level + 1 >= levels)
        return;
    // Fans grow in one plane and fill a rounded outline: branches fork into two, turned apart,
    // and lean back towards upright once far out to the side.
    const double fork = random.Range(0.14f, 0.3f);
    const double lean = -angle * 0.12;
    for (double side : {-1.0, 1.0}) {
        const double a = std::clamp(angle + side * fork + lean, -1.35, 1.35);
        GrowFan(random, twigs, to, a, length * random.Range(0.72f, 0.88f), level + 1, levels);
    }
}
} // namespace

void PaintSeaFan(cairo_t* cr, CRandom& random, double x, double y, double height, Rgb colour, Rgb tips)
{
    constexpr int kLevels = 7;
    std::vector<FanTwig> twigs;
    // A short stalk, then main branches splaying out over a half circle, each forking on its own.
    const Point stalk{x + random.Range(-3.0f, 3.0f), y - height * 0.06};
    twigs.push_back({{x, y}, stalk, 0});
    constexpr int kMain = 5;
    for (int m = 0; m < kMain; ++m) {
        const double angle = -1.15 + 2.3 * (m + 0.5) / kMain + random.Range(-0.08f, 0.08f);
        const double reach = height * (0.2 + 0.06 * std::cos(angle)); // the middle reaches highest
        GrowFan(random, twigs, stalk, angle, reach, 1, kLevels);
    }

    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // The lace first, thin and a little darker, joining the tips of neighbouring twigs; then the
    // branches over it, thick at the stalk and fine at the rim.
    std::vector<Point> knots;
    for (const FanTwig& t : twigs) {
        if (t.level >= 2) {
            knots.push_back({(t.a.x + t.b.x) * 0.5, (t.a.y + t.b.y) * 0.5});
            knots.push_back(t.b);
        }
    }
    cairo_set_line_width(cr, std::max(0.9, height * 0.004));
    SetRgb(cr, Mix(colour, tips, 0.5f));
    for (size_t i = 0; i < knots.size(); ++i) {
        int links = 0;
        for (size_t j = i + 1; j < knots.size() && links < 3; ++j) {
            const double d = std::hypot(knots[j].x - knots[i].x, knots[j].y - knots[i].y);
            if (d > 2.0 && d < height * 0.07) {
                BowedLine(cr, knots[i], knots[j], random.Range(-2.0f, 2.0f));
                cairo_stroke(cr);
                ++links;
            }
        }
    }
    for (const FanTwig& t : twigs) {
        const double k = static_cast<double>(t.level) / (kLevels - 1);
        cairo_set_line_width(cr, std::max(1.0, height * 0.024 * std::pow(0.68, t.level)));
        SetRgb(cr, Mix(Scale(colour, 0.8f), tips, static_cast<float>(k)));
        BowedLine(cr, t.a, t.b, random.Range(-0.12f, 0.12f) * std::hypot(t.b.x - t.a.x, t.b.y - t.a.y));
        cairo_stroke(cr);
    }
}

namespace {
void GrowStaghorn(cairo_t* cr, CRandom& random, Point from, double angle, double length, double width, int level,
                  Rgb colour, Rgb tips)
{
    const Point to{from.x + length * std::sin(angle), from.y - length * std::cos(angle)};
    const bool last = level >= 2 || length < 10.0;
    const double bow = random.Range(-0.1f, 0.1f) * length;
    // Dark edge, body, then a lit stripe on the side the light comes from: a round branch.
    cairo_set_line_width(cr, width + 2.0);
    SetRgb(cr, Scale(colour, 0.45f));
    BowedLine(cr, from, to, bow);
    cairo_stroke(cr);
    cairo_pattern_t* body = cairo_pattern_create_linear(from.x, from.y, to.x, to.y);
    cairo_pattern_add_color_stop_rgb(body, 0.0, colour.r * 0.8, colour.g * 0.8, colour.b * 0.8);
    const Rgb end = last ? tips : colour;
    cairo_pattern_add_color_stop_rgb(body, 1.0, end.r, end.g, end.b);
    cairo_set_source(cr, body);
    cairo_set_line_width(cr, width);
    BowedLine(cr, from, to, bow);
    cairo_stroke(cr);
    cairo_pattern_destroy(body);
    cairo_set_line_width(cr, width * 0.3);
    SetRgb(cr, Mix(end, HexColour(0xffffff), 0.35f), 0.6);
    BowedLine(cr, {from.x - width * 0.2, from.y}, {to.x - width * 0.2, to.y}, bow);
    cairo_stroke(cr);
    if (last)
        return;
    const int children = 2 + random.Below(2);
    for (int c = 0; c < children; ++c) {
        const double a = angle + random.Range(-0.6f, 0.6f);
        GrowStaghorn(cr, random, to, std::clamp(a, -1.1, 1.1), length * random.Range(0.6f, 0.85f), width * 0.8,
                     level + 1, colour, tips);
    }
}
} // namespace

void PaintStaghorn(cairo_t* cr, CRandom& random, double x, double y, double size, Rgb colour, Rgb tips)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const int stems = 4 + random.Below(3);
    for (int s = 0; s < stems; ++s) {
        const double angle = -0.9 + 1.8 * (s + random.Range(0.2f, 0.8f)) / stems;
        GrowStaghorn(cr, random, {x + random.Range(-0.15f, 0.15f) * size, y}, angle, size * random.Range(0.35f, 0.5f),
                     size * 0.09, 0, colour, tips);
    }
}

void PaintCoralHead(CCanvas& canvas, const CNoise& noise, double cx, double cy, double rx, double ry, Rgb colour,
                    CoralSurface surface)
{
    // The shadow it casts on the rock below and behind it.
    cairo_t* cr = canvas.Context();
    cairo_save(cr);
    cairo_translate(cr, cx + rx * 0.12, cy + ry * 0.25);
    cairo_scale(cr, rx * 1.15, ry * 0.9);
    cairo_pattern_t* shadow = cairo_pattern_create_radial(0.0, 0.0, 0.5, 0.0, 0.0, 1.0);
    cairo_pattern_add_color_stop_rgba(shadow, 0.0, 0.02, 0.03, 0.05, 0.6);
    cairo_pattern_add_color_stop_rgba(shadow, 1.0, 0.02, 0.03, 0.05, 0.0);
    cairo_set_source(cr, shadow);
    cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, 2.0 * kPi);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP); // only darkens what is already painted
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pattern_destroy(shadow);
    cairo_restore(cr);

    canvas.BeginPixels();
    const float seed = static_cast<float>(cx * 0.013 + cy * 0.007);
    const int x0 = std::max(0, static_cast<int>(cx - rx * 1.2 - 1));
    const int x1 = std::min(canvas.Width() - 1, static_cast<int>(cx + rx * 1.2 + 1));
    const int y0 = std::max(0, static_cast<int>(cy - ry * 1.2 - 1));
    const int y1 = std::min(canvas.Height() - 1, static_cast<int>(cy + ry * 1.2 + 1));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            // An outline that wanders by a tenth of the radius around the circle.
            const double a = std::atan2(dy, dx);
            const double edge = 1.0 + 0.12 * noise.Sample(static_cast<float>(std::cos(a)) * 1.7f + seed,
                                                          static_cast<float>(std::sin(a)) * 1.7f + seed);
            const double nx = dx / edge;
            const double ny = dy / edge;
            const double r = std::sqrt(nx * nx + ny * ny);
            const double coverage =
                std::clamp((1.0 - r) * std::min(rx, ry), 0.0, 1.0) * std::clamp((cy + ry * 0.6 - y), 0.0, 1.0);
            if (coverage <= 0.0)
                continue;
            const double h = std::sqrt(std::max(0.0, 1.0 - r * r));
            const double diffuse = std::max(0.0, nx * kLightX + ny * kLightY + h * kLightZ);
            const float fx = static_cast<float>(x);
            const float fy = static_cast<float>(y);
            double texture = 1.0;
            double glint = 0.0;
            switch (surface) {
            case CoralSurface::Grooved: {
                // Meandering valleys: the zero lines of a slow noise, drawn many times over.
                const float ridge = std::fabs(std::sin(noise.Fractal(fx / 26.0f, fy / 26.0f, 3) * 26.0f));
                texture = 0.45 + 0.55 * SmoothStep(0.1f, 0.55f, ridge);
                glint = 0.15 * ridge;
                break;
            }
            case CoralSurface::Polyps: {
                // Crowded round cups: the peaks of fine noise, each a lit bead in a dark ring.
                const float cup = noise.Sample(fx / 2.2f + seed, fy / 2.2f);
                texture = 0.62 + 0.5 * SmoothStep(-0.1f, 0.45f, cup);
                glint = 0.25 * SmoothStep(0.35f, 0.7f, cup);
                break;
            }
            case CoralSurface::Knobbly:
                texture = 0.7 + 0.45 * SmoothStep(-0.5f, 0.6f, noise.Fractal(fx / 7.0f + seed, fy / 7.0f, 2));
                break;
            case CoralSurface::Smooth:
                texture = 0.9 + 0.15 * noise.Fractal(fx / 12.0f + seed, fy / 12.0f, 3);
                break;
            }
            const double shade = (0.28 + 0.9 * diffuse) * texture * (0.7 + 0.3 * h);
            Rgb under;
            float alpha = 0.0f;
            canvas.ReadPixel(x, y, under, alpha);
            const Rgb lit =
                Mix(Scale(colour, static_cast<float>(shade)), HexColour(0xf0ead0), static_cast<float>(glint * diffuse));
            canvas.WritePixel(x, y, Mix(under, lit, static_cast<float>(coverage)),
                              std::max(alpha, static_cast<float>(coverage)));
        }
    }
    canvas.EndPixels();
}

void PaintTubeSponges(cairo_t* cr, CRandom& random, double x, double y, double size, Rgb colour)
{
    const int tubes = 3 + random.Below(3);
    for (int t = 0; t < tubes; ++t) {
        const double w = size * random.Range(0.16f, 0.24f);
        const double h = size * random.Range(0.5f, 1.0f);
        const double bx = x + (t - (tubes - 1) * 0.5) * w * 0.85 + random.Range(-2.0f, 2.0f);
        const double lean = random.Range(-0.2f, 0.2f) * h;
        const double tx = bx + lean;
        const double ty = y - h;
        const Rgb c = Scale(colour, random.Range(0.85f, 1.1f));
        // The tube: a cylinder, dark at both sides and lit left of centre.
        cairo_pattern_t* body = cairo_pattern_create_linear(tx - w * 0.5, 0.0, tx + w * 0.5, 0.0);
        cairo_pattern_add_color_stop_rgb(body, 0.0, c.r * 0.35, c.g * 0.35, c.b * 0.35);
        cairo_pattern_add_color_stop_rgb(body, 0.35, c.r * 1.05, c.g * 1.05, c.b * 1.05);
        cairo_pattern_add_color_stop_rgb(body, 1.0, c.r * 0.3, c.g * 0.3, c.b * 0.3);
        cairo_set_source(cr, body);
        cairo_move_to(cr, bx - w * 0.55, y);
        cairo_curve_to(cr, bx - w * 0.5, y - h * 0.5, tx - w * 0.55, ty + h * 0.3, tx - w * 0.5, ty);
        cairo_line_to(cr, tx + w * 0.5, ty);
        cairo_curve_to(cr, tx + w * 0.55, ty + h * 0.3, bx + w * 0.5, y - h * 0.5, bx + w * 0.55, y);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_pattern_destroy(body);
        // The open mouth: a lit lip around a dark throat.
        cairo_save(cr);
        cairo_translate(cr, tx, ty);
        cairo_scale(cr, w * 0.5, w * 0.16);
        cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, 2.0 * kPi);
        cairo_restore(cr);
        SetRgb(cr, Mix(c, HexColour(0xffe8c0), 0.35f));
        cairo_fill(cr);
        cairo_save(cr);
        cairo_translate(cr, tx, ty + w * 0.02);
        cairo_scale(cr, w * 0.36, w * 0.1);
        cairo_arc(cr, 0.0, 0.0, 1.0, 0.0, 2.0 * kPi);
        cairo_restore(cr);
        SetRgb(cr, Scale(c, 0.18f));
        cairo_fill(cr);
    }
}

void PaintAnemone(cairo_t* cr, CRandom& random, double x, double y, double size, Rgb colour, Rgb tips)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // Column.
    cairo_pattern_t* column = cairo_pattern_create_linear(x - size * 0.3, 0.0, x + size * 0.3, 0.0);
    cairo_pattern_add_color_stop_rgb(column, 0.0, colour.r * 0.4, colour.g * 0.4, colour.b * 0.4);
    cairo_pattern_add_color_stop_rgb(column, 0.4, colour.r * 0.9, colour.g * 0.9, colour.b * 0.9);
    cairo_pattern_add_color_stop_rgb(column, 1.0, colour.r * 0.35, colour.g * 0.35, colour.b * 0.35);
    cairo_set_source(cr, column);
    cairo_rectangle(cr, x - size * 0.28, y - size * 0.3, size * 0.56, size * 0.3);
    cairo_fill(cr);
    cairo_pattern_destroy(column);
    // Tentacles, the ones behind drawn first and darker.
    const int count = 46;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < count; ++i) {
            const double a = -kPi * 0.5 + random.Range(-1.25f, 1.25f);
            const double len = size * random.Range(0.45f, 0.8f);
            const Point base{x + random.Range(-0.25f, 0.25f) * size, y - size * 0.3};
            const Point tip{base.x + std::cos(a) * len, base.y + std::sin(a) * len};
            const double curl = random.Range(-0.3f, 0.3f) * len;
            const float k = pass == 0 ? 0.55f : 1.0f;
            cairo_set_line_width(cr, size * 0.07);
            SetRgb(cr, Scale(colour, k));
            BowedLine(cr, base, tip, curl);
            cairo_stroke(cr);
            cairo_set_line_width(cr, size * 0.05);
            SetRgb(cr, Scale(tips, k));
            cairo_move_to(cr, tip.x, tip.y);
            cairo_line_to(cr, tip.x, tip.y);
            cairo_stroke(cr);
        }
    }
}

namespace {
void GrowSoftCoral(cairo_t* cr, CRandom& random, Point from, double angle, double length, int level, Rgb colour)
{
    const Point to{from.x + length * std::sin(angle), from.y - length * std::cos(angle)};
    cairo_set_line_width(cr, std::max(1.0, 5.0 * std::pow(0.7, level)));
    SetRgb(cr, HexColour(0xe8d8d0), 0.9);
    BowedLine(cr, from, to, random.Range(-0.15f, 0.15f) * length);
    cairo_stroke(cr);
    if (level >= 3) {
        // A cluster of polyps: small coloured beads, lit on top.
        for (int p = 0; p < 9; ++p) {
            const double px = to.x + random.Range(-1.0f, 1.0f) * length * 0.35;
            const double py = to.y + random.Range(-1.0f, 0.6f) * length * 0.3;
            const double r = random.Range(1.6f, 3.2f);
            SetRgb(cr, Scale(colour, random.Range(0.65f, 1.0f)));
            cairo_arc(cr, px, py, r, 0.0, 2.0 * kPi);
            cairo_fill(cr);
            SetRgb(cr, Mix(colour, HexColour(0xffffff), 0.45f), 0.8);
            cairo_arc(cr, px - r * 0.3, py - r * 0.3, r * 0.4, 0.0, 2.0 * kPi);
            cairo_fill(cr);
        }
        return;
    }
    const int children = 2 + random.Below(2);
    for (int c = 0; c < children; ++c)
        GrowSoftCoral(cr, random, to, std::clamp(angle + random.Range(-0.7f, 0.7f), -1.2, 1.2),
                      length * random.Range(0.6f, 0.8f), level + 1, colour);
}
} // namespace

void PaintSoftCoral(cairo_t* cr, CRandom& random, double x, double y, double size, Rgb colour)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    GrowSoftCoral(cr, random, {x, y}, random.Range(-0.15f, 0.15f), size * 0.35, 0, colour);
}

void PaintSeaWhips(cairo_t* cr, CRandom& random, double x, double y, double height, Rgb colour)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const int whips = 3 + random.Below(3);
    for (int w = 0; w < whips; ++w) {
        const double h = height * random.Range(0.6f, 1.0f);
        const double lean = random.Range(-0.35f, 0.35f) * h;
        const double sway = random.Range(-0.2f, 0.2f) * h;
        const Point a{x + random.Range(-6.0f, 6.0f), y};
        // Drawn as short pieces so each can be a little thinner than the one below.
        constexpr int kPieces = 12;
        Point prev = a;
        for (int i = 1; i <= kPieces; ++i) {
            const double t = static_cast<double>(i) / kPieces;
            const Point p{a.x + lean * t * t + sway * std::sin(kPi * t), a.y - h * t};
            cairo_set_line_width(cr, std::max(1.0, 4.5 * (1.0 - 0.75 * t)));
            SetRgb(cr, Mix(Scale(colour, 0.75f), colour, static_cast<float>(t)));
            cairo_move_to(cr, prev.x, prev.y);
            cairo_line_to(cr, p.x, p.y);
            cairo_stroke(cr);
            prev = p;
        }
    }
}

void PaintStarfish(cairo_t* cr, CRandom& random, double x, double y, double radius, Rgb colour)
{
    const double turn = random.Range(0.0f, 1.2566f);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1.0, 0.6); // lying on the sand, seen at a slant
    auto outline = [&](double r) {
        for (int i = 0; i < 10; ++i) {
            const double a = turn + kPi * i / 5.0;
            const double rr = i % 2 == 0 ? r : r * 0.38;
            i == 0 ? cairo_move_to(cr, rr * std::cos(a), rr * std::sin(a))
                   : cairo_line_to(cr, rr * std::cos(a), rr * std::sin(a));
        }
        cairo_close_path(cr);
    };
    SetRgb(cr, Scale(colour, 0.3f));
    cairo_save(cr);
    cairo_translate(cr, 2.0, 4.0);
    outline(radius);
    cairo_restore(cr);
    cairo_fill(cr);
    cairo_pattern_t* body = cairo_pattern_create_radial(-radius * 0.2, -radius * 0.2, 0.0, 0.0, 0.0, radius);
    cairo_pattern_add_color_stop_rgb(body, 0.0, std::min(1.0, colour.r * 1.25), colour.g * 1.2, colour.b * 1.2);
    cairo_pattern_add_color_stop_rgb(body, 1.0, colour.r * 0.6, colour.g * 0.6, colour.b * 0.6);
    cairo_set_source(cr, body);
    outline(radius);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, radius * 0.18);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    // Rows of pale bumps along the arms.
    SetRgb(cr, Mix(colour, HexColour(0xfff0d0), 0.5f));
    for (int arm = 0; arm < 5; ++arm) {
        const double a = turn + 2.0 * kPi * arm / 5.0;
        for (int b = 1; b <= 4; ++b) {
            const double d = radius * 0.2 * b;
            cairo_arc(cr, d * std::cos(a), d * std::sin(a), radius * 0.05, 0.0, 2.0 * kPi);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

void PaintSeaGrass(cairo_t* cr, CRandom& random, double x, double y, double height)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const int blades = 7 + random.Below(5);
    for (int b = 0; b < blades; ++b) {
        const double h = height * random.Range(0.5f, 1.0f);
        const double lean = random.Range(-0.45f, 0.45f) * h;
        const Point base{x + random.Range(-10.0f, 10.0f), y + random.Range(-3.0f, 3.0f)};
        const Rgb green = Mix(HexColour(0x2e5a22), HexColour(0x6a9a38), random.Uniform());
        cairo_pattern_t* fade = cairo_pattern_create_linear(base.x, base.y, base.x + lean, base.y - h);
        cairo_pattern_add_color_stop_rgb(fade, 0.0, green.r * 0.5, green.g * 0.5, green.b * 0.5);
        cairo_pattern_add_color_stop_rgb(fade, 1.0, green.r * 1.2, green.g * 1.2, green.b * 1.1);
        cairo_set_source(cr, fade);
        // A blade: a thin crescent, wide at the root and pointed at the tip.
        const double w = random.Range(2.5f, 4.5f);
        cairo_move_to(cr, base.x - w, base.y);
        cairo_curve_to(cr, base.x - w, base.y - h * 0.5, base.x + lean * 0.5, base.y - h * 0.8, base.x + lean,
                       base.y - h);
        cairo_curve_to(cr, base.x + lean * 0.5 + w * 0.5, base.y - h * 0.8, base.x + w, base.y - h * 0.5, base.x + w,
                       base.y);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_pattern_destroy(fade);
    }
}

void PaintPebbles(cairo_t* cr, CRandom& random, double x0, double x1, double y0, double y1, int count)
{
    for (int i = 0; i < count; ++i) {
        const double y = random.Range(static_cast<float>(y0), static_cast<float>(y1));
        const double depth = (y - y0) / std::max(1.0, y1 - y0); // nearer stones are bigger
        const double r = random.Range(2.0f, 6.0f) * (0.6 + 0.8 * depth);
        const double x = random.Range(static_cast<float>(x0), static_cast<float>(x1));
        const Rgb stone = Mix(HexColour(0x6a665e), HexColour(0xd8d2c4), random.Uniform());
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1.0, random.Range(0.5f, 0.75f));
        SetRgb(cr, Scale(stone, 0.35f), 0.6);
        cairo_arc(cr, r * 0.25, r * 0.45, r, 0.0, 2.0 * kPi);
        cairo_fill(cr);
        cairo_pattern_t* lit = cairo_pattern_create_radial(-r * 0.35, -r * 0.4, 0.0, 0.0, 0.0, r);
        cairo_pattern_add_color_stop_rgb(lit, 0.0, std::min(1.0f, stone.r * 1.25f), std::min(1.0f, stone.g * 1.25f),
                                         std::min(1.0f, stone.b * 1.25f));
        cairo_pattern_add_color_stop_rgb(lit, 1.0, stone.r * 0.55, stone.g * 0.55, stone.b * 0.55);
        cairo_set_source(cr, lit);
        cairo_arc(cr, 0.0, 0.0, r, 0.0, 2.0 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(lit);
        cairo_restore(cr);
    }
}
