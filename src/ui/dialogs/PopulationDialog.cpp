// PopulationDialog.cpp -- the "Add/Delete Fish" dialog's window: sheet, buttons, total, timer.
#include "ui/dialogs/PopulationDialog.h"

#include "ui/PanelArt.h"
#include "ui/PanelArtCatalogue.h"
#include "ui/controls/IconButton.h"
#include "ui/controls/LinkLabel.h"
#include "ui/controls/PackedBitmap.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/utils.h>

#include <algorithm>
#include <string>

namespace {
constexpr int kAddButton = 1007;
constexpr int kDeleteButton = 1008;
constexpr int kRandomButton = 1009;
constexpr int kClearButton = 1010;
constexpr int kTotalText = 1001;
constexpr int kLinkLabel = 1037;

constexpr int kCaptionTextX = 60;

// The layout below is in dialog units of an 8-point sans-serif face: 3/2 pixel across and 13/8
// pixel down per unit. Positions are relative to the area inside the caption and borders.
wxPoint Units(int x, int y)
{
    return wxPoint(x * 3 / 2, y * 13 / 8);
}
wxSize UnitSize(int w, int h)
{
    return wxSize(w * 3 / 2, h * 13 / 8);
}
const wxSize kContentSize = UnitSize(341, 345);

struct ButtonLayout
{
    int id;
    const char* text; // the letter in brackets is the mnemonic, run by TryBefore
    const char* tip;
    int x, y, w, h; // dialog units
};
// The tips are used exactly as written, the two blanks of "Random  All Fishes" included.
constexpr ButtonLayout kButtons[] = {
    {kAddButton, "Add(&A)", "Add Fish", 3, 302, 48, 21},
    {kDeleteButton, "Delete(&D)", "Delete Fish", 95, 302, 54, 21},
    {kRandomButton, "Random(&R)", "Random  All Fishes", 190, 302, 54, 21},
    {kClearButton, "Clear(&C)", "Clear All Fishes", 285, 302, 52, 21},
};

constexpr char kLinkAddress[] = "https://www.kelpora.example";

// The sheet reaches down to the buttons: clicks between the last row of cells and y = 450
// select the cells below the pictures, clicks from 450 on clear the selection.
const int kSheetWidth = CPopulationPanelState::kCellWidth * CPopulationPanelState::kColumns + 2;
const int kSheetHeight = Units(0, 302).y - 4;

// Inverts the pixels of `image` inside the ellipse that fills `cell`: the selection mark.
void InvertEllipse(wxImage& image, const CellRect& cell)
{
    const double cx = (cell.left + cell.right) / 2.0;
    const double cy = (cell.top + cell.bottom) / 2.0;
    const double rx = (cell.right - cell.left) / 2.0;
    const double ry = (cell.bottom - cell.top) / 2.0;
    for (int y = std::max(cell.top, 0); y < std::min(cell.bottom, image.GetHeight()); ++y) {
        for (int x = std::max(cell.left, 0); x < std::min(cell.right, image.GetWidth()); ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy > 1.0)
                continue;
            image.SetRGB(x, y, 255 - image.GetRed(x, y), 255 - image.GetGreen(x, y), 255 - image.GetBlue(x, y));
        }
    }
}
} // namespace

// The picture sheet: the cells with their counts and the selection mark. Its coordinates are
// those the panel state's hit testing expects, (0, 0) at its top-left corner.
class CPopulationDialog::CSheet : public wxWindow
{
public:
    CSheet(CPopulationDialog& dialog, const wxPoint& at) : dialog(dialog)
    {
        SetBackgroundStyle(wxBG_STYLE_PAINT);
        pictures = PanelBitmap(kFrameBitmapType, kPopulationSheetBitmap, RenderedPanelArt());
        Create(&dialog, wxID_ANY, at, wxSize(kSheetWidth, kSheetHeight), wxBORDER_NONE);
        Bind(wxEVT_PAINT, &CSheet::OnPaint, this);
        Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
            this->dialog.state.Click(event.GetX(), event.GetY());
            this->dialog.Changed();
        });
        Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent& event) {
            this->dialog.state.DoubleClick(event.GetX(), event.GetY());
            this->dialog.Changed();
        });
        Bind(wxEVT_RIGHT_DCLICK, [this](wxMouseEvent&) {
            this->dialog.state.RightDoubleClick();
            this->dialog.Changed();
        });
    }

private:
    void OnPaint(wxPaintEvent&)
    {
        const CPopulationPanelState& state = dialog.state;
        wxBitmap sheet(kSheetWidth, kSheetHeight, 24);
        {
            wxMemoryDC dc(sheet);
            dc.SetFont(GetFont());
            dc.SetBackground(wxBrush(dialog.GetBackgroundColour()));
            dc.Clear();
            if (pictures.IsOk())
                dc.DrawBitmap(pictures, 0, 0); // its full size, from the corner; the cells lie 2 pixels in
            dc.SetFont(GetFont());
            dc.SetTextForeground(*wxBLACK);
            dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
            for (int species = 0; species < kSpeciesCount; ++species) {
                const CellRect cell = CPopulationPanelState::Cell(species);
                dc.DrawText(wxString::Format("%d", static_cast<int>(state.Count(species))), cell.left + 2,
                            cell.top + 2);
            }
        }
        const int selected = state.Selected();
        if (selected >= 0 && selected < kSpeciesCount) {
            wxImage image = sheet.ConvertToImage();
            InvertEllipse(image, CPopulationPanelState::Cell(selected));
            sheet = wxBitmap(image);
        }
        wxPaintDC dc(this);
        dc.DrawBitmap(sheet, 0, 0);
    }

    CPopulationDialog& dialog;
    wxBitmap pictures; // the fifteen species, rendered at build time; without it the cells are plain
};

CPopulationDialog::CPopulationDialog(wxWindow* parent, AquariumSettings& record, CSettingsFile& file,
                                     ErrorReport report)
    : state(record, file, std::move(report)), applyTimer(this)
{
    frameBitmaps.closeBox = PanelBitmap(kFrameBitmapType, kCloseBoxBitmap);
    frameBitmaps.captionLeft = PanelBitmap(kFrameBitmapType, kCaptionLeftBitmap);
    frameBitmaps.captionMiddle = PanelBitmap(kFrameBitmapType, kCaptionTileBitmap);
    frameBitmaps.captionRight = PanelBitmap(kFrameBitmapType, kCaptionRightBitmap);
    frameBitmaps.borderTile = PanelBitmap(kFrameBitmapType, kBorderTileBitmap);
    const controls::DialogFrameSizes frame = frameBitmaps.Sizes();
    const wxSize window(kContentSize.x + 2 * frame.borderWidth,
                        kContentSize.y + frame.captionHeight + frame.borderHeight);
    // The title is what window lists show; the painted caption carries the dialog's own text.
    Create(parent, wxID_ANY, " Add/Delete Fish)", kCaptionTextX, frameBitmaps, window);
    SetTitle("Add/Delete Fish");
    // The dialog's face: an 8-point sans-serif, which the layout's units are measured in.
    SetFont(wxFont(wxFontInfo(8).Family(wxFONTFAMILY_SWISS)));

    state.Open();
    const wxPoint origin = ContentRect().GetTopLeft();
    sheet = new CSheet(*this, origin);
    for (const ButtonLayout& layout : kButtons) {
        auto* button = new CIconButton();
        // The button draws its text 16 pixels right of centre (room for an icon these buttons
        // lack): widen a button whose text would run past its right edge, within the dialog.
        const wxPoint at = origin + Units(layout.x, layout.y);
        wxSize size = UnitSize(layout.w, layout.h);
        size.x = std::max(size.x, GetTextExtent(wxStripMenuCodes(layout.text)).x + 2 * 16 + 12);
        size.x = std::min(size.x, origin.x + kContentSize.x - 2 - at.x);
        button->Create(this, layout.id, layout.text, at, size);
        button->SetTooltipText(layout.tip);
    }
    totalText = new wxStaticText(this, kTotalText, "Total:50  (Max:50)", origin + Units(250, 333),
                                 UnitSize(81, 8) + wxSize(0, 4), wxST_NO_AUTORESIZE);
    totalText->SetForegroundColour(wxColour(0, 0, 255));
    auto* link = new CLinkLabel();
    link->Create(this, kLinkLabel, kLinkAddress, kLinkAddress, origin + Units(9, 333), UnitSize(113, 12));

    Bind(wxEVT_BUTTON, &CPopulationDialog::OnButton, this);
    Bind(wxEVT_TIMER, &CPopulationDialog::OnTimer, this);
    Changed();
    CentreOnScreen();
    applyTimer.Start(CPopulationPanelState::kTickMilliseconds);
}

CPopulationDialog::~CPopulationDialog()
{
    applyTimer.Stop();
}

void CPopulationDialog::Changed()
{
    sheet->Refresh(false);
    totalText->SetLabel(wxString::FromUTF8(state.TotalText()));
}

void CPopulationDialog::OnButton(wxCommandEvent& event)
{
    switch (event.GetId()) {
    case kAddButton:
        state.Add();
        break;
    case kDeleteButton:
        state.Delete();
        break;
    case kRandomButton:
        state.Randomize();
        break;
    case kClearButton:
        state.Clear();
        break;
    default:
        event.Skip();
        return;
    }
    Changed();
}

void CPopulationDialog::OnTimer(wxTimerEvent&)
{
    state.Apply();
}

void CPopulationDialog::Accept()
{
    applyTimer.Stop();
    state.Accept();
    if (IsModal())
        EndModal(wxID_OK);
    else
        Close();
}

bool CPopulationDialog::TryBefore(wxEvent& event)
{
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_CHAR_HOOK) {
        auto& key = static_cast<wxKeyEvent&>(event);
        const int code = key.GetKeyCode();
        if (code == WXK_RETURN || code == WXK_NUMPAD_ENTER) {
            Accept();
            return true;
        }
        if (!key.ControlDown() && !key.AltDown() && code < 128 && state.PressKey(code)) {
            Changed();
            return true;
        }
    } else if (type == wxEVT_LEFT_DOWN && event.GetEventObject() == this) {
        const wxPoint at = static_cast<wxMouseEvent&>(event).GetPosition();
        const controls::DialogFrameLayout layout =
            controls::LayoutDialogFrame(GetClientSize().x, GetClientSize().y, frameBitmaps.Sizes());
        if (layout.closeBox.Contains(at.x, at.y)) {
            Accept(); // the caption's close behaves as OK
            return true;
        }
        const wxRect content = ContentRect();
        if (content.Contains(at)) {
            // Below the sheet, among the buttons: past the grid, so the selection clears.
            state.Click(at.x - content.x, at.y - content.y);
            Changed();
        }
    }
    return CFramedDialog::TryBefore(event);
}
