#include "mainframe/MainFrame.h"

#include "device/SettingsDialog.h"

// The device settings dialog reads and writes the logger on a device link of its own; the main
// window only opens it.

void MainFrame::OnDeviceSettings(wxCommandEvent&) {
    auto* dialog = new SettingsDialog(this);
    dialog->ShowModal();
    dialog->Destroy();
}
