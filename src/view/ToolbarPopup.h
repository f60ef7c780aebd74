// ToolbarPopup.h -- the strip of six icon buttons that a right click opens at the pointer.
//
// Four buttons choose a cursor mode: they set the toolbar's mode in the scene, which the scene
// takes as its cursor mode at the end of its next tick, and close the strip. Two open the panels,
// the population and the settings dialogs, and close the strip once the panel has closed. ESC
// closes the strip and changes nothing. The tank keeps moving while the strip and its panels are
// open: the view's timer still fires inside their modal loops.
#pragma once

#include <wx/dialog.h>

class CAquariumScene;

class CToolbarPopup : public wxDialog
{
public:
    // Shows the strip with its top-left corner at the pointer, 405 x 40 pixels, and returns once it
    // has closed. Near the screen's right or bottom edge part of it lies off screen.
    static void Run(wxWindow* parent, CAquariumScene& scene);

private:
    CToolbarPopup(wxWindow* parent, CAquariumScene& scene);

    void OnButton(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void RunPopulationDialog();
    void RunSettingsDialog();

    CAquariumScene& scene;
};
