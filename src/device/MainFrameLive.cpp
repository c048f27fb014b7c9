// Live recording: the logger's samples as they are measured, collected into a new recording.
#include "mainframe/MainFrame.h"

#include "app/AppSettings.h"
#include "device/DeviceTexts.h"
#include "device/HeaderReader.h"
#include "device/LiveRecording.h"
#include "device/LoggerUsb.h"
#include "widgets/LcdClock.h"
#include "widgets/LcdDisplay.h"

#include <wx/bmpbuttn.h>
#include <wx/log.h>

void MainFrame::OnLiveStart(wxCommandEvent&) {
    StartLiveRecording();
}

void MainFrame::OnLiveTimer(wxTimerEvent&) {
    TakeLiveSamples();
}

void MainFrame::OnLiveStop(wxCommandEvent&) {
    StopLiveRecording();
}

void MainFrame::SetLiveButtons(bool recording) {
    m_liveButton->Enable(!recording);
    m_stopButton->Enable(recording);
}

void MainFrame::StartLiveRecording() {
    m_lastSampleTime = 0.0f;
    const HeaderRead header = HeaderReader::Read(*m_usb);
    AppSettings.firmwareVersion = header.firmwareWord;
    if (!header.ok) {
        wxLogError("%s", DeviceTexts::LiveHeaderFailed());
        return;
    }
    HeaderReader::ApplyUnits(header, AppSettings);
    UpdateFlowUnitChecks();
    SetLiveButtons(true);
    if (!m_usb->SetLogging(1)) {
        wxLogError("%s", DeviceTexts::LiveLoggingOnFailed());
        return;
    }
    HeaderReader::ApplySerialNumber(header, AppSettings);
    const int count = static_cast<int>(m_recordings.size()) + 1;
    m_recordings.insert(m_recordings.begin(),
                        LiveRecording::NewRecord(header, AppSettings, wxDateTime::Now(), count));
    StartLiveJournal(m_recordings.front());
    // The records behind the new one moved one row down; what was shown or marked follows.
    if (m_shownIndex >= 0) {
        ++m_shownIndex;
    }
    if (m_markedIndex >= 0) {
        ++m_markedIndex;
    }
    m_liveRecording = true;
    ApplyUnitTexts(0);
    m_livePeriodMs = LiveRecording::TimerPeriodMs(header.header.SamplePeriodMs());
    m_liveTimer.Start(m_livePeriodMs, wxTIMER_CONTINUOUS);
    RefreshList();
}

void MainFrame::TakeLiveSamples() {
    // Samples belong to the live recording only; without it a late tick has nowhere to go.
    if (!m_liveRecording || m_recordings.empty()) {
        return;
    }
    const unsigned char* block = m_usb->ReadLive();
    if (block == nullptr) {
        wxLogError("%s", DeviceTexts::LiveConnectionLost());
        StopLiveRecording();
        return;
    }
    Storage& record = m_recordings.front();
    const std::size_t heldBefore = record.GetTimes().size();
    if (LiveRecording::AppendBlock(record, block) > 0) {
        ShowNewestLiveSample(record);
    }
    AppendToLiveJournal(block);
    RefreshList();
    ShowGrowthOfShownRecording(0, heldBefore);
    m_saved = false;
}

void MainFrame::ShowNewestLiveSample(const Storage& record) {
    const LiveDisplayTexts texts = LiveRecording::DisplayTexts(record, AppSettings.flowUnit);
    m_lastSampleTime = texts.seconds;
    m_clock->SetSeconds(m_lastSampleTime);
    m_flowLcd->SetValue(texts.flow);
    m_pressureLcd->SetValue(texts.pressure);
}

void MainFrame::StopLiveRecording() {
    SetLiveButtons(false);
    m_liveTimer.Stop();
    m_liveRecording = false;
    if (!m_usb->SetLogging(0)) {
        wxLogError("%s", DeviceTexts::LiveLoggingOffFailed());
        return;
    }
    m_usb->ReadLive(); // samples taken meanwhile belong to no tick
    RefreshList();
}

void MainFrame::StopLiveRecordingIfRunning() {
    if (m_liveRecording) {
        StopLiveRecording();
    }
}
