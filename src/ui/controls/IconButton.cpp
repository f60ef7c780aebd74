// IconButton.cpp -- a push button with a graded face, a hot or focus border and an icon.
#include "ui/controls/IconButton.h"

#include "ui/controls/ControlLogic.h"
#include "ui/controls/OwnerDrawn.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>
#include <wx/tooltip.h>

namespace {

constexpr int kTextShift = 16; // the text sits right of centre to leave room for the icon

// Border lines in the order left, right, top, bottom: width and colour.
struct BorderLine
{
    int width;
    unsigned char red, green, blue;
};
constexpr BorderLine kHotBorder[4] = {{3, 250, 196, 88}, {3, 251, 202, 106}, {2, 252, 210, 121}, {2, 229, 151, 0}};
constexpr BorderLine kFocusBorder[4] = {{3, 153, 198, 252}, {3, 162, 189, 252}, {2, 162, 201, 255}, {2, 162, 201, 255}};

int EdgeSize(wxSystemMetric metric, const wxWindow* window)
{
    const int size = wxSystemSettings::GetMetric(metric, window);
    return size > 0 ? size : 2;
}

} // namespace

bool CIconButton::Create(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos, const wxSize& size)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!wxControl::Create(parent, id, pos, size, wxBORDER_NONE))
        return false;
    SetLabel(label);
    Bind(wxEVT_PAINT, &CIconButton::OnPaint, this);
    Bind(wxEVT_ENTER_WINDOW, &CIconButton::OnEnter, this);
    Bind(wxEVT_MOTION, &CIconButton::OnEnter, this);
    Bind(wxEVT_LEAVE_WINDOW, &CIconButton::OnLeave, this);
    Bind(wxEVT_LEFT_DOWN, &CIconButton::OnLeftDown, this);
    // A double click arrives as down, up, double click, up: treating the double click as a press
    // makes the second up a second click.
    Bind(wxEVT_LEFT_DCLICK, &CIconButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CIconButton::OnLeftUp, this);
    Bind(wxEVT_KEY_DOWN, &CIconButton::OnKeyDown, this);
    RepaintOnFocusAndCaptureLoss(*this, pressed);
    if (size == wxDefaultSize)
        SetInitialSize(size);
    return true;
}

void CIconButton::SetIcon(const wxBitmap& newInIcon, const wxBitmap& newOutIcon)
{
    inIcon = newInIcon;
    outIcon = newOutIcon;
    Refresh();
}

void CIconButton::SetTooltipText(const wxString& text, bool activate)
{
    if (text.empty())
        return;
    tooltipText = text;
    if (activate) {
        SetToolTip(tooltipText);
    } else {
        UnsetToolTip();
    }
}

void CIconButton::SetDefaultLook(bool isDefault)
{
    defaultLook = isDefault;
    Refresh();
}

bool CIconButton::Enable(bool enable)
{
    const bool changed = wxControl::Enable(enable);
    Refresh(); // text and icon take or drop the disabled look
    return changed;
}

wxSize CIconButton::DoGetBestSize() const
{
    wxClientDC dc(const_cast<CIconButton*>(this));
    dc.SetFont(GetFont());
    const wxSize text = dc.GetTextExtent(GetLabelText());
    const wxSize icon = outIcon.IsOk() ? outIcon.GetSize() : wxSize(0, 0);
    return wxSize(icon.x + text.x + 2 * kTextShift + 8, std::max(icon.y, text.y) + 12);
}

void CIconButton::OnPaint(wxPaintEvent&)
{
    const wxSize size = GetClientSize();
    if (size.x <= 0 || size.y <= 0)
        return;
    wxBitmap offscreen(size);
    {
        wxMemoryDC memory(offscreen);
        DrawFace(memory, size);
    }
    wxPaintDC dc(this);
    dc.DrawBitmap(offscreen, 0, 0);
}

void CIconButton::DrawFace(wxDC& dc, const wxSize& size)
{
    const bool focused = HasFocus();
    const bool active = focused || pressed || defaultLook;
    const bool disabled = !IsEnabled();

    const wxColour parentBackground = GetParent() ? GetParent()->GetBackgroundColour() : GetBackgroundColour();
    dc.SetBackground(wxBrush(parentBackground));
    dc.Clear();
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawRoundedRectangle(0, 0, size.x, size.y, 3);

    wxRect inner(size);
    inner.Deflate(EdgeSize(wxSYS_EDGE_X, this), EdgeSize(wxSYS_EDGE_Y, this));
    if (inner.width <= 0 || inner.height <= 0)
        return;

    // Face: 64 solid bands, band i covering its share of the height (no gaps, no overlap).
    dc.SetPen(*wxTRANSPARENT_PEN);
    for (int i = 0; i < controls::kIconButtonFaceSteps; ++i) {
        const int top = inner.y + inner.height * i / controls::kIconButtonFaceSteps;
        const int bottom = inner.y + inner.height * (i + 1) / controls::kIconButtonFaceSteps;
        if (bottom <= top)
            continue;
        const controls::Rgb colour = controls::IconButtonFaceColour(i, hovering, active);
        dc.SetBrush(wxBrush(wxColour(colour.red, colour.green, colour.blue)));
        dc.DrawRectangle(inner.x, top, inner.width, bottom - top);
    }

    // Hot border while hovered, focus border while focused only: left, right, top, bottom strips
    // lying inside the face.
    if (hovering || focused) {
        const BorderLine* lines = hovering ? kHotBorder : kFocusBorder;
        const wxRect strips[4] = {
            wxRect(inner.x, inner.y, lines[0].width, inner.height),
            wxRect(inner.GetRight() + 1 - lines[1].width, inner.y, lines[1].width, inner.height),
            wxRect(inner.x, inner.y, inner.width, lines[2].width),
            wxRect(inner.x, inner.GetBottom() + 1 - lines[3].width, inner.width, lines[3].width),
        };
        for (int i = 0; i < 4; ++i) {
            dc.SetBrush(wxBrush(wxColour(lines[i].red, lines[i].green, lines[i].blue)));
            dc.DrawRectangle(strips[i]);
        }
    }

    const int push = pressed ? 1 : 0;
    // A mnemonic ("Add(&A)") is drawn as its letter underlined, without the ampersand.
    wxString text;
    const int accelerator = wxControl::FindAccelIndex(GetLabel(), &text);
    if (!text.empty()) {
        dc.SetFont(GetFont());
        dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
        dc.SetTextForeground(disabled ? wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT) : *wxBLACK);
        wxRect textRect = inner;
        textRect.Offset(kTextShift + push, push);
        dc.DrawLabel(text, textRect, wxALIGN_CENTRE, accelerator);
    }

    const wxBitmap& icon = (hovering || focused) ? inIcon : outIcon;
    if (icon.IsOk()) {
        const int iconX = text.empty() ? inner.x + (inner.width - icon.GetWidth()) / 2 : inner.x;
        const int iconY = inner.y + (inner.height - icon.GetHeight()) / 2 + 2;
        const int shift = focused ? 1 : 0;
        dc.DrawBitmap(disabled ? icon.ConvertToDisabled() : icon, iconX + shift, iconY + shift, true);
    }
}

void CIconButton::OnEnter(wxMouseEvent& event)
{
    if (!hovering) {
        hovering = true;
        Refresh();
    }
    event.Skip();
}

void CIconButton::OnLeave(wxMouseEvent& event)
{
    if (hovering) {
        hovering = false;
        Refresh();
    }
    event.Skip();
}

void CIconButton::OnLeftDown(wxMouseEvent&)
{
    if (!IsEnabled())
        return;
    SetFocus();
    pressed = true;
    if (!HasCapture())
        CaptureMouse();
    Refresh();
}

void CIconButton::OnLeftUp(wxMouseEvent& event)
{
    const bool wasPressed = pressed;
    pressed = false;
    if (HasCapture())
        ReleaseMouse();
    Refresh();
    if (wasPressed && GetClientRect().Contains(event.GetPosition()))
        SendClick();
}

void CIconButton::OnKeyDown(wxKeyEvent& event)
{
    if ((event.GetKeyCode() == WXK_SPACE || event.GetKeyCode() == WXK_RETURN) && IsEnabled())
        SendClick();
    else
        event.Skip();
}

void CIconButton::SendClick()
{
    wxCommandEvent click(wxEVT_BUTTON, GetId());
    click.SetEventObject(this);
    ProcessWindowEvent(click);
}
