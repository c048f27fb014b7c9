#include "app/Application.h"

#include "mainframe/MainFrame.h"
#include "widgets/ResourceBitmap.h"

#include <wx/iconbndl.h>

wxIMPLEMENT_APP(Application);

bool Application::OnInit() {
    // The base OnInit is not called: the program takes no command line.
    MainFrame* frame = new MainFrame("Fara titlu", wxDefaultPosition, wxSize(440, 440));
    wxIconBundle icons;
    for (const char* name : {"icon32", "icon48"}) {
        wxIcon icon;
        icon.CopyFromBitmap(ResourceBitmap(name));
        icons.AddIcon(icon);
    }
    frame->SetIcons(icons);
    frame->Show(true);
    SetTopWindow(frame);
    return true;
}
