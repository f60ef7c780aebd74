// RoundThumbSlider.h -- a slider with an elliptical thumb, a green channel highlight and end dots.
//
// It behaves like wxSlider for the dialogs: a value range with line and page steps, the arrow,
// page, Home and End keys, clicks on the channel that page towards the pointer, dragging of the
// thumb; it sends the wxEVT_SCROLL_* events and then wxEVT_SLIDER on every change. Styles:
// wxSL_HORIZONTAL or wxSL_VERTICAL, and wxSL_LEFT / wxSL_TOP to swap the end dots' sides.
#pragma once

#include <wx/control.h>
#include <wx/slider.h> // the wxSL_* styles and the slider events

class CRoundThumbSlider : public wxControl
{
public:
    CRoundThumbSlider() = default;

    bool Create(wxWindow* parent, wxWindowID id, int value, int minValue, int maxValue,
                const wxPoint& pos = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                long style = wxSL_HORIZONTAL);

    int GetValue() const { return value; }
    void SetValue(int newValue); // no events, as for wxSlider
    void SetRange(int minValue, int maxValue);
    int GetMin() const { return minimum; }
    int GetMax() const { return maximum; }
    void SetLineSize(int lineSize) { lineStep = lineSize; }
    void SetPageSize(int pageSize) { pageStep = pageSize; }
    int GetLineSize() const { return lineStep; }
    int GetPageSize() const { return pageStep; }

    // The thumb's fill; the four highlight colours go back to green.
    void SetThumbColour(const wxColour& colour);

protected:
    wxSize DoGetBestSize() const override;

private:
    bool IsVertical() const { return HasFlag(wxSL_VERTICAL); }
    wxRect ChannelRect() const;
    wxRect ThumbRect() const;
    int ChannelLength() const; // pixels the thumb centre can travel
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    int AlongAxis(const wxPoint& point) const;
    // Moves to `newValue` (clamped) and reports the change with a scroll event of `scrollType`.
    void MoveTo(int newValue, wxEventType scrollType);

    int value = 0;
    int minimum = 0;
    int maximum = 100;
    int lineStep = 1;
    int pageStep = 10;
    bool dragging = false;  // the thumb is held by the mouse
    int dragGrabOffset = 0; // pointer minus thumb centre along the axis when the drag began
    wxColour thumbColour{255, 0, 0};
    wxColour highlight[4] = {{0, 255, 0}, {0, 255, 0}, {0, 255, 0}, {0, 255, 0}};
};
