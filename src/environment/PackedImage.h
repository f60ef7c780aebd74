// PackedImage.h -- a picture linked into the program, decoded in memory into top-down RGBA.
//
// The cursors and the dialog art are read this way: they never pass through temporary files. The
// packed bytes of (type, id) are unscrambled in a copy, read as a 24-bit or 32-bit BMP and turned
// into rows from the top down, red first. No wx and no GL: the window turns the result into its
// own cursors, bitmaps and icons.
#pragma once

#include "platform/ResourceTable.h"

#include <cstdint>
#include <vector>

struct PackedImage
{
    int width = 0;             // pixels
    int height = 0;            // pixels
    bool hasAlpha = false;     // stored with an alpha channel (32-bit); 24-bit pictures read as opaque
    std::vector<uint8_t> rgba; // width * height * 4 bytes: red, green, blue, straight alpha; top row first
};

// Decodes the packed picture of (type, id). False, leaving out empty, when the table has no such
// resource, its bytes are not a whole 24-bit or 32-bit BMP, or either side exceeds maxSide pixels
// (the caller's bound on what its pictures can be, so that a damaged resource cannot ask for a huge
// image). Nothing is reported: every caller has a plain fallback.
bool LoadPackedImage(const CResourceTable& table, const char* type, int id, int maxSide, PackedImage& out);
