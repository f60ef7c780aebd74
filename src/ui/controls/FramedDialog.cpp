// FramedDialog.cpp -- base of the dialogs that paint their own caption, close box and borders.
#include "ui/controls/FramedDialog.h"

#include <wx/dcclient.h>

bool CFramedDialog::Create(wxWindow* parent, wxWindowID id, const wxString& caption, int captionTextX,
                           const DialogFrameBitmaps& frameBitmaps, const wxSize& size)
{
    bitmaps = frameBitmaps;
    captionText = caption;
    textX = captionTextX;
    if (!wxDialog::Create(parent, id, caption, wxDefaultPosition, size, wxBORDER_NONE))
        return false;
    Bind(wxEVT_PAINT, &CFramedDialog::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CFramedDialog::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CFramedDialog::OnLeftUp, this);
    Bind(wxEVT_MOTION, &CFramedDialog::OnMotion, this);
    Bind(wxEVT_CHAR_HOOK, &CFramedDialog::OnCharHook, this);
    Bind(wxEVT_SIZE, &CFramedDialog::OnSize, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { dragging = false; });
    return true;
}

wxRect CFramedDialog::ContentRect() const
{
    const controls::DialogFrameLayout layout =
        controls::LayoutDialogFrame(GetClientSize().x, GetClientSize().y, bitmaps.Sizes());
    const int left = layout.leftBorder.width;
    const int top = layout.captionLeft.height;
    const int right = layout.rightBorder.width;
    const int bottom = layout.bottomBorder.height;
    return wxRect(left, top, std::max(0, GetClientSize().x - left - right),
                  std::max(0, GetClientSize().y - top - bottom));
}

void CFramedDialog::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    PaintDialogFrame(dc, GetClientSize(), captionText, textX, bitmaps);
}

void CFramedDialog::OnSize(wxSizeEvent& event)
{
    Refresh(); // the frame spans the whole window: a resize moves every piece
    event.Skip();
}

void CFramedDialog::OnLeftDown(wxMouseEvent& event)
{
    const wxPoint at = event.GetPosition();
    const controls::DialogFrameLayout layout =
        controls::LayoutDialogFrame(GetClientSize().x, GetClientSize().y, bitmaps.Sizes());
    if (layout.closeBox.Contains(at.x, at.y)) {
        Cancel();
        return;
    }
    if (at.y >= 0 && at.y < layout.captionLeft.height) {
        dragging = true;
        dragStart = at;
        if (!HasCapture())
            CaptureMouse();
        return;
    }
    event.Skip();
}

void CFramedDialog::OnMotion(wxMouseEvent& event)
{
    if (dragging && event.LeftIsDown())
        Move(ClientToScreen(event.GetPosition()) - dragStart);
    event.Skip();
}

void CFramedDialog::OnLeftUp(wxMouseEvent& event)
{
    if (dragging) {
        dragging = false;
        if (HasCapture())
            ReleaseMouse();
    }
    event.Skip();
}

void CFramedDialog::OnCharHook(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_ESCAPE)
        Cancel();
    else
        event.Skip();
}

void CFramedDialog::Cancel()
{
    if (IsModal())
        EndModal(wxID_CANCEL);
    else
        Close();
}
