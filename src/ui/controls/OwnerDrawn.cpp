// OwnerDrawn.cpp -- shared event wiring of the owner-drawn controls.
#include "ui/controls/OwnerDrawn.h"

void RepaintOnFocusAndCaptureLoss(wxControl& control, bool& held)
{
    auto repaint = [&control](wxFocusEvent& event) {
        control.Refresh();
        event.Skip();
    };
    control.Bind(wxEVT_SET_FOCUS, repaint);
    control.Bind(wxEVT_KILL_FOCUS, repaint);
    control.Bind(wxEVT_MOUSE_CAPTURE_LOST, [&control, &held](wxMouseCaptureLostEvent&) {
        held = false;
        control.Refresh();
    });
}
