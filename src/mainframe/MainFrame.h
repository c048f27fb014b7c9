#pragma once
#include <wx/frame.h>

class PlotWindow;

// The program's only top-level window.
class MainFrame : public wxFrame {
public:
    MainFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

    PlotWindow* m_plot = nullptr;
};
