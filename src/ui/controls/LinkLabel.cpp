// LinkLabel.cpp -- a text label that opens a web address in the default browser when clicked.
#include "ui/controls/LinkLabel.h"

#include "ui/controls/ControlLogic.h"

#include <wx/app.h>
#include <wx/dcbuffer.h>
#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/utils.h>

bool CLinkLabel::Create(wxWindow* parent, wxWindowID id, const wxString& text, const wxString& givenAddress,
                        const wxPoint& pos, const wxSize& size, long style)
{
    const controls::LinkTexts texts = controls::ResolveLinkTexts(text.utf8_string(), givenAddress.utf8_string());
    address = wxString::FromUTF8(texts.address);
    alignment = style & (wxALIGN_CENTRE_HORIZONTAL | wxALIGN_RIGHT | wxALIGN_CENTRE_VERTICAL);
    hoverColour = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!wxControl::Create(parent, id, pos, size, wxBORDER_NONE))
        return false;
    SetLabel(wxString::FromUTF8(texts.text));
    wxFont font = GetFont();
    font.SetUnderlined(underline);
    SetFont(font);
    SetCursor(wxCursor(wxCURSOR_HAND));
    SetToolTip(address);
    Bind(wxEVT_PAINT, &CLinkLabel::OnPaint, this);
    Bind(wxEVT_ENTER_WINDOW, &CLinkLabel::OnEnter, this);
    Bind(wxEVT_LEAVE_WINDOW, &CLinkLabel::OnLeave, this);
    Bind(wxEVT_LEFT_UP, &CLinkLabel::OnLeftUp, this);
    if (adjustToFit)
        FitToText(pos, size);
    return true;
}

wxSize CLinkLabel::DoGetBestSize() const
{
    wxClientDC dc(const_cast<CLinkLabel*>(this));
    dc.SetFont(GetFont());
    return dc.GetMultiLineTextExtent(GetLabel()) + wxSize(2, 2);
}

void CLinkLabel::FitToText(const wxPoint& pos, const wxSize& requested)
{
    // The text's own extent: GetBestSize would also honour the minimum size Create took from `requested`.
    const wxSize fit = DoGetBestSize();
    SetMinSize(fit);
    if (requested == wxDefaultSize || pos == wxDefaultPosition) {
        SetSize(fit);
        return;
    }
    // Shrink (or grow) to the text while keeping it where the style anchors it in the rectangle.
    const wxRect area(pos, requested);
    int x = area.x;
    if (alignment & wxALIGN_CENTRE_HORIZONTAL)
        x = area.x + (area.width - fit.x) / 2;
    else if (alignment & wxALIGN_RIGHT)
        x = area.GetRight() + 1 - fit.x;
    const int y = (alignment & wxALIGN_CENTRE_VERTICAL) ? area.y + (area.height - fit.y) / 2 : area.y;
    SetSize(x, y, fit.x, fit.y);
}

void CLinkLabel::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    const wxColour parentBackground = GetParent() ? GetParent()->GetBackgroundColour() : GetBackgroundColour();
    dc.SetBackground(wxBrush(parentBackground));
    dc.Clear();
    dc.SetFont(GetFont());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(hovering ? hoverColour : (visited ? visitedColour : linkColour));
    dc.DrawLabel(GetLabel(), GetClientRect(), wxALIGN_LEFT | wxALIGN_TOP);
}

void CLinkLabel::OnEnter(wxMouseEvent& event)
{
    hovering = true;
    Refresh();
    event.Skip();
}

void CLinkLabel::OnLeave(wxMouseEvent& event)
{
    hovering = false;
    Refresh();
    event.Skip();
}

void CLinkLabel::OnLeftUp(wxMouseEvent& event)
{
    if (GetClientRect().Contains(event.GetPosition()))
        Open();
}

void CLinkLabel::Open()
{
    // The address goes to the desktop's browser launcher as one argument, never through a shell.
    // wx's own log of a failed attempt is silenced: a launcher it falls back on may still succeed,
    // and a real failure is told once, below.
    bool opened = false;
    {
        wxLogNull quiet;
        opened = wxLaunchDefaultBrowser(address);
    }
    if (opened) {
        visited = true;
    } else {
        wxBell();
        const wxString message = "Unable to open hyperlink:\n\n" +
                                 wxString::FromUTF8(controls::HyperlinkErrorText(controls::kHyperlinkNoApplication));
        wxMessageBox(message, wxTheApp ? wxTheApp->GetAppDisplayName() : wxString(), wxOK | wxICON_EXCLAMATION, this);
    }
    // A message box or launcher window may have taken the pointer away without a leave event.
    hovering = GetClientRect().Contains(ScreenToClient(wxGetMousePosition()));
    Refresh();
}
