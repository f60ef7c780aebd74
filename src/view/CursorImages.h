// CursorImages.h -- the cursor pictures linked into the program, decoded into RGBA images.
//
// The window turns these into its platform cursors; this half needs neither wx nor GL. Cursors are
// decoded in memory (they never pass through temporary files): the packed bytes of (type
// kCursorResourceType, id) are unscrambled, read as a 32-bit BMP and flipped into top-down rows.
#pragma once

#include "platform/ResourceTable.h"

#include <cstdint>
#include <vector>

struct CursorImage
{
    int width = 0;             // pixels
    int height = 0;            // pixels
    int hotX = 0;              // the pointing pixel, from the left; inside the image
    int hotY = 0;              // the pointing pixel, from the top; inside the image
    std::vector<uint8_t> rgba; // width * height * 4 bytes: red, green, blue, straight alpha; top row first
};

// Decodes the cursor picture of a resource id of the cursor catalogue, with the catalogue's hot spot
// clamped into the picture. False, leaving out empty, when the id is not a catalogued cursor, the
// table has no such cursor, or its bytes are not a 32-bit BMP; the caller falls back to a standard
// cursor, so nothing is reported.
bool LoadCursorImage(int resourceId, CursorImage& out, const CResourceTable& table = CResourceTable::Linked());
