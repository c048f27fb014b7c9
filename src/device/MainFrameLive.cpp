#include "mainframe/MainFrame.h"

// Live recording: not part of this version yet.

void MainFrame::OnLiveStart(wxCommandEvent&) {}

void MainFrame::OnLiveStop(wxCommandEvent&) {}

void MainFrame::OnLiveTimer(wxTimerEvent&) {}
