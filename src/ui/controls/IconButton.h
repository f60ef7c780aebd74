// IconButton.h -- a push button with a graded face, a hot or focus border and an icon.
//
// The button is painted off-screen and copied in one go, so the face never flickers. It shows
// its "in" icon while hovered or focused and its "out" icon otherwise. A double click counts as
// a second click: quick clicks on the popup's buttons are never lost.
#pragma once

#include <wx/bitmap.h>
#include <wx/control.h>

class CIconButton : public wxControl
{
public:
    CIconButton() = default;

    bool Create(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize);

    // The pictures shown while hovered or focused (in) and otherwise (out).
    void SetIcon(const wxBitmap& inIcon, const wxBitmap& outIcon);
    // Nothing for an empty text; otherwise sets the tip and shows it or not.
    void SetTooltipText(const wxString& text, bool activate = true);
    // Draws the button as the dialog's default button (the graded face of an active button).
    void SetDefaultLook(bool isDefault);

    bool Enable(bool enable = true) override;

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnEnter(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void SendClick();
    void DrawFace(wxDC& dc, const wxSize& size);

    bool hovering = false;
    bool pressed = false;
    bool defaultLook = false;
    wxBitmap inIcon;
    wxBitmap outIcon;
    wxString tooltipText;
};
