// ColourButton.cpp -- a flat button showing one colour, outlined in white.
#include "ui/controls/ColourButton.h"

#include <wx/dcbuffer.h>

bool CColourButton::Attach(wxWindowID id, wxWindow* parent, const wxColour& startColour, const wxPoint& pos,
                           const wxSize& size)
{
    colour = startColour;
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!wxControl::Create(parent, id, pos, size, wxBORDER_NONE))
        return false;
    Bind(wxEVT_PAINT, &CColourButton::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CColourButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CColourButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CColourButton::OnLeftUp, this);
    Bind(wxEVT_KEY_DOWN, &CColourButton::OnKeyDown, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { pressed = false; });
    return true;
}

void CColourButton::SetColour(const wxColour& newColour)
{
    colour = newColour;
    Refresh();
}

wxSize CColourButton::DoGetBestSize() const
{
    return FromDIP(wxSize(40, 20));
}

void CColourButton::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    dc.SetBrush(wxBrush(colour));
    dc.SetPen(*wxWHITE_PEN);
    dc.DrawRectangle(GetClientRect());
}

void CColourButton::OnLeftDown(wxMouseEvent&)
{
    if (!IsEnabled())
        return;
    SetFocus();
    pressed = true;
    if (!HasCapture())
        CaptureMouse();
}

void CColourButton::OnLeftUp(wxMouseEvent& event)
{
    const bool wasPressed = pressed;
    pressed = false;
    if (HasCapture())
        ReleaseMouse();
    if (wasPressed && GetClientRect().Contains(event.GetPosition()))
        SendClick();
}

void CColourButton::OnKeyDown(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_SPACE || event.GetKeyCode() == WXK_RETURN)
        SendClick();
    else
        event.Skip();
}

void CColourButton::SendClick()
{
    wxCommandEvent click(wxEVT_BUTTON, GetId());
    click.SetEventObject(this);
    ProcessWindowEvent(click);
}
