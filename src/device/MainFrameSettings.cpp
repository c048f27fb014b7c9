#include "mainframe/MainFrame.h"

// The device settings dialog: not part of this version yet.

void MainFrame::OnDeviceSettings(wxCommandEvent&) {}
