// PanelArt.cpp -- a catalogued dialog picture, decoded and checked against its catalogued size.
#include "ui/PanelArt.h"

#include "ui/PanelArtCatalogue.h"

#include <algorithm>
#include <utility>

bool LoadPanelArt(const char* type, int id, PackedImage& out, const CResourceTable& table)
{
    out = PackedImage();
    const PanelArtEntry* entry = FindPanelArt(type, id);
    if (entry == nullptr)
        return false;
    PackedImage image;
    if (!LoadPackedImage(table, type, id, std::max(entry->width, entry->height), image) ||
        image.width != entry->width || image.height != entry->height)
        return false;
    out = std::move(image);
    return true;
}
