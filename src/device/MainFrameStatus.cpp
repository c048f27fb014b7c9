#include "mainframe/MainFrame.h"

// Status polling and memory clearing: not part of this version yet.

void MainFrame::OnStatusTimer(wxTimerEvent&) {}

void MainFrame::OnClearMemory(wxCommandEvent&) {}
