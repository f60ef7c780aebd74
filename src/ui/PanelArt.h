// PanelArt.h -- the dialog pictures linked into the program, decoded into RGBA images.
#pragma once

#include "environment/PackedImage.h"

// Decodes the catalogued picture of (type, id) (PanelArtCatalogue.h). False, leaving out empty,
// when (type, id) is not catalogued, the table lacks it, its bytes are not a 24-bit or 32-bit BMP,
// or its size is not the catalogue's (the frame painter places the pieces by those sizes). The
// dialogs then draw the plain frame or a button without its icon, so nothing is reported.
bool LoadPanelArt(const char* type, int id, PackedImage& out, const CResourceTable& table = CResourceTable::Linked());

// The pictures rendered from the tank at build time (the population sheet and the scene
// previews), packed into a table of their own: the renderer itself links the scene and with it
// the linked table, so they cannot be in that one. Defined by the packed source of that table,
// which only the program links.
const CResourceTable& RenderedPanelArt();
