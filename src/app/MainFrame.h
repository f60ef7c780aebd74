// MainFrame.h -- the one top-level window: captionless, borderless, covering the screen.
//
// The frame shows nothing of its own. Its view fills the whole client area; focus that reaches
// the frame goes on to the view, and ESC pressed anywhere below it closes the program.
#pragma once

#include <wx/frame.h>

class CAquariumView;

class CMainFrame : public wxFrame
{
public:
    CMainFrame() = default;

    // Creates the frame window and its view. False when either cannot be created.
    bool Create(const wxString& title);

    // Sizes the frame to the work area of its screen, centres and shows it maximized. Without a
    // window manager to honour the maximize, the explicit size already covers the work area.
    void ShowCoveringScreen();

    CAquariumView* View() const { return view; }
    // True while the view's scene is being set up (a message box may be showing from inside it).
    bool IsSettingUp() const;

private:
    void OnCharHook(wxKeyEvent& event);
    void OnSetFocus(wxFocusEvent& event);

    CAquariumView* view = nullptr; // the only child; destroyed with the frame
};
