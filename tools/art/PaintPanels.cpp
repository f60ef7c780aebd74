// PaintPanels.cpp -- caption strip, border, close box and the dialog icons.
//
// Units are pixels. Every caption piece is built on the same vertical profile (one colour per
// row), so that the left corner, the repeated middle tile and the right end join without a seam.
#include "art/PaintPanels.h"

#include "art/BitmapWriter.h"
#include "art/Canvas.h"
#include "art/Colour.h"
#include "art/PaintCursors.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {
constexpr double kPi = 3.14159265358979;

const Rgb kInk = HexColour(0x161616);
const Rgb kNavy = HexColour(0x0e355e);       // outline of the frame
const Rgb kBorder = HexColour(0x1f5f9a);     // the side and bottom borders
const Rgb kBorderDeep = HexColour(0x1b5690); // its darker checker half, for a little texture
const Rgb kRimTop = HexColour(0x3d8fd0);     // the waterline under the caption
const Rgb kGlossTop = HexColour(0xf7fcff);
const Rgb kGlossBottom = HexColour(0xd3eefc);
const Rgb kBodyTop = HexColour(0xbfe5fa);
const Rgb kBodyBottom = HexColour(0x93d0f0);
const Rgb kWhite = HexColour(0xffffff);
const Rgb kCloseLight = HexColour(0xff9c8c);
const Rgb kCloseDeep = HexColour(0xcc2e24);
const Rgb kPanel = HexColour(0xf4f1ea);
const Rgb kTrack = HexColour(0x8d96a3);
const Rgb kFishBody = HexColour(0xffa531);
const Rgb kFishBelly = HexColour(0xffe2a8);
const Rgb kPlus = HexColour(0x34c24a);
const Rgb kMinus = HexColour(0xe8443c);
const Rgb kKelp = HexColour(0x4fbf4a);
const Rgb kSeaLight = HexColour(0x7cc8f4);
const Rgb kSeaDeep = HexColour(0x1f64ad);

constexpr int kSideBorder = kBorderTileSide; // the side border's columns in the caption's end pieces
constexpr double kCornerRadius = 9.0;

// The caption strip's colour in row y: a 1-pixel navy top edge, a white highlight line, a glossy
// upper half and a deeper lower half, then the waterline, then navy where the border starts.
Rgb CaptionRow(int y)
{
    const int h = kCaptionHeight;
    if (y <= 0)
        return kNavy;
    if (y == 1)
        return kWhite;
    const int glossEnd = 14, bodyEnd = h - 4;
    if (y < glossEnd)
        return Mix(kGlossTop, kGlossBottom, static_cast<float>(y - 2) / (glossEnd - 3));
    if (y < bodyEnd)
        return Mix(kBodyTop, kBodyBottom, static_cast<float>(y - glossEnd) / (bodyEnd - glossEnd - 1));
    if (y < h - 2)
        return Mix(kRimTop, kBorder, static_cast<float>(y - bodyEnd));
    return y == h - 1 ? kNavy : kBorder;
}

void FillCaptionRows(cairo_t* cr, int width)
{
    for (int y = 0; y < kCaptionHeight; ++y) {
        cairo_rectangle(cr, 0, y, width, 1);
        SetSource(cr, CaptionRow(y));
        cairo_fill(cr);
    }
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

// A caption end piece: the profile, the outer side's border column, and the outer top corner
// rounded off (transparent beyond the navy arc). left: the corner is on the left side.
void PaintCaptionEnd(cairo_t* cr, int width, bool left)
{
    FillCaptionRows(cr, width);
    const double side = left ? 0.0 : width - kSideBorder;
    cairo_rectangle(cr, side, kCornerRadius, kSideBorder, kCaptionHeight - kCornerRadius);
    SetSource(cr, kBorder);
    cairo_fill(cr);
    // The outer edge line down the border column, continuing the navy top edge around the corner.
    const double edge = left ? 0.5 : width - 0.5;
    const double cx = left ? kCornerRadius : width - kCornerRadius;
    cairo_set_line_width(cr, 1.0);
    cairo_new_path(cr);
    cairo_move_to(cr, edge, kCaptionHeight);
    cairo_line_to(cr, edge, kCornerRadius);
    if (left)
        cairo_arc(cr, cx, kCornerRadius, kCornerRadius - 0.5, kPi, 3 * kPi / 2);
    else
        cairo_arc_negative(cr, cx, kCornerRadius, kCornerRadius - 0.5, 0, -kPi / 2);
    SetSource(cr, kNavy);
    cairo_stroke(cr);
    // Beyond the arc nothing is drawn: the corner square less the disc is cleared.
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, left ? 0 : width - kCornerRadius, 0, kCornerRadius, kCornerRadius);
    cairo_clip_preserve(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, kCornerRadius, kCornerRadius, 0, 2 * kPi);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Three bubbles rising in the left corner, ahead of the caption text.
void PaintCornerBubbles(cairo_t* cr)
{
    const struct
    {
        double x, y, r;
    } bubbles[] = {{16.5, 19.5, 4.5}, {27.0, 12.0, 3.2}, {35.5, 7.0, 2.2}};
    for (const auto& b : bubbles) {
        cairo_new_path(cr);
        cairo_arc(cr, b.x, b.y, b.r, 0, 2 * kPi);
        cairo_pattern_t* fill = cairo_pattern_create_radial(b.x - b.r / 3, b.y - b.r / 3, 0.5, b.x, b.y, b.r);
        cairo_pattern_add_color_stop_rgba(fill, 0.0, 1, 1, 1, 0.95);
        cairo_pattern_add_color_stop_rgba(fill, 1.0, kRimTop.r, kRimTop.g, kRimTop.b, 0.55);
        cairo_set_source(cr, fill);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(fill);
        cairo_set_line_width(cr, 1.0);
        SetSource(cr, kSeaDeep);
        cairo_stroke(cr);
    }
}

void PaintCloseBox(cairo_t* cr)
{
    const double c = kCloseBoxSide / 2.0, r = c - 1.0;
    cairo_new_path(cr);
    cairo_arc(cr, c, c, r, 0, 2 * kPi);
    cairo_pattern_t* fill = cairo_pattern_create_radial(c - 3, c - 4, 1.0, c, c, r);
    cairo_pattern_add_color_stop_rgb(fill, 0.0, kCloseLight.r, kCloseLight.g, kCloseLight.b);
    cairo_pattern_add_color_stop_rgb(fill, 1.0, kCloseDeep.r, kCloseDeep.g, kCloseDeep.b);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_line_width(cr, 1.5);
    SetSource(cr, HexColour(0x5a0e0a));
    cairo_stroke(cr);
    const double d = 4.5;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2.6);
    cairo_move_to(cr, c - d, c - d);
    cairo_line_to(cr, c + d, c + d);
    cairo_move_to(cr, c + d, c - d);
    cairo_line_to(cr, c - d, c + d);
    SetSource(cr, kWhite);
    cairo_stroke(cr);
}

// A 2 x 2 checker of two close blues: texture that looks the same tiled down or across.
void PaintBorderTile(cairo_t* cr)
{
    for (int y = 0; y < kBorderTileSide; ++y) {
        for (int x = 0; x < kBorderTileSide; ++x) {
            cairo_rectangle(cr, x, y, 1, 1);
            SetSource(cr, ((x / 2 + y / 2) % 2) != 0 ? kBorderDeep : kBorder);
            cairo_fill(cr);
        }
    }
}

// Ink under the shape, grown by the outline width, then the shape's own fill.
void Outlined(cairo_t* cr, const std::function<void(cairo_t*)>& path, const Rgb& fill, double outline = 1.2)
{
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cr);
    path(cr);
    cairo_set_line_width(cr, 2 * outline);
    SetSource(cr, kInk);
    cairo_fill_preserve(cr);
    cairo_stroke(cr);
    cairo_new_path(cr);
    path(cr);
    SetSource(cr, fill);
    cairo_fill(cr);
}

// A cursor figure moved and enlarged so that its opaque part is centred on the icon and fills it
// with a margin of 2 pixels.
void PaintCursorIcon(cairo_t* cr, int side, int cursorId)
{
    const CursorEntry& entry = *FindCursorEntry(cursorId);
    const CRgbaImage cursor = PaintCursor(entry);
    int x0 = entry.width, y0 = entry.height, x1 = -1, y1 = -1;
    for (int y = 0; y < cursor.Height(); ++y) {
        for (int x = 0; x < cursor.Width(); ++x) {
            if (cursor.Pixel(x, y)[3] == 0)
                continue;
            x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
        }
    }
    if (x1 < 0)
        return;
    const double w = x1 + 1 - x0, h = y1 + 1 - y0;
    const double scale = (side - 4.0) / std::max(w, h);
    cairo_translate(cr, side / 2.0, side / 2.0);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -(x0 + w / 2), -(y0 + h / 2));
    DrawCursorFigure(cr, entry);
}

// Three slider tracks on a light panel, their knobs at different places.
void PaintSettingsIcon(cairo_t* cr, int side)
{
    const double s = side / 40.0;
    cairo_scale(cr, s, s);
    Outlined(
        cr, [](cairo_t* c) { RoundedRectPath(c, 3, 4, 34, 32, 5); }, kPanel);
    const double knobs[] = {25.0, 13.0, 21.0};
    const Rgb colours[] = {HexColour(0xff9d2e), HexColour(0x34c24a), HexColour(0x3b8fe0)};
    for (int i = 0; i < 3; ++i) {
        const double y = 11.5 + 8.5 * i;
        cairo_new_path(cr);
        RoundedRectPath(cr, 8, y - 1.5, 24, 3, 1.5);
        SetSource(cr, kTrack);
        cairo_fill(cr);
        Outlined(
            cr, [&](cairo_t* c) { RoundedRectPath(c, knobs[i] - 3, y - 4, 6, 8, 2); }, colours[i], 1.0);
    }
}

// A fish swimming right: body, tail and eye. (cx, cy) the body's centre, length the body's length.
void PaintFish(cairo_t* cr, double cx, double cy, double length, const Rgb& body)
{
    const double rx = length / 2, ry = length * 0.3;
    const auto tail = [=](cairo_t* c) {
        cairo_move_to(c, cx - rx + 2, cy);
        cairo_line_to(c, cx - rx - ry * 1.1, cy - ry * 1.05);
        cairo_line_to(c, cx - rx - ry * 0.7, cy);
        cairo_line_to(c, cx - rx - ry * 1.1, cy + ry * 1.05);
        cairo_close_path(c);
    };
    const auto fin = [=](cairo_t* c) {
        cairo_move_to(c, cx - rx * 0.4, cy - ry * 0.8);
        cairo_curve_to(c, cx - rx * 0.2, cy - ry * 1.6, cx + rx * 0.2, cy - ry * 1.5, cx + rx * 0.3, cy - ry * 0.8);
        cairo_close_path(c);
    };
    const auto bodyPath = [=](cairo_t* c) { EllipsePath(c, cx, cy, rx, ry); };
    // Ink under all three parts first, so they merge into one outlined silhouette.
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 2.4);
    SetSource(cr, kInk);
    for (const auto& part : {std::function<void(cairo_t*)>(tail), std::function<void(cairo_t*)>(fin),
                             std::function<void(cairo_t*)>(bodyPath)}) {
        cairo_new_path(cr);
        part(cr);
        cairo_fill_preserve(cr);
        cairo_stroke(cr);
    }
    for (const auto& part : {std::function<void(cairo_t*)>(tail), std::function<void(cairo_t*)>(fin)}) {
        cairo_new_path(cr);
        part(cr);
        SetSource(cr, Scale(body, 0.85f));
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    bodyPath(cr);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, cy - ry, 0, cy + ry);
    cairo_pattern_add_color_stop_rgb(fill, 0.0, body.r, body.g, body.b);
    cairo_pattern_add_color_stop_rgb(fill, 1.0, kFishBelly.r, kFishBelly.g, kFishBelly.b);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    cairo_new_path(cr);
    cairo_arc(cr, cx + rx * 0.55, cy - ry * 0.2, std::max(1.2, ry * 0.25), 0, 2 * kPi);
    SetSource(cr, kInk);
    cairo_fill(cr);
}

// A round badge with a plus or a minus.
void PaintSignBadge(cairo_t* cr, double cx, double cy, double r, bool plus)
{
    Outlined(
        cr, [=](cairo_t* c) { cairo_arc(c, cx, cy, r, 0, 2 * kPi); }, plus ? kPlus : kMinus);
    cairo_set_line_width(cr, 2.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r * 0.6, cy);
    cairo_line_to(cr, cx + r * 0.6, cy);
    if (plus) {
        cairo_move_to(cr, cx, cy - r * 0.6);
        cairo_line_to(cr, cx, cy + r * 0.6);
    }
    SetSource(cr, kWhite);
    cairo_stroke(cr);
}

void PaintPopulationIcon(cairo_t* cr, int side)
{
    const double s = side / 40.0;
    cairo_scale(cr, s, s);
    PaintFish(cr, 22.0, 13.5, 26.0, kFishBody);
    PaintSignBadge(cr, 11.0, 30.0, 7.5, false);
    PaintSignBadge(cr, 29.0, 30.0, 7.5, true);
}

// The product mark: a round patch of sea, a kelp frond rising from its bottom left and a gold fish.
void PaintAboutIcon(cairo_t* cr, int side)
{
    const double s = side / 32.0;
    cairo_scale(cr, s, s);
    const auto disc = [](cairo_t* c) { cairo_arc(c, 16, 16, 14.5, 0, 2 * kPi); };
    Outlined(cr, disc, kSeaDeep, 0.8);
    cairo_save(cr);
    cairo_new_path(cr);
    disc(cr);
    cairo_clip(cr);
    cairo_pattern_t* sea = cairo_pattern_create_linear(0, 2, 0, 30);
    cairo_pattern_add_color_stop_rgb(sea, 0.0, kSeaLight.r, kSeaLight.g, kSeaLight.b);
    cairo_pattern_add_color_stop_rgb(sea, 1.0, kSeaDeep.r, kSeaDeep.g, kSeaDeep.b);
    cairo_set_source(cr, sea);
    cairo_paint(cr);
    cairo_pattern_destroy(sea);
    // The frond: a leaf-shaped band swaying up from the sea floor.
    cairo_new_path(cr);
    cairo_move_to(cr, 5, 32);
    cairo_curve_to(cr, 1, 21, 13, 15, 9, 3);
    cairo_curve_to(cr, 18, 12, 10, 22, 14, 32);
    cairo_close_path(cr);
    SetSource(cr, kKelp);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.0);
    SetSource(cr, HexColour(0x1d5e1a));
    cairo_stroke(cr);
    cairo_restore(cr);
    PaintFish(cr, 20.0, 16.0, 13.0, HexColour(0xffc93c));
}

CRgbaImage PaintEntry(const PanelArtEntry& entry)
{
    CCanvas canvas(entry.width, entry.height);
    cairo_t* cr = canvas.Context();
    switch (entry.id) {
    case kCloseBoxBitmap:
        PaintCloseBox(cr);
        break;
    case kCaptionLeftBitmap:
        PaintCaptionEnd(cr, entry.width, true);
        PaintCornerBubbles(cr);
        break;
    case kCaptionTileBitmap:
        FillCaptionRows(cr, entry.width);
        break;
    case kCaptionRightBitmap:
        PaintCaptionEnd(cr, entry.width, false);
        break;
    case kBorderTileBitmap:
        PaintBorderTile(cr);
        break;
    case kFeedIcon:
        PaintCursorIcon(cr, entry.width, kFeedCursorResource);
        break;
    case kCameraIcon:
        PaintCursorIcon(cr, entry.width, kCameraCursorResource);
        break;
    case kTouchIcon:
        PaintCursorIcon(cr, entry.width, kTouchCursorResource);
        break;
    case kRippleIcon:
        PaintCursorIcon(cr, entry.width, kRippleCursorResource);
        break;
    case kSettingsIcon:
        PaintSettingsIcon(cr, entry.width);
        break;
    case kAboutIcon:
        PaintAboutIcon(cr, entry.width);
        break;
    case kPopulationIcon:
        PaintPopulationIcon(cr, entry.width);
        break;
    default:
        break;
    }
    return canvas.ToRgbaImage();
}
} // namespace

CRgbaImage PaintPanelArt(const PanelArtEntry& entry)
{
    return PaintEntry(entry);
}

std::vector<uint8_t> EncodePanelPicture(const PanelPicture& picture)
{
    if (picture.alpha)
        return EncodeBitmapWithAlpha(picture.image);
    CRgbImage opaque(picture.image.Width(), picture.image.Height());
    for (int y = 0; y < opaque.Height(); ++y)
        for (int x = 0; x < opaque.Width(); ++x)
            std::copy_n(picture.image.Pixel(x, y), 3, opaque.Pixel(x, y));
    return EncodeBitmap(opaque);
}

std::vector<PanelPicture> PaintPanels()
{
    std::vector<PanelPicture> pictures;
    for (const PanelArtEntry& entry : kPanelArtCatalogue) {
        if (!entry.rendered) // those are drawn from the tank itself, by tools/snapshots
            pictures.push_back({entry.baseName, entry.alpha, PaintPanelArt(entry)});
    }
    return pictures;
}
