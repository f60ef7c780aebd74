// CursorCatalogue.h -- the mouse cursors of the cursor modes: resource ids, picture names, hot spots.
//
// One table read by three sides: the art generator paints each picture under its base name with
// its feature (fingertip, opening, lens, tip) on the hot spot, the packer packs those pictures
// under kCursorResourceType, and the view loads them by id (CursorImages.h). Cursor ids are their
// own namespace: 164 is both the held feed cursor here and the light-ray picture of type "RCAD".
// No wx and no GL: the packer and the painter include this header too.
#pragma once

#include "view/CursorMode.h"

#include <cstdint>

// The type every cursor picture is packed under.
constexpr char kCursorResourceType[] = "CURSOR";

constexpr int kTouchCursorResource = 158;      // open hand
constexpr int kTouchHeldCursorResource = 159;  // the hand pressing with its index finger
constexpr int kFeedCursorResource = 163;       // food shaker, upright
constexpr int kFeedHeldCursorResource = 164;   // food shaker tipped, flakes falling
constexpr int kCameraCursorResource = 170;     // camera
constexpr int kCameraHeldCursorResource = 176; // camera with the shutter pressed and the flash firing
constexpr int kRippleCursorResource = 234;     // water drop, button up and held alike

// Side of every cursor picture, pixels: the size every desktop shows without scaling.
constexpr int kCursorSide = 32;

struct CursorEntry
{
    uint16_t id;          // resource id, unique among cursors
    const char* baseName; // the art file is baseName + ".bmp", a 32-bit BMP with straight alpha
    int width;            // pixels
    int height;           // pixels
    int hotX;             // the pixel that points, from the left
    int hotY;             // the pixel that points, from the top
};

// The hot spots: the index fingertip (the same pixel open and pressing, so the pointer does not
// jump on a press), the shaker's perforated opening, the lens centre and the drop's pointed tip.
// Each mode's button-up cursor comes right before its held one; ripple has one for both.
constexpr CursorEntry kCursorCatalogue[] = {
    {kTouchCursorResource, "CursorTouch", kCursorSide, kCursorSide, 10, 2},
    {kTouchHeldCursorResource, "CursorTouchHeld", kCursorSide, kCursorSide, 10, 2},
    {kFeedCursorResource, "CursorFeed", kCursorSide, kCursorSide, 13, 5},
    {kFeedHeldCursorResource, "CursorFeedHeld", kCursorSide, kCursorSide, 6, 16},
    {kCameraCursorResource, "CursorCamera", kCursorSide, kCursorSide, 16, 18},
    {kCameraHeldCursorResource, "CursorCameraHeld", kCursorSide, kCursorSide, 16, 18},
    {kRippleCursorResource, "CursorRipple", kCursorSide, kCursorSide, 16, 2},
};

// The catalogue entry of a cursor resource id, or nullptr when there is none.
constexpr const CursorEntry* FindCursorEntry(int id)
{
    for (const CursorEntry& entry : kCursorCatalogue) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

// The cursor resource a mode shows with the left button up or held; 0 for Hide, which shows no
// cursor, and for any value that is not a mode.
constexpr int CursorResourceFor(CursorMode mode, bool held)
{
    switch (mode) {
    case CursorMode::Touch:
        return held ? kTouchHeldCursorResource : kTouchCursorResource;
    case CursorMode::Feed:
        return held ? kFeedHeldCursorResource : kFeedCursorResource;
    case CursorMode::Camera:
        return held ? kCameraHeldCursorResource : kCameraCursorResource;
    case CursorMode::Ripple:
        return kRippleCursorResource;
    case CursorMode::Hide:
        break;
    }
    return 0;
}
