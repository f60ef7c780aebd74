// LinkLabel.h -- a text label that opens a web address in the default browser when clicked.
//
// The address defaults to the text and the text to the address. The label draws underlined in
// the link colour, the visited colour once opened, and the system highlight colour under the
// pointer; it shows a hand cursor and a tooltip with the address.
#pragma once

#include <wx/control.h>

class CLinkLabel : public wxControl
{
public:
    CLinkLabel() = default;

    // `style` takes wxALIGN_LEFT / wxALIGN_CENTRE_HORIZONTAL / wxALIGN_RIGHT and
    // wxALIGN_CENTRE_VERTICAL: where the label stays when it shrinks to fit its text.
    bool Create(wxWindow* parent, wxWindowID id, const wxString& text, const wxString& address = wxString(),
                const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize, long style = 0);

    const wxString& GetAddress() const { return address; }
    bool IsVisited() const { return visited; }
    // Opens the address; on failure beeps and tells the user why.
    void Open();

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnEnter(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void FitToText(const wxPoint& pos, const wxSize& requested);

    wxColour linkColour{0, 0, 238};
    wxColour visitedColour{85, 26, 139};
    wxColour hoverColour;
    bool hovering = false;
    bool visited = false;
    bool underline = true;
    bool adjustToFit = true;
    wxString address;
    long alignment = 0; // the wxALIGN_* bits given at creation
};
