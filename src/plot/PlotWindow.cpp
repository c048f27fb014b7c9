#include "plot/PlotWindow.h"

PlotWindow::PlotWindow(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                       long style)
    : wxWindow(parent, id, pos, size, style, "plot") {
    SetBackgroundStyle(wxBG_STYLE_CUSTOM);
    SetBackgroundColour(*wxWHITE);
    SetMinSize(wxSize(64, 64));
}
