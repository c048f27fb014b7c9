// Status polling and memory clear: the logger's battery and memory on the gauges, and the
// erasing of its recorded events.
#include "mainframe/MainFrame.h"

#include "device/DeviceTexts.h"
#include "device/LoggerUsb.h"
#include "device/StatusBlock.h"
#include "device/StatusReadout.h"
#include "widgets/LevelGauge.h"

#include <wx/log.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>

namespace {

wxColour BatteryColour(StatusReadout::BatteryLevel level) {
    switch (level) {
    case StatusReadout::BatteryLevel::Green:
        return wxColour(0, 255, 0);
    case StatusReadout::BatteryLevel::Orange:
        return wxColour(240, 160, 0);
    default:
        return wxColour(255, 0, 0);
    }
}

} // namespace

void MainFrame::OnStatusTimer(wxTimerEvent&) {
    PollStatus();
}

void MainFrame::OnClearMemory(wxCommandEvent&) {
    ClearLoggerMemory();
}

void MainFrame::PollStatus() {
    const unsigned char* reply = m_usb->GetStatus();
    ShowStatus(reply != nullptr ? StatusReadout::FromBlock(StatusBlock::Decode(reply))
                                : StatusReadout::Absent());
}

void MainFrame::ShowStatus(const StatusReadout& readout) {
    m_resourceText->SetLabel(readout.recordingTime);
    m_memoryGauge->SetValue(readout.memoryGauge);
    m_batteryGauge->SetValue(readout.batteryGauge);
    if (readout.present) {
        m_batteryGauge->SetBackgroundColour(wxColour(236, 233, 216));
        m_batteryGauge->SetBarColour(BatteryColour(readout.batteryLevel));
    }
}

void MainFrame::ClearLoggerMemory() {
    wxMessageDialog dialog(this, DeviceTexts::ClearQuestion(), DeviceTexts::ClearCaption(),
                           wxOK | wxCANCEL);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    if (!m_usb->ClearMemory()) {
        ReportUsbError();
    }
}

void MainFrame::ReportUsbError() {
    wxLogError("%s", DeviceTexts::UsbError(m_usb->GetErrorCode()));
}
