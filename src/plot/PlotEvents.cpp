#include "plot/PlotEvents.h"

wxDEFINE_EVENT(EVT_PLOT_MEASURE, wxCommandEvent);
wxDEFINE_EVENT(EVT_PLOT_TEXTBOX, wxCommandEvent);
