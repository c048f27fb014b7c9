#include "device/DeviceWindowFixture.h"

#include <gtest/gtest.h>

void DeviceWindowFixture::SetUp() {
    SimulatedLogger::Configure(TestLoggerOptions());
}

MainFrame* DeviceWindowFixture::StartOnLogger(const std::vector<int>& config) {
    MainFrame* frame = Start(config);
    // Status ticks come only when a test asks for them, so that the wire stays predictable.
    Frame().m_statusTimer.Stop();
    StatusTick();
    SimulatedLogger::ClearLog();
    return frame;
}

void DeviceWindowFixture::StatusTick() {
    wxTimerEvent event(Frame().m_statusTimer);
    m_frame->GetEventHandler()->ProcessEvent(event);
}

void DeviceWindowFixture::LiveTick() {
    wxTimerEvent event(Frame().m_liveTimer);
    m_frame->GetEventHandler()->ProcessEvent(event);
}

int DeviceWindowFixture::Requests(int request) {
    int count = 0;
    for (const WireTransfer& t : WireLog()) {
        count += t.request == request && t.requestType != 0 ? 1 : 0;
    }
    return count;
}

void DeviceWindowFixture::AddSavedRecording(const wxString& title) {
    AddRecording(title);
    Frame().m_saved = true;
}
