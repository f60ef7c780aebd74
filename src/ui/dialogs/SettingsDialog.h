// SettingsDialog.h -- the aquarium settings panel: a framed window around CSettingsPanelState.
//
// Every decision lives in the state; this window only shows it and forwards what the user does.
// A 100 ms timer hands the state its tick, which puts the values into the settings record and the
// file, so the tank behind the (modal) dialog follows each change within a tenth of a second.
// Closing never restores anything: whatever was last shown stays in effect.
#pragma once

#include "ui/SettingsPanel.h"
#include "ui/controls/FramedDialog.h"

#include <wx/timer.h>

class CAquariumScene;
class CColourButton;
class CIconButton;
class CRoundCheckBox;
class CRoundThumbSlider;

class CSettingsDialog : public CFramedDialog
{
public:
    CSettingsDialog(wxWindow* parent, CAquariumScene& scene);
    ~CSettingsDialog() override;

    // Every way out (the painted close box, ESC) saves once more before the dialog ends.
    void EndModal(int returnCode) override;

protected:
    bool TryBefore(wxEvent& event) override;

private:
    void CreateControls();
    wxPoint At(int left, int top) const;      // dialog units to a client position inside the frame
    wxSize Size(int width, int height) const; // dialog units to pixels
    CRoundCheckBox* AddCheckBox(int id, const char* text, int left, int top, int width, int height);
    void ShowState(); // every control from the state

    void OnTimer(wxTimerEvent& event);
    void OnSlider(wxCommandEvent& event);
    void OnCheck(wxCommandEvent& event);
    void OnButton(wxCommandEvent& event);
    void ShowAbout();

    CSettingsPanelState state;
    wxTimer timer;
    bool closing = false;

    CRoundThumbSlider* sliders[4] = {}; // indexed by SettingsSlider
    CRoundCheckBox* checks[5] = {};     // indexed by SettingsCheck
    CRoundCheckBox* frontModes[3] = {}; // indexed by ColourMode; the gradual box is never shown
    CRoundCheckBox* backModes[3] = {};
    CColourButton* colourButtons[6] = {}; // in the order of kColours, the two hidden ones among them
    CIconButton* previousButton = nullptr;
    CIconButton* nextButton = nullptr;
    wxWindow* previews[2] = {}; // indexed by scene variant
};
