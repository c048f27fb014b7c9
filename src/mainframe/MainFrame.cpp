#include "mainframe/MainFrame.h"

#include "plot/PlotWindow.h"

#include <wx/panel.h>
#include <wx/sizer.h>

MainFrame::MainFrame(const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(nullptr, wxID_ANY, title, pos, size, wxDEFAULT_FRAME_STYLE, "frame") {
    wxPanel* panel = new wxPanel(this, wxID_ANY);
    m_plot = new PlotWindow(panel, wxID_ANY, wxDefaultPosition, wxSize(600, 300), wxSUNKEN_BORDER);
    wxBoxSizer* root = new wxBoxSizer(wxHORIZONTAL);
    root->Add(m_plot, 1, wxEXPAND);
    panel->SetSizer(root);
}
