// PaintPanels.h -- the dialogs' frame pieces and button icons.
//
// The frame is a pale, glossy caption strip (the caption text is drawn over it in bold pure blue,
// so the strip stays light where the text goes) resting on a water-blue rim, with deep blue borders
// down the sides and along the bottom. The icons are drawn like the cursors: light objects with a
// dark outline on a transparent ground; the four that stand for a cursor mode show that mode's
// cursor figure, centred and enlarged.
#pragma once

#include "art/RgbaImage.h"
#include "ui/PanelArtCatalogue.h"

#include <cstdint>
#include <string>
#include <vector>

struct PanelPicture
{
    std::string name; // base name of the file, from the catalogue
    bool alpha;       // written with its transparency (32-bit) or opaque (24-bit)
    CRgbaImage image; // the entry's size, straight alpha
};

// The picture of one catalogue entry at the entry's size.
CRgbaImage PaintPanelArt(const PanelArtEntry& entry);

// The picture as its BMP file: 32-bit with its transparency when it has alpha, 24-bit otherwise.
std::vector<uint8_t> EncodePanelPicture(const PanelPicture& picture);

// Every picture of the catalogue, in its order.
std::vector<PanelPicture> PaintPanels();
