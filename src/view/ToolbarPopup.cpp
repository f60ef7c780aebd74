// ToolbarPopup.cpp -- the toolbar strip: its buttons, their icons and tips, and what they choose.
#include "view/ToolbarPopup.h"

#include "ui/PanelArtCatalogue.h"
#include "ui/controls/IconButton.h"
#include "ui/controls/PackedBitmap.h"
#include "ui/dialogs/PopulationDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "view/AquariumScene.h"

#include <wx/msgdlg.h>
#include <wx/utils.h>

namespace {
constexpr int kStripWidth = 405; // pixels, whatever the buttons' layout asks for
constexpr int kStripHeight = 40;
constexpr int kPixelsPerUnit = 2; // the buttons' layout units: the strip is 202 of them wide
constexpr int kPopulationButton = 1002;
constexpr int kSettingsButton = 1003;

enum class ButtonAction
{
    ChooseMode,
    OpenPanel, // the population or the settings dialog
};

struct ToolbarButton
{
    int id;
    int left;  // layout units
    int width; // layout units
    int icon;  // icon resource
    const char* tip;
    ButtonAction action;
    CursorMode mode; // for ChooseMode
};

// In the strip's order from the left; the tips are exactly as shown, the blank after "Camera" too.
constexpr ToolbarButton kButtons[] = {
    {1001, 0, 34, kFeedIcon, "Feed Fish", ButtonAction::ChooseMode, CursorMode::Feed},
    {1000, 34, 34, kTouchIcon, "Touch Fish", ButtonAction::ChooseMode, CursorMode::Touch},
    {1002, 66, 34, kPopulationIcon, "Add/Delete Fish", ButtonAction::OpenPanel, CursorMode::Feed},
    {1004, 100, 34, kCameraIcon, "Camera ", ButtonAction::ChooseMode, CursorMode::Camera},
    {1005, 134, 34, kRippleIcon, "Ripple", ButtonAction::ChooseMode, CursorMode::Ripple},
    {1003, 168, 34, kSettingsIcon, "Aquarium Settings", ButtonAction::OpenPanel, CursorMode::Feed},
};
} // namespace

CToolbarPopup::CToolbarPopup(wxWindow* parent, CAquariumScene& scene)
    : wxDialog(parent, wxID_ANY, "Kelpora toolbar", wxDefaultPosition, wxSize(kStripWidth, kStripHeight),
               wxBORDER_SIMPLE | wxSTAY_ON_TOP),
      scene(scene)
{
    for (const ToolbarButton& button : kButtons) {
        auto* control = new CIconButton();
        control->Create(this, button.id, "", wxPoint(button.left * kPixelsPerUnit, 0),
                        wxSize(button.width * kPixelsPerUnit, kStripHeight));
        const wxBitmap icon = PanelBitmap(kIconType, button.icon);
        control->SetIcon(icon, icon); // the same picture pressed or not
        control->SetTooltipText(button.tip);
    }
    Bind(wxEVT_BUTTON, &CToolbarPopup::OnButton, this);
    Bind(wxEVT_CHAR_HOOK, &CToolbarPopup::OnCharHook, this);
}

void CToolbarPopup::Run(wxWindow* parent, CAquariumScene& scene)
{
    CToolbarPopup popup(parent, scene);
    const wxPoint pointer = wxGetMousePosition();
    popup.SetSize(pointer.x, pointer.y, kStripWidth, kStripHeight);
    popup.ShowModal();
}

// A mode button sets the toolbar's mode; a panel button runs its dialog over the strip. Either way
// the strip closes.
void CToolbarPopup::OnButton(wxCommandEvent& event)
{
    for (const ToolbarButton& button : kButtons) {
        if (button.id != event.GetId())
            continue;
        if (button.action == ButtonAction::ChooseMode)
            scene.SetToolbarMode(button.mode);
        else if (button.id == kPopulationButton)
            RunPopulationDialog();
        else if (button.id == kSettingsButton)
            RunSettingsDialog();
        EndModal(wxID_OK);
        return;
    }
}

// The strip stays open behind a panel and closes once the panel has.
void CToolbarPopup::RunPopulationDialog()
{
    const ErrorReport report = [](const std::string& text, const std::string& caption) {
        ReportToStandardError(text, caption);
        wxMessageBox(wxString::FromUTF8(text), caption.empty() ? wxString("Kelpora") : wxString::FromUTF8(caption),
                     wxOK);
    };
    CPopulationDialog dialog(this, scene.Settings(), scene.SettingsFile(), report);
    dialog.ShowModal();
}

void CToolbarPopup::RunSettingsDialog()
{
    CSettingsDialog dialog(this, scene);
    dialog.ShowModal();
}

void CToolbarPopup::OnCharHook(wxKeyEvent& event)
{
    if (event.GetKeyCode() == WXK_ESCAPE) {
        EndModal(wxID_CANCEL);
        return;
    }
    event.Skip();
}
