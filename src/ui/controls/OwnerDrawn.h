// OwnerDrawn.h -- the event wiring every owner-drawn control of the dialogs shares.
#pragma once

#include <wx/control.h>

// Repaints the control whenever it gains or loses the focus (each draws its own focus look), and
// ends a press or drag when the mouse capture is taken away: `held` becomes false and it repaints.
// `held` must live as long as the control.
void RepaintOnFocusAndCaptureLoss(wxControl& control, bool& held);
