// AquariumApp.cpp -- start-up: the single-instance guard, then the frame with its view; ending on a signal.
#include "app/AquariumApp.h"

#include "app/MainFrame.h"

#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/msgdlg.h>

#include <csignal>
#include <cstdlib>

wxIMPLEMENT_APP(CAquariumApp);

namespace {
const char* const kApplicationTitle = "Kelpora";
const char* const kFirstInstanceName = "FirstMyProject";
constexpr int kCloseRetryMs = 100;
} // namespace

bool CAquariumApp::OnInit()
{
    // The program takes no command-line arguments, so the base class's parser is not run.
    SetAppName(kApplicationTitle);

    firstInstance = std::make_unique<CInstanceGuard>(kFirstInstanceName);
    if (firstInstance->Claim() == InstanceClaim::HeldByAnother)
        std::exit(0); // another copy runs: end at once, showing nothing

    titleInstance = std::make_unique<CInstanceGuard>(kApplicationTitle);
    if (titleInstance->Claim() == InstanceClaim::HeldByAnother)
        return false;

    if (firstInstance->Claim() == InstanceClaim::Unguarded && titleInstance->Claim() == InstanceClaim::Unguarded)
        wxMessageBox("Kelpora cannot tell whether another copy of it is running, so a second copy may start "
                     "beside this one.",
                     kApplicationTitle, wxOK | wxICON_WARNING);

    auto* frame = new CMainFrame();
    if (!frame->Create(kApplicationTitle)) {
        wxSafeShowMessage(kApplicationTitle, "The aquarium window could not be created.");
        frame->Destroy();
        return false;
    }
    SetTopWindow(frame);

    closeRetry.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { CloseWhenSafe(); });
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        SetSignalHandler(signal, &CAquariumApp::OnTerminationSignal);

    frame->ShowCoveringScreen();
    return true;
}

void CAquariumApp::OnTerminationSignal(int)
{
    wxGetApp().CloseWhenSafe();
}

// The frame closes as on ESC: the view releases its scene (and the private unpack folder), the loop
// ends, the guards go with the application object and the process exits with 0. While the scene is
// being set up, or a dialog runs its own loop, closing would pull the windows out from under code
// still running on the stack: modal dialogs are cancelled, and the close waits for them to unwind.
void CAquariumApp::CloseWhenSafe()
{
    auto* frame = dynamic_cast<CMainFrame*>(GetTopWindow());
    if (frame == nullptr) {
        ExitMainLoop();
        return;
    }
    bool busy = frame->IsSettingUp();
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* dialog = dynamic_cast<wxDialog*>(window); dialog && dialog->IsModal()) {
            dialog->EndModal(wxID_CANCEL);
            busy = true;
        }
    }
    const wxEventLoopBase* active = wxEventLoopBase::GetActive();
    if (active != nullptr && !active->IsMain())
        busy = true;
    if (busy) {
        closeRetry.StartOnce(kCloseRetryMs);
        return;
    }
    frame->Close(true);
}
