// DialogFrame.cpp -- paints a dialog's own caption strip, close box and borders from bitmaps.
#include "ui/controls/DialogFrame.h"

#include <wx/font.h>

namespace {

constexpr int kCaptionTextY = 10;       // top of the caption text, pixels
constexpr int kCaptionTextHeight = 15;  // pixels
constexpr int kCaptionTextWeight = 900; // heavy bold
const wxColour kCaptionTextColour(0, 0, 255);

// Repeats `tile` over `area`, clipping the last row and column to the area.
void TileBitmap(wxDC& dc, const wxBitmap& tile, const controls::PixelRect& area)
{
    if (!tile.IsOk() || tile.GetWidth() <= 0 || tile.GetHeight() <= 0 || area.width <= 0 || area.height <= 0)
        return;
    wxDCClipper clip(dc, wxRect(area.x, area.y, area.width, area.height));
    for (int y = area.y; y < area.y + area.height; y += tile.GetHeight())
        for (int x = area.x; x < area.x + area.width; x += tile.GetWidth())
            dc.DrawBitmap(tile, x, y, true);
}

void DrawAt(wxDC& dc, const wxBitmap& bitmap, const controls::PixelRect& where)
{
    if (bitmap.IsOk())
        dc.DrawBitmap(bitmap, where.x, where.y, true);
}

} // namespace

bool DialogFrameBitmaps::IsOk() const
{
    return closeBox.IsOk() && captionLeft.IsOk() && captionMiddle.IsOk() && captionRight.IsOk() && borderTile.IsOk();
}

controls::DialogFrameSizes DialogFrameBitmaps::Sizes() const
{
    controls::DialogFrameSizes sizes;
    const auto size = [](const wxBitmap& bitmap) { return bitmap.IsOk() ? bitmap.GetSize() : wxSize(0, 0); };
    sizes.closeWidth = size(closeBox).x;
    sizes.closeHeight = size(closeBox).y;
    sizes.leftWidth = size(captionLeft).x;
    sizes.captionHeight = size(captionLeft).y;
    sizes.middleWidth = size(captionMiddle).x;
    sizes.rightWidth = size(captionRight).x;
    sizes.borderWidth = size(borderTile).x;
    sizes.borderHeight = size(borderTile).y;
    return sizes;
}

void PaintDialogFrame(wxDC& dc, const wxSize& window, const wxString& text, int textX,
                      const DialogFrameBitmaps& bitmaps)
{
    const controls::DialogFrameLayout layout = controls::LayoutDialogFrame(window.x, window.y, bitmaps.Sizes());

    DrawAt(dc, bitmaps.captionLeft, layout.captionLeft);
    TileBitmap(dc, bitmaps.captionMiddle, layout.captionMiddle);
    DrawAt(dc, bitmaps.captionRight, layout.captionRight);
    DrawAt(dc, bitmaps.closeBox, layout.closeBox);

    wxFont font(wxFontInfo(wxSize(0, kCaptionTextHeight)).FaceName("Arial").Family(wxFONTFAMILY_SWISS));
    font.SetNumericWeight(kCaptionTextWeight);
    dc.SetFont(font);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(kCaptionTextColour);
    dc.DrawText(text, textX, kCaptionTextY);

    TileBitmap(dc, bitmaps.borderTile, layout.leftBorder);
    TileBitmap(dc, bitmaps.borderTile, layout.rightBorder);
    TileBitmap(dc, bitmaps.borderTile, layout.bottomBorder);
}
