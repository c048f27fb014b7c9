#pragma once
#include <wx/event.h>

// Sent by a series while measuring: int 1 with "x y" (primary scale) or 2 with "y " (secondary).
wxDECLARE_EVENT(EVT_PLOT_MEASURE, wxCommandEvent);
// Sent by the text box after each drawing, so that its place can be kept with the recording.
wxDECLARE_EVENT(EVT_PLOT_TEXTBOX, wxCommandEvent);
