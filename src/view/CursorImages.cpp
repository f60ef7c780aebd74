// CursorImages.cpp -- one packed cursor to a top-down RGBA image with its hot spot.
#include "view/CursorImages.h"

#include "environment/PackedImage.h"
#include "view/CursorCatalogue.h"

#include <algorithm>
#include <utility>

namespace {
// Larger pictures are not cursors: no desktop shows a cursor bigger than this, and refusing them
// keeps a damaged resource from asking for a huge image.
constexpr int kMaxCursorSide = 256;
} // namespace

bool LoadCursorImage(int resourceId, CursorImage& out, const CResourceTable& table)
{
    out = CursorImage();
    const CursorEntry* entry = FindCursorEntry(resourceId);
    if (entry == nullptr)
        return false;

    PackedImage image;
    if (!LoadPackedImage(table, kCursorResourceType, resourceId, kMaxCursorSide, image) || !image.hasAlpha)
        return false;
    out.width = image.width;
    out.height = image.height;
    out.rgba = std::move(image.rgba);
    out.hotX = std::clamp(entry->hotX, 0, out.width - 1);
    out.hotY = std::clamp(entry->hotY, 0, out.height - 1);
    return true;
}
