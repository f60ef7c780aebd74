// FramedDialog.h -- base of the dialogs that paint their own caption, close box and borders.
//
// The window has no system decorations. Its paint handler clears the client area and paints the
// frame; a click on the painted close box or ESC cancels the dialog, and pressing on the rest of
// the caption strip drags the dialog. Derived dialogs place their controls inside ContentRect().
#pragma once

#include "ui/controls/DialogFrame.h"

#include <wx/dialog.h>

class CFramedDialog : public wxDialog
{
public:
    CFramedDialog() = default;

    bool Create(wxWindow* parent, wxWindowID id, const wxString& caption, int captionTextX,
                const DialogFrameBitmaps& frameBitmaps, const wxSize& size);

    // The client area inside the caption strip and the borders.
    wxRect ContentRect() const;

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnSize(wxSizeEvent& event);
    void Cancel();

    DialogFrameBitmaps bitmaps;
    wxString captionText;
    int textX = 0;
    bool dragging = false;
    wxPoint dragStart; // pointer position within the window when the drag began
};
