#pragma once
#include <wx/app.h>

class Application : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;

private:
    // Set when the command line ends the program before the window is built.
    int m_earlyExitCode = -1;
};
