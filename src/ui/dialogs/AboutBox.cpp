// AboutBox.cpp -- the About box's lines and the frame pieces shared by the framed dialogs.
#include "ui/dialogs/AboutBox.h"

#include "ui/PanelArtCatalogue.h"
#include "ui/controls/PackedBitmap.h"

#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace {
constexpr int kBoxWidth = 205; // dialog units
constexpr int kBoxHeight = 109;
constexpr int kCaptionTextX = 60; // pixels

// Seven lines: the title, the rights line and a five-line notice.
constexpr const char* kLines[] = {
    "Kelpora",
    "Copyright (c) Kelpora developers",
    "This program is provided as is, without",
    "warranty of any kind. You may use and share",
    "it freely. The fish, plants and pictures",
    "shown are drawn by the program itself and",
    "belong to the same developers.",
};
} // namespace

DialogFrameBitmaps LoadDialogFrameBitmaps()
{
    DialogFrameBitmaps bitmaps;
    bitmaps.closeBox = PanelBitmap(kFrameBitmapType, kCloseBoxBitmap);
    bitmaps.captionLeft = PanelBitmap(kFrameBitmapType, kCaptionLeftBitmap);
    bitmaps.captionMiddle = PanelBitmap(kFrameBitmapType, kCaptionTileBitmap);
    bitmaps.captionRight = PanelBitmap(kFrameBitmapType, kCaptionRightBitmap);
    bitmaps.borderTile = PanelBitmap(kFrameBitmapType, kBorderTileBitmap);
    return bitmaps;
}

CAboutBox::CAboutBox(wxWindow* parent)
{
    Create(parent, wxID_ANY, " About ", kCaptionTextX, LoadDialogFrameBitmaps(), wxSize(300, 200));
    SetTitle("About");
    SetFont(wxFont(8, wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
    const wxSize frame = GetClientSize() - ContentRect().GetSize();
    SetClientSize(ConvertDialogToPixels(wxSize(kBoxWidth, kBoxHeight)) + frame);
    const wxPoint origin = ContentRect().GetTopLeft();

    // The product mark beside the lines, which stand one under the other.
    const wxBitmap mark = PanelBitmap(kIconType, kAboutIcon);
    const wxPoint markAt = origin + ConvertDialogToPixels(wxPoint(8, 8));
    if (mark.IsOk())
        new wxStaticBitmap(this, wxID_ANY, mark, markAt);
    const int textLeft = origin.x + ConvertDialogToPixels(wxPoint(40, 0)).x;
    int y = markAt.y;
    for (size_t i = 0; i < std::size(kLines); ++i) {
        auto* line = new wxStaticText(this, wxID_ANY, kLines[i], wxPoint(textLeft, y));
        if (i == 0)
            line->SetFont(GetFont().Larger().Bold());
        y += line->GetSize().y + (i < 2 ? ConvertDialogToPixels(wxPoint(0, 4)).y : 0);
    }
    CentreOnParent();
}
