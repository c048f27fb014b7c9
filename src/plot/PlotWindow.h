#pragma once
#include <wx/window.h>

// The graph area: a window that paints its layers with a zoomable, pannable view.
class PlotWindow : public wxWindow {
public:
    PlotWindow(wxWindow* parent, wxWindowID id = wxID_ANY, const wxPoint& pos = wxDefaultPosition,
               const wxSize& size = wxDefaultSize, long style = 0);
};
