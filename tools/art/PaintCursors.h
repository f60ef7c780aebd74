// PaintCursors.h -- the mouse cursors of the cursor modes, painted with transparency.
//
// Every cursor is a light object with a dark outline on a transparent ground, so that it reads on
// the bright backdrop colours and on the dark water alike. Each is painted so that its pointing
// feature lies on the hot spot that the cursor catalogue (view/CursorCatalogue.h) gives it.
#pragma once

#include "art/RgbaImage.h"
#include "view/CursorCatalogue.h"

#include <cairo.h>

#include <string>
#include <vector>

struct CursorPicture
{
    std::string name; // base name of the file, from the catalogue
    CRgbaImage image; // the entry's size, straight alpha
};

// The cursor of one catalogue entry: CursorTouch an open hand, CursorTouchHeld the hand pressing
// with its index finger, CursorFeed a food shaker upright, CursorFeedHeld the shaker tipped with
// flakes falling, CursorCamera a camera, CursorCameraHeld the camera with its shutter pressed and
// its flash firing, CursorRipple a water drop.
CRgbaImage PaintCursor(const CursorEntry& entry);

// The same figure drawn with the current transformation of cr onto the entry's pixel frame, so that
// other pictures (the toolbar icons) can show it at another size and place.
void DrawCursorFigure(cairo_t* cr, const CursorEntry& entry);

// Every cursor of the catalogue, in its order.
std::vector<CursorPicture> PaintCursors();
