// DialogFrame.h -- paints a dialog's own caption strip, close box and borders from bitmaps.
//
// Dialogs without system decorations call PaintDialogFrame from their paint handler. The frame
// is drawn over whatever lies beneath, in this order: the caption strip (left end, middle tile
// repeated, right end), the close box picture, the caption text, then the border tile down the
// left and right sides and along the bottom.
#pragma once

#include "ui/controls/ControlLogic.h"

#include <wx/bitmap.h>
#include <wx/dc.h>

struct DialogFrameBitmaps
{
    wxBitmap closeBox;      // the close box picture
    wxBitmap captionLeft;   // left end of the caption strip; its height is the strip's height
    wxBitmap captionMiddle; // tile repeated along the caption
    wxBitmap captionRight;  // right end of the caption strip
    wxBitmap borderTile;    // tile for the left, right and bottom borders

    bool IsOk() const;
    controls::DialogFrameSizes Sizes() const;
};

void PaintDialogFrame(wxDC& dc, const wxSize& window, const wxString& text, int textX,
                      const DialogFrameBitmaps& bitmaps);
