// AquariumView.h -- the OpenGL window that fills the frame and drives the scene.
//
// A thin wx shell over CAquariumScene: it chooses the pixel format, owns the rendering context,
// runs the 20 ms frame timer, and turns window events (size, paint, pointer) into calls on the
// scene. Everything that simulates or draws the tank lives in the scene.
#pragma once

#include "view/AquariumScene.h"
#include "view/FramePacer.h"
#include "view/SwapLog.h"

#include <wx/cursor.h>
#include <wx/glcanvas.h>
#include <wx/timer.h>

#include <map>
#include <memory>

class CAquariumView : public wxGLCanvas
{
public:
    // Creates the view as the only child of `parent`. Returns nullptr when no window could be
    // created; a missing pixel format or context is reported and leaves a view that draws nothing.
    static CAquariumView* Create(wxWindow* parent);
    ~CAquariumView() override;

    // Makes the context current and initialises the scene, once; called when the window is on
    // screen (a GL context can only be made current on a realised window). Safe to call again.
    void StartScene();

    CAquariumScene& Scene() { return scene; }
    bool IsStarting() const { return starting; }

private:
    CAquariumView(wxWindow* parent, const wxGLAttributes& pixelFormat);

    void CreateContext();

    void OnTimer(wxTimerEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnMouseMotion(wxMouseEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnMiddleUp(wxMouseEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnCharHook(wxKeyEvent& event);

    // The cursor of the scene's mode, button up or held; none at all in hide mode.
    void ApplyModeCursor();
    const wxCursor& CursorPicture(int resourceId);

    CAquariumScene scene;
    std::unique_ptr<wxGLContext> context; // null when the pixel format or the context failed
    bool contextCurrent = false;          // current and the scene initialised: frames may be drawn
    bool starting = false;                // the scene's set-up is under way
    wxTimer timer;
    CFramePacer pacer;
    CSwapLog swapLog; // for the window benchmark; off unless asked for
    std::map<int, wxCursor> cursors; // by resource id, made from the linked pictures once each
    int shownCursor = -1;            // the resource id on screen now; 0 is the hidden cursor
};
