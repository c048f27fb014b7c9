#pragma once
#include "device/DeviceTestSupport.h"
#include "mainframe/MainFrameFixture.h"

#include <wx/msgdlg.h>
#include <wx/testing.h>

// The main window on the linked simulated logger (two events of 100 samples, time frozen,
// status ticks only on request),
// with the device link already connected and the wire log empty.
class DeviceWindowFixture : public MainFrameFixture {
protected:
    void SetUp() override;
    MainFrame* StartOnLogger(const std::vector<int>& config = {1, 98, 0, 0, 0, 0, 0});

    void StatusTick();
    void LiveTick();
    MainFrameInternals Frame() { return In(m_frame.get()); }
    // How often a vendor request went over the wire since the log was last cleared.
    static int Requests(int request);
    // A recording the user opened, already saved.
    void AddSavedRecording(const wxString& title);
};
