// MainFrame.cpp -- frame creation, showing it over the screen, focus and ESC.
#include "app/MainFrame.h"

#include "view/AquariumView.h"

#include <wx/display.h>

bool CMainFrame::Create(const wxString& title)
{
    // No caption, system menu, border or menu bar: the view is all there is to see.
    if (!wxFrame::Create(nullptr, wxID_ANY, title, wxDefaultPosition, wxDefaultSize,
                         wxBORDER_NONE | wxCLIP_CHILDREN))
        return false;
    view = CAquariumView::Create(this);
    if (view == nullptr)
        return false;
    Bind(wxEVT_CHAR_HOOK, &CMainFrame::OnCharHook, this);
    Bind(wxEVT_SET_FOCUS, &CMainFrame::OnSetFocus, this);
    return true;
}

void CMainFrame::ShowCoveringScreen()
{
    const int displayIndex = wxDisplay::GetFromPoint(wxGetMousePosition());
    const wxRect workArea = wxDisplay(displayIndex == wxNOT_FOUND ? 0u : unsigned(displayIndex)).GetClientArea();
    SetSize(workArea);
    Centre();
    Show();
    Maximize();
    view->SetFocus();
    view->StartScene();
}

bool CMainFrame::IsSettingUp() const
{
    return view != nullptr && view->IsStarting();
}

// Runs for every key pressed in the frame or the view, before the view sees it. Dialogs are
// windows of their own, so ESC there closes the dialog, not the program.
void CMainFrame::OnCharHook(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_ESCAPE) {
        Close(true);
        return;
    }
    event.Skip();
}

void CMainFrame::OnSetFocus(wxFocusEvent&)
{
    if (view != nullptr)
        view->SetFocus();
}
