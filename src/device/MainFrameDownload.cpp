#include "mainframe/MainFrame.h"

// Memory download: not part of this version yet.

void MainFrame::OnDownload(wxCommandEvent&) {}
