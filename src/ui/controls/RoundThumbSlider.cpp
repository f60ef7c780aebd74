// RoundThumbSlider.cpp -- a slider with an elliptical thumb, a green channel highlight and end dots.
#include "ui/controls/RoundThumbSlider.h"

#include "ui/controls/ControlLogic.h"
#include "ui/controls/OwnerDrawn.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

namespace {

constexpr int kThumbThickness = 11;  // pixels along the axis
constexpr int kThumbLength = 21;     // pixels across the axis
constexpr int kEndDot = 7;           // diameter of the end circles
constexpr int kMargin = kEndDot + 2; // room at each end for the dots

} // namespace

bool CRoundThumbSlider::Create(wxWindow* parent, wxWindowID id, int startValue, int minValue, int maxValue,
                               const wxPoint& pos, const wxSize& size, long style)
{
    minimum = std::min(minValue, maxValue);
    maximum = std::max(minValue, maxValue);
    value = controls::StepSliderValue(startValue, 0, minimum, maximum);
    pageStep = std::max(1, (maximum - minimum) / 5);
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!wxControl::Create(parent, id, pos, size, (style & ~wxBORDER_MASK) | wxBORDER_NONE))
        return false;
    Bind(wxEVT_PAINT, &CRoundThumbSlider::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CRoundThumbSlider::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &CRoundThumbSlider::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CRoundThumbSlider::OnLeftUp, this);
    Bind(wxEVT_MOTION, &CRoundThumbSlider::OnMotion, this);
    Bind(wxEVT_KEY_DOWN, &CRoundThumbSlider::OnKeyDown, this);
    RepaintOnFocusAndCaptureLoss(*this, dragging);
    if (size == wxDefaultSize)
        SetInitialSize(size);
    return true;
}

void CRoundThumbSlider::SetValue(int newValue)
{
    value = controls::StepSliderValue(newValue, 0, minimum, maximum);
    Refresh();
}

void CRoundThumbSlider::SetRange(int minValue, int maxValue)
{
    minimum = std::min(minValue, maxValue);
    maximum = std::max(minValue, maxValue);
    SetValue(value);
}

void CRoundThumbSlider::SetThumbColour(const wxColour& colour)
{
    thumbColour = colour;
    for (wxColour& each : highlight)
        each = wxColour(0, 255, 0);
    Refresh();
}

wxSize CRoundThumbSlider::DoGetBestSize() const
{
    const wxSize best(150, kThumbLength + 6);
    return IsVertical() ? wxSize(best.y, best.x) : best;
}

int CRoundThumbSlider::ChannelLength() const
{
    const wxSize size = GetClientSize();
    const int extent = IsVertical() ? size.y : size.x;
    return std::max(0, extent - 2 * kMargin - kThumbThickness);
}

wxRect CRoundThumbSlider::ChannelRect() const
{
    // The channel runs between the extreme thumb centres, 4 pixels thick, across the middle.
    const wxSize size = GetClientSize();
    const int start = kMargin + kThumbThickness / 2;
    if (IsVertical())
        return wxRect(size.x / 2 - 2, start, 4, ChannelLength() + 1);
    return wxRect(start, size.y / 2 - 2, ChannelLength() + 1, 4);
}

wxRect CRoundThumbSlider::ThumbRect() const
{
    const wxSize size = GetClientSize();
    const int centre =
        kMargin + kThumbThickness / 2 + controls::SliderOffsetOfValue(value, ChannelLength(), minimum, maximum);
    if (IsVertical())
        return wxRect(size.x / 2 - kThumbLength / 2, centre - kThumbThickness / 2, kThumbLength, kThumbThickness);
    return wxRect(centre - kThumbThickness / 2, size.y / 2 - kThumbLength / 2, kThumbThickness, kThumbLength);
}

void CRoundThumbSlider::OnPaint(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(this);
    const wxColour parentBackground = GetParent() ? GetParent()->GetBackgroundColour() : GetBackgroundColour();
    dc.SetBackground(wxBrush(parentBackground));
    dc.Clear();

    // Channel: sunken (shadow above/left, highlight below/right), then the green rectangle inside.
    const wxRect channel = ChannelRect();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW));
    dc.DrawRectangle(channel);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawRectangle(channel.x + 1, channel.y + 1, channel.width - 1, channel.height - 1);
    const wxRect inner = wxRect(channel).Deflate(1);
    if (inner.width > 0 && inner.height > 0) {
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.SetPen(highlight[0]);
        dc.DrawLine(inner.GetLeftTop(), inner.GetRightTop() + wxPoint(1, 0));
        dc.DrawLine(inner.GetLeftTop(), inner.GetLeftBottom() + wxPoint(0, 1));
        dc.SetPen(highlight[1]);
        dc.DrawLine(inner.GetLeftBottom(), inner.GetRightBottom() + wxPoint(1, 0));
        dc.DrawLine(inner.GetRightTop(), inner.GetRightBottom() + wxPoint(0, 1));
    }

    // Thumb: a solid ellipse, or while held a checkerboard of the thumb colour on green.
    const wxRect thumb = ThumbRect();
    dc.SetPen(highlight[2]);
    dc.SetBrush(dragging ? wxBrush(highlight[3]) : wxBrush(thumbColour));
    dc.DrawEllipse(thumb);
    if (dragging) {
        // Checker squares aligned to the thumb's corner, inside the outline.
        dc.SetPen(thumbColour);
        const double rx = thumb.width / 2.0 - 1.0, ry = thumb.height / 2.0 - 1.0;
        const double cx = thumb.x + thumb.width / 2.0, cy = thumb.y + thumb.height / 2.0;
        for (int y = 0; y < thumb.height; ++y)
            for (int x = (y & 1); x < thumb.width; x += 2) {
                const double dx = (thumb.x + x + 0.5 - cx) / rx, dy = (thumb.y + y + 0.5 - cy) / ry;
                if (dx * dx + dy * dy <= 1.0)
                    dc.DrawPoint(thumb.x + x, thumb.y + y);
            }
    }
    if (HasFocus()) {
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.SetPen(wxPen(*wxBLACK, 1, wxPENSTYLE_DOT));
        dc.DrawRectangle(GetClientRect());
    }

    // End dots: white at the start end, green at the far end (swapped by wxSL_LEFT / wxSL_TOP).
    const wxSize size = GetClientSize();
    wxRect first, second;
    if (IsVertical()) {
        const int x = HasFlag(wxSL_LEFT) ? 1 : size.x - kEndDot - 1;
        first = wxRect(x, 1, kEndDot, kEndDot);
        second = wxRect(x, size.y - kEndDot - 1, kEndDot, kEndDot);
    } else {
        const int y = HasFlag(wxSL_TOP) ? 1 : size.y - kEndDot - 1;
        first = wxRect(1, y, kEndDot, kEndDot);
        second = wxRect(size.x - kEndDot - 1, y, kEndDot, kEndDot);
    }
    dc.SetPen(thumbColour);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.DrawEllipse(first);
    dc.SetBrush(wxBrush(highlight[0]));
    dc.DrawEllipse(second);
}

int CRoundThumbSlider::AlongAxis(const wxPoint& point) const
{
    return (IsVertical() ? point.y : point.x) - kMargin - kThumbThickness / 2;
}

void CRoundThumbSlider::OnLeftDown(wxMouseEvent& event)
{
    if (!IsEnabled())
        return;
    SetFocus();
    const wxRect thumb = ThumbRect();
    if (thumb.Contains(event.GetPosition())) {
        dragging = true;
        const int centre = controls::SliderOffsetOfValue(value, ChannelLength(), minimum, maximum);
        dragGrabOffset = AlongAxis(event.GetPosition()) - centre;
        if (!HasCapture())
            CaptureMouse();
        Refresh();
        return;
    }
    // A click on the channel pages towards the pointer.
    const int centre = controls::SliderOffsetOfValue(value, ChannelLength(), minimum, maximum);
    if (AlongAxis(event.GetPosition()) < centre)
        MoveTo(value - pageStep, wxEVT_SCROLL_PAGEUP);
    else
        MoveTo(value + pageStep, wxEVT_SCROLL_PAGEDOWN);
}

void CRoundThumbSlider::OnMotion(wxMouseEvent& event)
{
    if (!dragging)
        return;
    const int offset = AlongAxis(event.GetPosition()) - dragGrabOffset;
    MoveTo(controls::SliderValueAtOffset(offset, ChannelLength(), minimum, maximum), wxEVT_SCROLL_THUMBTRACK);
}

void CRoundThumbSlider::OnLeftUp(wxMouseEvent&)
{
    if (!dragging)
        return;
    dragging = false;
    if (HasCapture())
        ReleaseMouse();
    Refresh();
    MoveTo(value, wxEVT_SCROLL_THUMBRELEASE);
}

void CRoundThumbSlider::OnKeyDown(wxKeyEvent& event)
{
    switch (event.GetKeyCode()) {
    case WXK_LEFT:
    case WXK_UP:
        MoveTo(value - lineStep, wxEVT_SCROLL_LINEUP);
        break;
    case WXK_RIGHT:
    case WXK_DOWN:
        MoveTo(value + lineStep, wxEVT_SCROLL_LINEDOWN);
        break;
    case WXK_PAGEUP:
        MoveTo(value - pageStep, wxEVT_SCROLL_PAGEUP);
        break;
    case WXK_PAGEDOWN:
        MoveTo(value + pageStep, wxEVT_SCROLL_PAGEDOWN);
        break;
    case WXK_HOME:
        MoveTo(minimum, wxEVT_SCROLL_TOP);
        break;
    case WXK_END:
        MoveTo(maximum, wxEVT_SCROLL_BOTTOM);
        break;
    default:
        event.Skip();
        break;
    }
}

void CRoundThumbSlider::MoveTo(int newValue, wxEventType scrollType)
{
    const int clamped = controls::StepSliderValue(newValue, 0, minimum, maximum);
    const bool changed = clamped != value;
    value = clamped;
    if (changed)
        Refresh();
    // As wxSlider does: the scroll event, then (on a change) the slider command.
    wxScrollEvent scroll(scrollType, GetId(), value, IsVertical() ? wxVERTICAL : wxHORIZONTAL);
    scroll.SetEventObject(this);
    ProcessWindowEvent(scroll);
    if (scrollType == wxEVT_SCROLL_THUMBRELEASE) {
        wxScrollEvent ended(wxEVT_SCROLL_CHANGED, GetId(), value, IsVertical() ? wxVERTICAL : wxHORIZONTAL);
        ended.SetEventObject(this);
        ProcessWindowEvent(ended);
    }
    if (changed) {
        wxCommandEvent command(wxEVT_SLIDER, GetId());
        command.SetEventObject(this);
        command.SetInt(value);
        ProcessWindowEvent(command);
    }
}
