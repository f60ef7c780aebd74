// RoundCheckBox.cpp -- a check box drawn as a round lamp (or a pair of icons) beside its text.
#include "ui/controls/RoundCheckBox.h"

#include "ui/controls/ControlLogic.h"
#include "ui/controls/OwnerDrawn.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>
#include <wx/tokenzr.h>

namespace {

constexpr int kTextGap = 3; // pixels between the indicator and the text

// Breaks `text` into lines no wider than `width`, at blanks where possible.
wxString WrapText(wxDC& dc, const wxString& text, int width)
{
    wxString wrapped;
    wxStringTokenizer paragraphs(text, "\n", wxTOKEN_RET_EMPTY_ALL);
    while (paragraphs.HasMoreTokens()) {
        wxString line;
        wxStringTokenizer words(paragraphs.GetNextToken(), " ", wxTOKEN_STRTOK);
        while (words.HasMoreTokens()) {
            const wxString word = words.GetNextToken();
            const wxString longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && dc.GetTextExtent(longer).x > width) {
                wrapped += line + "\n";
                line = word;
            } else {
                line = longer;
            }
        }
        wrapped += line;
        if (paragraphs.HasMoreTokens())
            wrapped += "\n";
    }
    return wrapped;
}

} // namespace

bool CRoundCheckBox::Create(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos,
                            const wxSize& size, long style)
{
    creationStyle = style;
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!wxControl::Create(parent, id, pos, size, wxBORDER_NONE))
        return false;
    SetLabel(label);
    Bind(wxEVT_PAINT, &CRoundCheckBox::OnPaint, this);
    Bind(wxEVT_MOTION, &CRoundCheckBox::OnMotion, this);
    Bind(wxEVT_ENTER_WINDOW, &CRoundCheckBox::OnMotion, this);
    Bind(wxEVT_LEAVE_WINDOW, &CRoundCheckBox::OnLeave, this);
    Bind(wxEVT_LEFT_DOWN, &CRoundCheckBox::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CRoundCheckBox::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CRoundCheckBox::OnLeftUp, this);
    Bind(wxEVT_KEY_DOWN, &CRoundCheckBox::OnKeyDown, this);
    RepaintOnFocusAndCaptureLoss(*this, pressed);
    if (size == wxDefaultSize)
        SetInitialSize(size);
    return true;
}

void CRoundCheckBox::SetCheck(int state, bool redraw)
{
    checkState = controls::CheckStateFromRequest(state);
    if (redraw)
        Refresh();
}

void CRoundCheckBox::SetColours(const wxColour& checked, const wxColour& unchecked)
{
    checkedColour = checked;
    uncheckedColour = unchecked;
    Refresh();
}

void CRoundCheckBox::SetIcons(const wxBitmap& checked, const wxBitmap& unchecked)
{
    checkedIcon = checked;
    uncheckedIcon = unchecked;
    Refresh();
}

bool CRoundCheckBox::Enable(bool enable)
{
    const bool changed = wxControl::Enable(enable);
    Refresh();
    return changed;
}

wxSize CRoundCheckBox::IndicatorSize() const
{
    if (checkedIcon.IsOk())
        return checkedIcon.GetSize();
    return wxSize(indicatorSize, indicatorSize);
}

wxSize CRoundCheckBox::DoGetBestSize() const
{
    wxClientDC dc(const_cast<CRoundCheckBox*>(this));
    dc.SetFont(GetFont());
    const wxSize text = dc.GetMultiLineTextExtent(GetLabel());
    const wxSize box = IndicatorSize();
    return wxSize(box.x + kTextGap + text.x + 8, std::max(box.y + 4, text.y) + 8);
}

void CRoundCheckBox::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    const bool disabled = !IsEnabled();
    const bool focused = HasFocus();
    wxRect rect = GetClientRect();

    // Background: a rounded highlight while the pointer is over us, the plain face otherwise.
    if (hovering) {
        dc.SetBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT));
        dc.SetPen(*wxBLACK_PEN);
        dc.DrawRoundedRectangle(rect, 2);
    } else {
        // The dialog's own face colour, so the box sits flush on its dialog.
        const wxColour face =
            GetParent() ? GetParent()->GetBackgroundColour() : wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
        dc.SetBrush(face);
        dc.SetPen(face);
        dc.DrawRectangle(rect);
    }
    rect.Deflate(2);
    if (focused) {
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_DOT));
        dc.DrawRectangle(rect);
    }
    rect.Deflate(1);

    // Indicator square at the right when the text goes on the left; 2 pixels below centre.
    const wxSize box = IndicatorSize();
    const bool textOnLeft = (creationStyle & wxALIGN_RIGHT) != 0;
    const int boxX = textOnLeft ? rect.GetRight() + 1 - box.x : rect.x;
    const int boxY = rect.y + (rect.height - box.y) / 2 + 2;
    wxRect textRect = rect;
    textRect.width = std::max(0, rect.width - box.x - kTextGap);
    if (!textOnLeft)
        textRect.x = rect.x + box.x + kTextGap;
    const int push = pressed ? 1 : 0;

    if (checkedIcon.IsOk() && uncheckedIcon.IsOk()) {
        const wxBitmap& icon = checkState ? checkedIcon : uncheckedIcon;
        dc.DrawBitmap(disabled ? icon.ConvertToDisabled() : icon, boxX + push, boxY + push, true);
    } else {
        const wxColour fill = disabled ? wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)
                                       : (checkState ? checkedColour : uncheckedColour);
        dc.SetBrush(fill);
        dc.SetPen(*wxBLACK_PEN);
        dc.DrawEllipse(boxX, boxY, box.x, box.y);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.SetPen(uncheckedColour);
        dc.DrawEllipse(boxX + 1, boxY + 1, box.x - 2, box.y - 2);
    }

    // Text: wrapped, vertically centred, aligned as the creation style says.
    dc.SetFont(GetFont());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const wxString text = WrapText(dc, GetLabel(), textRect.width);
    int align = wxALIGN_CENTRE_VERTICAL | wxALIGN_LEFT;
    if (creationStyle & kTextCentred)
        align = wxALIGN_CENTRE_VERTICAL | wxALIGN_CENTRE_HORIZONTAL;
    else if (creationStyle & kTextRight)
        align = wxALIGN_CENTRE_VERTICAL | wxALIGN_RIGHT;
    textRect.Offset(push, push);
    if (disabled) {
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT));
        wxRect embossed = textRect;
        embossed.Offset(1, 1);
        dc.DrawLabel(text, embossed, align);
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW));
        dc.DrawLabel(text, textRect, align);
    } else {
        dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
        dc.DrawLabel(text, textRect, align);
    }
}

void CRoundCheckBox::SetHovering(bool over)
{
    if (over == hovering)
        return;
    hovering = over;
    Refresh();
}

void CRoundCheckBox::OnMotion(wxMouseEvent& event)
{
    SetHovering(GetClientRect().Contains(event.GetPosition()));
    event.Skip();
}

void CRoundCheckBox::OnLeave(wxMouseEvent& event)
{
    SetHovering(false);
    event.Skip();
}

void CRoundCheckBox::OnLeftDown(wxMouseEvent&)
{
    if (!IsEnabled())
        return;
    SetFocus();
    pressed = true;
    if (!HasCapture())
        CaptureMouse();
    Refresh();
}

void CRoundCheckBox::OnLeftUp(wxMouseEvent& event)
{
    const bool wasPressed = pressed;
    pressed = false;
    if (HasCapture())
        ReleaseMouse();
    Refresh();
    if (wasPressed && GetClientRect().Contains(event.GetPosition()))
        Click();
}

void CRoundCheckBox::OnKeyDown(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_SPACE && IsEnabled())
        Click();
    else
        event.Skip();
}

void CRoundCheckBox::Click()
{
    // Toggle and repaint first: the parent's handler runs with the new state already in place.
    checkState = checkState ? 0 : 1;
    Refresh();
    Update();
    wxCommandEvent command(wxEVT_CHECKBOX, GetId());
    command.SetEventObject(this);
    command.SetInt(checkState);
    ProcessWindowEvent(command);
}
