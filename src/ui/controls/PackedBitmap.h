// PackedBitmap.h -- the decoded pictures linked into the program, as wx images and bitmaps.
#pragma once

#include "platform/ResourceTable.h"

#include <wx/bitmap.h>
#include <wx/image.h>

#include <cstdint>
#include <vector>

// An image of width x height pixels from rows of red, green, blue and straight alpha, top row first.
wxImage ImageFromRgba(int width, int height, const std::vector<uint8_t>& rgba);

// The dialog picture of (type, id) from the panel art catalogue, or an invalid bitmap when the
// build lacks it or it is damaged; callers draw without it then. The rendered pictures are in
// their own table (RenderedPanelArt(), PanelArt.h).
wxBitmap PanelBitmap(const char* type, int id, const CResourceTable& table = CResourceTable::Linked());
