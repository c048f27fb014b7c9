#pragma once
#include "mainframe/MainFrame.h"

#include <gtest/gtest.h>
#include <wx/weakref.h>

#include <string>
#include <vector>

// Starts the main window on a configuration file of the test's own (in the temporary
// configuration folder of the test program) and closes it again after the test.
class MainFrameFixture : public ::testing::Test {
protected:
    void TearDown() override;

    static std::string ConfigPath();
    static void WriteConfig(const std::vector<int>& lines);
    static std::string ReadConfig();

    // Configuration lines: metric, pressure unit, firmware, tips, flow unit, lock, absolute time.
    MainFrame* Start(const std::vector<int>& config = {1, 98, 0, 0, 0, 0, 0});
    void WaitForDestroyed();

    // Sends a command event (menu or button) to the main window, as a click would.
    void Command(int id, wxEventType type = wxEVT_MENU);

    // Appends a recording of count samples at 1 s: flow 10 + i, pressure 2 + i / 10, volume
    // growing by the flow, and refreshes the list.
    Storage& AddRecording(const wxString& title, const wxString& date = "05/03/2012 14:30:05",
                          int count = 10);
    // Clicks a row: only it is selected and focused.
    void SelectOnly(int row);

    wxWeakRef<MainFrame> m_frame;
};

#include <wx/filedlg.h>
#include <wx/testing.h>

// Answers a file dialog with a path. GTK's file chooser takes the path over only while events
// run, so the answer waits (bounded) until the dialog reports it.
class FileDialogAnswer : public wxExpectModalBase<wxFileDialog, FileDialogAnswer> {
public:
    explicit FileDialogAnswer(const wxString& path, int id = wxID_OK) : m_path(path), m_id(id) {}
    // Also checks the message and the file name the dialog was opened with. Returns a copy: the
    // test macro keeps the expectation alive only through the temporary it binds.
    FileDialogAnswer Offering(const wxString& message, const wxString& fileName) const {
        FileDialogAnswer answer(*this);
        answer.m_message = message;
        answer.m_fileName = fileName;
        return answer;
    }

protected:
    int OnInvoked(wxFileDialog* dialog) const override;

private:
    wxString m_path;
    int m_id;
    wxString m_message;
    wxString m_fileName;
};
