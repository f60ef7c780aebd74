// PaintCursors.cpp -- hand, food shaker, camera and water drop, each outlined in dark ink.
//
// Each object is drawn in a local frame whose origin is its pointing feature, then placed with
// the origin on the hot spot. Units are pixels. The outline is made the way a sign painter does
// it: every part of a silhouette is first painted in ink grown by the outline width, then every
// part is filled in its own colour, so parts that touch merge into one outlined shape and a gap
// narrower than twice the outline width between two parts stays an ink line (between fingers).
#include "art/PaintCursors.h"

#include "art/Canvas.h"
#include "art/Colour.h"

#include <cmath>
#include <functional>

namespace {
constexpr double kPi = 3.14159265358979;
constexpr double kOutlineWidth = 1.0; // pixels of ink outside every silhouette

const Rgb kInk = HexColour(0x161616);
const Rgb kSkin = HexColour(0xfff3e6);
const Rgb kCanister = HexColour(0xf6f2e8);
const Rgb kLabel = HexColour(0xff9d2e);
const Rgb kCap = HexColour(0xe8443c);
const Rgb kCapTop = HexColour(0xffd9d0);
const Rgb kFlake = HexColour(0xff2fd6);
const Rgb kCameraBody = HexColour(0xe2e4e8);
const Rgb kLensRing = HexColour(0x9aa0aa);
const Rgb kGlass = HexColour(0x22304c);
const Rgb kFlashWindow = HexColour(0xfff2b8);
const Rgb kFlashBurst = HexColour(0xffee55);
const Rgb kWater = HexColour(0x8ed4ff);
const Rgb kWaterDeep = HexColour(0x4aa8f0);
const Rgb kWhite = HexColour(0xffffff);

using PathBuilder = std::function<void(cairo_t*)>;

struct Part
{
    PathBuilder path;
    Rgb fill;
};

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

// A stadium: the line from (x0, y0) to (x1, y1) grown by r, with round ends.
void CapsulePath(cairo_t* cr, double x0, double y0, double x1, double y1, double r)
{
    const double a = std::atan2(y1 - y0, x1 - x0);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x1, y1, r, a - kPi / 2, a + kPi / 2);
    cairo_arc(cr, x0, y0, r, a + kPi / 2, a + 3 * kPi / 2);
    cairo_close_path(cr);
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

// The parts as one silhouette: ink grown by the outline width under all of them, then their fills.
void DrawOutlined(cairo_t* cr, const std::vector<Part>& parts)
{
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 2 * kOutlineWidth);
    SetSource(cr, kInk);
    for (const Part& part : parts) {
        cairo_new_path(cr);
        part.path(cr);
        cairo_fill_preserve(cr);
        cairo_stroke(cr);
    }
    for (const Part& part : parts) {
        cairo_new_path(cr);
        part.path(cr);
        SetSource(cr, part.fill);
        cairo_fill(cr);
    }
}

void InkLine(cairo_t* cr, double x0, double y0, double x1, double y1, double width)
{
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    SetSource(cr, kInk);
    cairo_stroke(cr);
}

// Hand, right hand seen from its back, fingers up. Origin: the top of the index fingertip, on the
// finger's centre line. Fingers are 3 pixels wide on a 4-pixel pitch, leaving one ink pixel
// between neighbours.
constexpr double kFingerRadius = 1.5;
constexpr double kFingerPitch = 4.0;
constexpr double kKnuckleY = 10.0; // where the fingers meet the palm

Part Finger(double index, double tipY, double baseY)
{
    const double x = index * kFingerPitch;
    return {[=](cairo_t* cr) { CapsulePath(cr, x, tipY + kFingerRadius, x, baseY, kFingerRadius); }, kSkin};
}

Part Palm()
{
    return {[](cairo_t* cr) {
                RoundedRectPath(cr, -kFingerRadius, kKnuckleY - 1.0, 3 * kFingerPitch + 2 * kFingerRadius, 15.0, 3.5);
                RoundedRectPath(cr, 1.0, 18.0, 10.0, 11.5, 2.0); // the wrist, running out of the picture
            },
            kSkin};
}

void PaintOpenHand(cairo_t* cr)
{
    DrawOutlined(cr, {Finger(0, 0.0, kKnuckleY + 2),
                      Finger(1, -0.5, kKnuckleY + 2),
                      Finger(2, 1.0, kKnuckleY + 2),
                      Finger(3, 4.0, kKnuckleY + 2),
                      {[](cairo_t* c) { CapsulePath(c, 1.0, 18.5, -5.0, 10.5, 1.8); }, kSkin},
                      Palm()});
}

// The index finger stays where the open hand had it, so the hot spot does not move on a press;
// the other fingers are curled into a fist and the thumb is drawn in along its side.
void PaintPressingHand(cairo_t* cr)
{
    DrawOutlined(cr, {Finger(0, 0.0, kKnuckleY + 2),
                      Finger(1, 7.0, kKnuckleY + 2),
                      Finger(2, 8.0, kKnuckleY + 2),
                      Finger(3, 9.5, kKnuckleY + 2),
                      {[](cairo_t* c) { CapsulePath(c, 1.0, 18.5, -3.5, 13.0, 1.7); }, kSkin},
                      Palm()});
}

// Food shaker. Origin: the centre of the perforated top of its cap; the canister hangs along +y.
void PaintShaker(cairo_t* cr)
{
    const double capHalf = 6.5;
    const double bodyHalf = 5.5;
    DrawOutlined(cr, {{[=](cairo_t* c) { RoundedRectPath(c, -bodyHalf, 4.0, 2 * bodyHalf, 16.0, 2.0); }, kCanister},
                      {[=](cairo_t* c) { RoundedRectPath(c, -capHalf, 0.0, 2 * capHalf, 5.5, 1.0); }, kCap},
                      {[=](cairo_t* c) { EllipsePath(c, 0.0, 0.0, capHalf, 2.2); }, kCapTop}});
    // The label band with a little fish on it.
    cairo_new_path(cr);
    cairo_rectangle(cr, -bodyHalf, 8.5, 2 * bodyHalf, 7.5);
    SetSource(cr, kLabel);
    cairo_fill(cr);
    cairo_new_path(cr);
    EllipsePath(cr, -1.0, 12.25, 2.6, 1.6);
    cairo_move_to(cr, 1.0, 12.25);
    cairo_line_to(cr, 3.8, 10.45);
    cairo_line_to(cr, 3.8, 14.05);
    cairo_close_path(cr);
    SetSource(cr, kInk);
    cairo_fill(cr);
    // The cap's rim and its holes.
    InkLine(cr, -capHalf, 5.5, capHalf, 5.5, 1.0);
    for (double x : {-3.0, 0.0, 3.0}) {
        cairo_new_path(cr);
        cairo_arc(cr, x, 0.0, 0.75, 0, 2 * kPi);
        SetSource(cr, kInk);
        cairo_fill(cr);
    }
}

// One food flake: a small magenta diamond, outlined.
void PaintFlake(cairo_t* cr, double x, double y, double size)
{
    DrawOutlined(cr, {{[=](cairo_t* c) {
                           cairo_move_to(c, x, y - size);
                           cairo_line_to(c, x + size, y);
                           cairo_line_to(c, x, y + size);
                           cairo_line_to(c, x - size, y);
                           cairo_close_path(c);
                       },
                       kFlake}});
}

// Camera seen from the front. Origin: the centre of the lens.
void PaintCamera(cairo_t* cr, bool firing)
{
    const double shutterTop = firing ? -9.6 : -11.0; // pressed down into the body
    const PathBuilder body = [](cairo_t* c) { RoundedRectPath(c, -14.0, -8.5, 27.0, 17.0, 3.0); };
    const PathBuilder viewfinder = [](cairo_t* c) {
        cairo_move_to(c, -6.0, -8.0);
        cairo_line_to(c, -4.0, -12.5);
        cairo_line_to(c, 4.0, -12.5);
        cairo_line_to(c, 6.0, -8.0);
        cairo_close_path(c);
    };
    const PathBuilder shutter = [=](cairo_t* c) { RoundedRectPath(c, 6.5, shutterTop, 4.5, -8.0 - shutterTop, 0.8); };
    DrawOutlined(cr, {{body, kCameraBody}, {viewfinder, kCameraBody}, {shutter, kCameraBody}});
    // The lens: a grey barrel, dark glass, a glint.
    DrawOutlined(cr, {{[](cairo_t* c) { cairo_arc(c, 0.0, 0.0, 6.5, 0, 2 * kPi); }, kLensRing}});
    DrawOutlined(cr, {{[](cairo_t* c) { cairo_arc(c, 0.0, 0.0, 3.8, 0, 2 * kPi); }, kGlass}});
    cairo_new_path(cr);
    cairo_arc(cr, -1.5, -1.5, 1.2, 0, 2 * kPi);
    SetSource(cr, kWhite);
    cairo_fill(cr);
    // The flash window, lit when firing.
    DrawOutlined(cr, {{[](cairo_t* c) { cairo_rectangle(c, -12.0, -6.5, 4.5, 3.0); }, firing ? kWhite : kFlashWindow}});
    if (!firing)
        return;
    // A burst of light from the flash window, up and to the left.
    const double cx = -9.75;
    const double cy = -5.0;
    DrawOutlined(cr, {{[=](cairo_t* c) {
                           constexpr int kPoints = 8;
                           for (int i = 0; i < 2 * kPoints; ++i) {
                               const double a = kPi * i / kPoints - kPi / 2;
                               const double r = i % 2 == 0 ? 7.0 : 2.6;
                               cairo_line_to(c, cx + r * std::cos(a), cy + r * std::sin(a));
                           }
                           cairo_close_path(c);
                       },
                       kFlashBurst}});
}

// Water drop, pointed end up. Origin: the tip.
void PaintDrop(cairo_t* cr)
{
    const double cy = 18.0; // centre of the round bottom
    const double r = 8.5;
    const PathBuilder drop = [=](cairo_t* c) {
        cairo_move_to(c, 0.0, 0.0);
        cairo_curve_to(c, 1.5, 5.0, r, cy - 8.0, r, cy);
        cairo_arc(c, 0.0, cy, r, 0, kPi);
        cairo_curve_to(c, -r, cy - 8.0, -1.5, 5.0, 0.0, 0.0);
        cairo_close_path(c);
    };
    DrawOutlined(cr, {{drop, kWater}});
    // Deeper blue towards the rim, away from the light that falls on the upper left.
    cairo_save(cr);
    cairo_new_path(cr);
    drop(cr);
    cairo_clip(cr);
    cairo_pattern_t* shade = cairo_pattern_create_radial(-2.5, cy - 2.0, 1.0, 0.0, cy, r + 2.0);
    cairo_pattern_add_color_stop_rgba(shade, 0.0, kWater.r, kWater.g, kWater.b, 0.0);
    cairo_pattern_add_color_stop_rgba(shade, 1.0, kWaterDeep.r, kWaterDeep.g, kWaterDeep.b, 1.0);
    cairo_set_source(cr, shade);
    cairo_paint(cr);
    cairo_pattern_destroy(shade);
    cairo_restore(cr);
    // A highlight on the lit side.
    cairo_new_path(cr);
    EllipsePath(cr, -4.0, cy - 1.0, 1.4, 3.4);
    SetSource(cr, kWhite);
    cairo_fill(cr);
}
} // namespace

void DrawCursorFigure(cairo_t* cr, const CursorEntry& entry)
{
    // The hot spot is a pixel; features meant to sit on it are centred across it, and edges meant
    // to touch it (a fingertip, the drop's point) lie on its top edge.
    const double hx = entry.hotX + 0.5;
    const double hy = entry.hotY + 0.5;
    switch (entry.id) {
    case kTouchCursorResource:
        cairo_translate(cr, hx, entry.hotY);
        PaintOpenHand(cr);
        break;
    case kTouchHeldCursorResource:
        cairo_translate(cr, hx, entry.hotY);
        PaintPressingHand(cr);
        break;
    case kFeedCursorResource:
        // Leaning a little to the left, ready to shake.
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, -15.0 * kPi / 180.0);
        PaintShaker(cr);
        break;
    case kFeedHeldCursorResource:
        // Tipped until the cap points down and to the left; flakes fall from its holes.
        cairo_translate(cr, hx, hy);
        cairo_save(cr);
        cairo_rotate(cr, -120.0 * kPi / 180.0);
        PaintShaker(cr);
        cairo_restore(cr);
        PaintFlake(cr, -2.0, 4.5, 1.4);
        PaintFlake(cr, 1.5, 7.0, 1.3);
        PaintFlake(cr, -3.0, 9.5, 1.2);
        PaintFlake(cr, 0.5, 12.0, 1.2);
        break;
    case kCameraCursorResource:
    case kCameraHeldCursorResource:
        cairo_translate(cr, hx, hy);
        PaintCamera(cr, entry.id == kCameraHeldCursorResource);
        break;
    case kRippleCursorResource:
        cairo_translate(cr, hx, entry.hotY);
        PaintDrop(cr);
        break;
    default:
        break;
    }
}

CRgbaImage PaintCursor(const CursorEntry& entry)
{
    CCanvas canvas(entry.width, entry.height);
    DrawCursorFigure(canvas.Context(), entry);
    return canvas.ToRgbaImage();
}

std::vector<CursorPicture> PaintCursors()
{
    std::vector<CursorPicture> pictures;
    for (const CursorEntry& entry : kCursorCatalogue)
        pictures.push_back({entry.baseName, PaintCursor(entry)});
    return pictures;
}
