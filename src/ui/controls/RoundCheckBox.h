// RoundCheckBox.h -- a check box drawn as a round lamp (or a pair of icons) beside its text.
//
// A click toggles the state and repaints before the wxEVT_CHECKBOX command goes to the parent,
// so the dialog's handler always reads the new state. The text wraps onto as many lines as the
// control's height allows and is embossed when the control is disabled.
#pragma once

#include <wx/bitmap.h>
#include <wx/control.h>

class CRoundCheckBox : public wxControl
{
public:
    // Creation styles: wxALIGN_RIGHT puts the text left of the indicator (as for wxCheckBox);
    // kTextCentred / kTextRight align the text within its area (left by default).
    static constexpr long kTextCentred = wxALIGN_CENTRE_HORIZONTAL;
    static constexpr long kTextRight = wxALIGN_BOTTOM; // a bit wxCheckBox leaves free

    CRoundCheckBox() = default;

    bool Create(wxWindow* parent, wxWindowID id, const wxString& label, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize, long style = 0);

    // 1 and 2 check the box, anything else unchecks it.
    void SetCheck(int state, bool redraw = true);
    int GetCheck() const { return checkState; }
    bool IsChecked() const { return checkState != 0; }

    void SetColours(const wxColour& checked, const wxColour& unchecked);
    // Pictures instead of the round lamp; their width becomes the indicator size.
    void SetIcons(const wxBitmap& checked, const wxBitmap& unchecked);

    bool Enable(bool enable = true) override;

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void SetHovering(bool over);
    void Click();
    wxSize IndicatorSize() const;

    long creationStyle = 0;
    bool hovering = false;
    int checkState = 0; // 0 or 1
    bool pressed = false;
    int indicatorSize = 15; // pixels, for the round lamp
    wxColour checkedColour{0, 255, 0};
    wxColour uncheckedColour{0, 127, 0};
    wxBitmap checkedIcon; // invalid while the lamp is drawn instead
    wxBitmap uncheckedIcon;
};
