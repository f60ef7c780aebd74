// CursorImages.cpp -- one packed cursor to a top-down RGBA image with its hot spot.
#include "view/CursorImages.h"

#include "environment/BitmapFile.h"
#include "platform/PackedCodec.h"
#include "view/CursorCatalogue.h"

#include <algorithm>

namespace {
// Larger pictures are not cursors: no desktop shows a cursor bigger than this, and refusing them
// keeps a damaged resource from asking for a huge image.
constexpr int kMaxCursorSide = 256;
} // namespace

bool LoadCursorImage(int resourceId, CursorImage& out, const CResourceTable& table)
{
    out = CursorImage();
    const CursorEntry* entry = FindCursorEntry(resourceId);
    const PackedResource* resource = table.Find(kCursorResourceType, resourceId);
    if (entry == nullptr || resource == nullptr)
        return false;

    // Unscrambled in a copy: the linked bytes are read-only.
    std::vector<uint8_t> bytes(resource->bytes, resource->bytes + resource->size);
    DecodePackedBytes(bytes.data(), bytes.size(), 0);
    BitmapImage bitmap;
    if (!ParseBitmapFile(bytes.data(), bytes.size(), bitmap) || bitmap.bitCount != 32 ||
        bitmap.width > kMaxCursorSide || bitmap.height > kMaxCursorSide)
        return false;

    // Stored blue, green, red, alpha, bottom row first; 32-bit rows need no padding.
    const size_t stride = BitmapRowStride(32, bitmap.width);
    out.rgba.resize(stride * static_cast<size_t>(bitmap.height));
    for (int y = 0; y < bitmap.height; ++y) {
        const uint8_t* in = bitmap.Bits() + stride * static_cast<size_t>(bitmap.height - 1 - y);
        uint8_t* pixel = out.rgba.data() + stride * static_cast<size_t>(y);
        for (int x = 0; x < bitmap.width; ++x, in += 4, pixel += 4) {
            pixel[0] = in[2];
            pixel[1] = in[1];
            pixel[2] = in[0];
            pixel[3] = in[3];
        }
    }
    out.width = bitmap.width;
    out.height = bitmap.height;
    out.hotX = std::clamp(entry->hotX, 0, bitmap.width - 1);
    out.hotY = std::clamp(entry->hotY, 0, bitmap.height - 1);
    return true;
}
