// ColourButton.h -- a flat button showing one colour, outlined in white (the colour pickers).
#pragma once

#include <wx/control.h>

class CColourButton : public wxControl
{
public:
    CColourButton() = default;

    // Creates the button at the dialog's rectangle with its starting colour.
    bool Attach(wxWindowID id, wxWindow* parent, const wxColour& startColour, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize);

    void SetColour(const wxColour& newColour);
    const wxColour& GetColour() const { return colour; }

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void SendClick();

    wxColour colour{255, 0, 0}; // red until the dialog sets its colour
    bool pressed = false;       // left button went down over us and has not come up yet
};
