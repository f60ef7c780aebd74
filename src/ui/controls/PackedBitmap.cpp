// PackedBitmap.cpp -- decoded RGBA pictures into wx images.
#include "ui/controls/PackedBitmap.h"

#include "ui/PanelArt.h"

wxImage ImageFromRgba(int width, int height, const std::vector<uint8_t>& rgba)
{
    wxImage image(width, height, false);
    image.InitAlpha();
    unsigned char* colour = image.GetData();
    unsigned char* alpha = image.GetAlpha();
    const size_t pixels = static_cast<size_t>(width) * height;
    for (size_t i = 0; i < pixels && 4 * i + 3 < rgba.size(); ++i) {
        colour[3 * i] = rgba[4 * i];
        colour[3 * i + 1] = rgba[4 * i + 1];
        colour[3 * i + 2] = rgba[4 * i + 2];
        alpha[i] = rgba[4 * i + 3];
    }
    return image;
}

wxBitmap PanelBitmap(const char* type, int id, const CResourceTable& table)
{
    PackedImage picture;
    if (!LoadPanelArt(type, id, picture, table))
        return wxNullBitmap;
    return wxBitmap(ImageFromRgba(picture.width, picture.height, picture.rgba));
}
