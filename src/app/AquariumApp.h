// AquariumApp.h -- the application object: one running copy, one frame.
#pragma once

#include "platform/InstanceGuard.h"

#include <wx/app.h>
#include <wx/timer.h>

#include <memory>

class CAquariumApp : public wxApp
{
public:
    // The start-up sequence. False ends the program without a window.
    bool OnInit() override;

private:
    // SIGTERM, SIGINT and SIGHUP end the program as ESC does. The signal itself only wakes the
    // event loop (wx's signal pipe); this runs from the loop, where windows may be closed.
    static void OnTerminationSignal(int signal);
    void CloseWhenSafe();

    // Held until the process ends; another copy finds them taken.
    std::unique_ptr<CInstanceGuard> firstInstance; // "FirstMyProject"
    std::unique_ptr<CInstanceGuard> titleInstance; // named after the title, "Kelpora"
    wxTimer closeRetry;                            // a close that had to wait for a set-up or a dialog to unwind
};

wxDECLARE_APP(CAquariumApp);
