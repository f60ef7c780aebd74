// AquariumApp.cpp -- start-up: the single-instance guard, then the frame with its view.
#include "app/AquariumApp.h"

#include "app/MainFrame.h"

#include <wx/filefn.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include <cstdlib>

wxIMPLEMENT_APP(CAquariumApp);

namespace {
const char* const kApplicationTitle = "Kelpora";
const char* const kFirstInstanceName = "FirstMyProject";

// Lock files of the single-instance guard live in the user's runtime folder, else the home folder,
// so the guard is per user.
wxString LockFolder()
{
    wxString runtime;
    if (wxGetEnv("XDG_RUNTIME_DIR", &runtime) && wxDirExists(runtime))
        return runtime;
    return wxGetHomeDir();
}

std::unique_ptr<wxSingleInstanceChecker> TakeInstanceName(const wxString& name)
{
    auto checker = std::make_unique<wxSingleInstanceChecker>();
    checker->Create(wxString::Format("kelpora-%s-%s.lock", name, wxGetUserId()), LockFolder());
    return checker;
}
} // namespace

bool CAquariumApp::OnInit()
{
    // The program takes no command-line arguments, so the base class's parser is not run.
    SetAppName(kApplicationTitle);

    firstInstance = TakeInstanceName(kFirstInstanceName);
    if (firstInstance->IsAnotherRunning())
        std::exit(0); // another copy runs: end at once, showing nothing

    titleInstance = TakeInstanceName(kApplicationTitle);
    if (titleInstance->IsAnotherRunning())
        return false;

    auto* frame = new CMainFrame();
    if (!frame->Create(kApplicationTitle)) {
        wxSafeShowMessage(kApplicationTitle, "The aquarium window could not be created.");
        frame->Destroy();
        return false;
    }
    SetTopWindow(frame);
    frame->ShowCoveringScreen();
    return true;
}
