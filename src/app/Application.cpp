#include "app/Application.h"

#include "mainframe/MainFrame.h"

wxIMPLEMENT_APP(Application);

bool Application::OnInit() {
    // The base OnInit is not called: the program takes no command line.
    MainFrame* frame = new MainFrame("Fara titlu", wxDefaultPosition, wxSize(440, 440));
    frame->Show(true);
    SetTopWindow(frame);
    return true;
}
