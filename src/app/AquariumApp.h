// AquariumApp.h -- the application object: one running copy, one frame.
#pragma once

#include <wx/app.h>
#include <wx/snglinst.h>

#include <memory>

class CAquariumApp : public wxApp
{
public:
    // The start-up sequence. False ends the program without a window.
    bool OnInit() override;

private:
    // Held until the process ends; another copy finds them taken.
    std::unique_ptr<wxSingleInstanceChecker> firstInstance; // "FirstMyProject"
    std::unique_ptr<wxSingleInstanceChecker> titleInstance; // named after the title, "Kelpora"
};

wxDECLARE_APP(CAquariumApp);
