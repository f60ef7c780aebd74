// PopulationDialog.h -- the "Add/Delete Fish" dialog: how many fish of each species swim.
//
// A thin window around CPopulationPanelState: a sheet of fifteen species cells with their
// counts and an inverted ellipse over the selected one, the Add, Delete, Random and Clear
// buttons, the blue total and a web link. Every 500 ms, and once more on OK (Enter or the
// caption's close box), the counts are applied: written to the settings file and made the live
// counts, so the tank behind the dialog follows within half a second. ESC ends it without a
// further application.
#pragma once

#include "platform/ErrorReport.h"
#include "ui/PopulationPanel.h"
#include "ui/controls/FramedDialog.h"

#include <wx/stattext.h>
#include <wx/timer.h>

struct AquariumSettings;
class CSettingsFile;

class CPopulationDialog : public CFramedDialog
{
public:
    // Reads the counts from `file` at once; `record` and `file` outlive the dialog. ShowModal()
    // returns wxID_OK or wxID_CANCEL.
    CPopulationDialog(wxWindow* parent, AquariumSettings& record, CSettingsFile& file,
                      ErrorReport report = ReportToStandardError);
    ~CPopulationDialog() override;

    const CPopulationPanelState& State() const { return state; }

protected:
    // Sees the dialog's own clicks and keys before the frame does: the close box accepts, a
    // button's mnemonic letter runs it, Enter accepts.
    bool TryBefore(wxEvent& event) override;

private:
    class CSheet;

    void OnButton(wxCommandEvent& event);
    void OnTimer(wxTimerEvent& event);
    void Accept();
    void Changed(); // after any change of counts or selection: repaint the sheet, refresh the total

    CPopulationPanelState state;
    DialogFrameBitmaps frameBitmaps;
    CSheet* sheet = nullptr;
    wxStaticText* totalText = nullptr;
    wxTimer applyTimer;
};
