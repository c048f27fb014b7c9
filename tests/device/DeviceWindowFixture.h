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

// Answers a message box after checking its text, caption and style bits.
class MessageAnswer : public wxExpectModalBase<wxMessageDialog, MessageAnswer> {
public:
    MessageAnswer(int answer, const wxString& message, const wxString& caption, long style)
        : m_answer(answer), m_message(message), m_caption(caption), m_style(style) {}

protected:
    int OnInvoked(wxMessageDialog* dialog) const override;

private:
    int m_answer;
    wxString m_message;
    wxString m_caption;
    long m_style;
};
